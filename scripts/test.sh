#!/usr/bin/env bash
# Builds and runs every test: the normal build, then the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-test.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAMBREL_TESTS=ON -DAMBREL_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs" --timeout 600)
bash scripts/test_package.sh build

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DAMBREL_SANITIZE=ON -DAMBREL_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j"$jobs" --timeout 900)
bash scripts/fuzz_smoke.sh 30
bash scripts/test-windows.sh build/bin/ambrel-gen
