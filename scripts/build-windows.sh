#!/usr/bin/env bash
# Builds the Windows programs with MinGW-w64 into build-windows/: the libraries from
# Debian's sources (scripts/windows-deps.sh), then ambrel-gen.exe, ambrel-dialog.exe and
# the layer tests in build-windows/build/bin, then the zip and the installer
# (scripts/windows-package.sh). Everything already built is kept.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=$root/build-windows

bash scripts/windows-setup.sh
bash scripts/windows-deps.sh "$out/deps"

export CCACHE_DIR=${CCACHE_DIR:-/work/.ccache} CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The tests run under Wine in the private prefix scripts/test-windows.sh prepares, through
# scripts/wine-program.sh, which repeats a run that Wine's loader aborted at exit. Wine's
# error messages stay on ("-all,err+all"): a program that dies as Wine starts it leaves the
# reason on standard error, which is shown only when a test fails.
emulator="bash;$root/scripts/wine-program.sh;env;WINEPREFIX=$out/wine;WINEDEBUG=-all,err+all;WINEDLLOVERRIDES=mscoree,mshtml=;wine"
cmake -S . -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DAMBREL_WINDOWS_DEPS="$out/deps/prefix" \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" "${launcher[@]}" >/dev/null
nice cmake --build "$out/build" -j"$(nproc)"

bash scripts/windows-package.sh "$out"
