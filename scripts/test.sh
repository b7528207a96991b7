#!/usr/bin/env bash
# Builds and runs every test: the normal build, then the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs" --timeout 600)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DAMBREL_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j"$jobs" --timeout 900)
bash scripts/fuzz_smoke.sh
bash scripts/test-windows.sh build/bin/ambrel-gen
