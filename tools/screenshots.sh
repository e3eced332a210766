#!/usr/bin/env bash
# Starts the wizard window under a virtual X server, walks every page with a bundled
# controller and writes one PNG per page to docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
controller="${1:-mega128}"
tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target pramlet-screenshots program_data
xvfb-run -a -s "-screen 0 1280x800x24" build/bin/pramlet-screenshots "$controller" docs/screenshots
