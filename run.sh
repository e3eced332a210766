#!/usr/bin/env bash
# Installs what is missing, builds and starts the wizard on the bundled devices.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target pramlet pramlet-cli program_data
exec build/bin/pramlet "$@"
