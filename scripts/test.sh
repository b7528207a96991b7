#!/usr/bin/env bash
# Builds and runs every test: the normal build, the package checks, the sanitizer build,
# the fuzz smoke and the Windows build under Wine. Each stage says how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
stage_started=$SECONDS
# Warnings that a summary must repeat: the security fixes of the host's libraries that the
# sources the programs are built from lack (Scintilla's for Linux, scripts/scintilla-source.sh;
# the Windows build's libraries, scripts/windows-deps.sh).
summary_warnings() {
  local warnings
  warnings=$(cat deps/warnings.txt build-windows/deps/warnings.txt 2>/dev/null || true)
  [ -n "$warnings" ] || return 0
  echo
  echo "test: WARNINGS"
  sed 's/^/test: /' <<<"$warnings"
}
trap summary_warnings EXIT
stage_done() {
  echo "test: $1 took $((SECONDS - stage_started)) s ($((SECONDS - started)) s so far)"
  stage_started=$SECONDS
}
bash scripts/setup-test.sh
stage_done "set-up"
bash scripts/check-format.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
# A rerun on the same machine compiles only what changed, wherever the checkout is.
export CCACHE_BASEDIR=$(pwd)
launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# Release, as users build it: no debug information to write, which keeps the build short.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DAMBREL_TESTS=ON -DAMBREL_WERROR=ON \
  "${launcher[@]}" >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs" --timeout 600)
stage_done "normal build and tests"
bash scripts/test_package.sh build
stage_done "package checks"

# Timings under the sanitizers mean nothing: no benchmarks there.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DAMBREL_SANITIZE=ON -DAMBREL_WERROR=ON \
  -DAMBREL_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j"$jobs" --timeout 900)
stage_done "sanitizer build and tests"
bash scripts/fuzz_smoke.sh 15
stage_done "fuzz smoke"
bash scripts/test-windows.sh build/bin/ambrel-gen
stage_done "Windows build and Wine tests"
