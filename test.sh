#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then the same tests again
# in a build with the address and undefined-behaviour sanitizers (clang), and each fuzz
# target of that build for a bounded time (PRAMLET_FUZZ_SECONDS, default 60).
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
(cd build && ctest --output-on-failure -j "$(nproc)")

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DPRAMLET_SANITIZE=ON -DPRAMLET_FUZZ=ON
cmake --build build-asan -j "$(nproc)"
(cd build-asan &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j "$(nproc)")
for target in ini device settings config pipeline; do
    tools/fuzz.sh "$target" "${PRAMLET_FUZZ_SECONDS:-60}"
done
