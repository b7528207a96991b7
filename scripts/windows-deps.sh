#!/usr/bin/env bash
# Builds the libraries the Windows programs link for MinGW-w64, from Debian's own source
# packages: expat with UTF-16 characters (wchar_t) and 16-bit PCRE2, each from a source that
# carries the security fixes of the version the Linux build uses, the Scintilla editor
# component from scite's source as the Linux build takes it (scripts/scintilla-source.sh),
# GoogleTest from libgtest-dev's sources, and RapidJSON's headers from rapidjson-dev. When no
# such source can be fetched, the best one is built and the fixes it lacks are listed in a
# WARNING, also kept in DEPS/warnings.txt for the test command's summary. Everything is kept
# under DEPS (default build-windows/deps); a library already built for its version is
# skipped. The sources come through scripts/debian-source.sh.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
root=$(pwd)
deps=${1:-$root/build-windows/deps}
toolchain=$root/cmake/mingw-w64-x86_64.cmake
prefix=$deps/prefix
mkdir -p "$deps/apt" "$deps/src" "$deps/build" "$prefix"

programs="Windows programs"
source scripts/debian-source.sh

# Configures the CMake project in $2 into build folder $1 with further options.
cmake_configure() {
  local build=$deps/build/$1 source=$2
  shift 2
  rm -rf "$build"
  cmake -S "$source" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
}

cmake_build_install() {
  local build=$deps/build/$1
  nice cmake --build "$build" -j"$(nproc)" >/dev/null
  cmake --install "$build" >/dev/null
  rm -rf "$build"
}

# Builds library $1 for the host's version $2 (of binary package $3) from a source that
# carries its fixes, unless built for that version already; its stamp holds the version built
# and the host's fixes that version lacks.
build_once() {
  local name=$1 version=$2 binary=$3
  source_once "$name" "$version" "$binary" "$prefix/.built-$name-$version" \
    "building $name for the host's $version for MinGW-w64" "build_$name"
}

build_expat() {
  local source=$1
  # wchar_t is 16 bits on Windows: XML_UNICODE with XML_UNICODE_WCHAR_T, as libexpatw.
  cmake_configure expat "$source/expat" -DEXPAT_CHAR_TYPE=wchar_t -DEXPAT_SHARED_LIBS=OFF \
    -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF \
    -DEXPAT_BUILD_FUZZERS=OFF
  # Debian's security patches test "XML_DTD == 1", as its autotools build defines it;
  # the CMake build's header defines it empty.
  sed -i 's/^#define XML_DTD$/#define XML_DTD 1/' "$deps/build/expat/expat_config.h"
  cmake_build_install expat
  # The programs link it statically: its licence goes into theirs (scripts/windows-package.sh).
  mkdir -p "$prefix/share/expat"
  cp "$source/expat/COPYING" "$prefix/share/expat/COPYING"
}

# Without the JIT: only the tests' reference uses it, never to machine code, and code left out
# cannot carry a fault its source lacks the fix of.
build_pcre2() {
  cmake_configure pcre2 "$1" -DPCRE2_BUILD_PCRE2_8=OFF -DPCRE2_BUILD_PCRE2_16=ON \
    -DPCRE2_BUILD_PCRE2GREP=OFF -DPCRE2_BUILD_TESTS=OFF -DPCRE2_SUPPORT_JIT=OFF
  cmake_build_install pcre2
}

# Scintilla alone (not Lexilla, not SciTE), with its Win32 platform layer, as a static
# library by its own MinGW makefile; its headers under include/scintilla, its licence for the
# installer under share/scintilla, and a pkg-config file with the system libraries it needs.
build_scite() {
  local source=$1/scintilla build=$deps/build/scintilla
  rm -rf "$build" && cp -a "$source" "$build"
  nice make -C "$build/win32" -j"$(nproc)" CXX=x86_64-w64-mingw32-g++-posix \
    AR=x86_64-w64-mingw32-ar RANLIB=x86_64-w64-mingw32-ranlib ../bin/libscintilla.a >/dev/null 2>&1
  mkdir -p "$prefix/lib/pkgconfig" "$prefix/include/scintilla" "$prefix/share/scintilla"
  cp "$build/bin/libscintilla.a" "$prefix/lib/"
  cp "$build"/include/*.h "$prefix/include/scintilla/"
  cp "$build/License.txt" "$prefix/share/scintilla/License.txt"
  cat >"$prefix/lib/pkgconfig/scintilla.pc" <<PC
prefix=$prefix
Name: scintilla
Description: Scintilla editing component, Win32 platform layer, static
Version: $(cat "$build/version.txt")
Cflags: -I\${prefix}/include/scintilla
Libs: -L\${prefix}/lib -lscintilla -limm32 -lole32 -luuid -loleaut32 -lmsimg32 -lgdi32 -luser32
PC
  rm -rf "$build"
}

build_gtest() {
  cmake_configure gtest /usr/src/googletest -DBUILD_GMOCK=OFF
  cmake_build_install gtest
}

build_once expat "$(installed_source_version libexpat1-dev)" libexpat1-dev
build_once pcre2 "$(installed_source_version libpcre2-dev)" libpcre2-dev
scite_version=$(scintilla_source_version)
build_once scite "$scite_version" scite
# RapidJSON is header-only: the host's rapidjson-dev headers are the ones the Linux build
# compiles, and they compile for MinGW-w64 as they are.
rapidjson_version=$(dpkg-query -W -f='${Version}' rapidjson-dev)
if [ ! -f "$prefix/.installed-rapidjson-$rapidjson_version" ]; then
  echo "windows-deps: taking rapidjson-dev $rapidjson_version's headers"
  rm -rf "$prefix/include/rapidjson"
  mkdir -p "$prefix/include"
  cp -r /usr/include/rapidjson "$prefix/include/"
  touch "$prefix/.installed-rapidjson-$rapidjson_version"
fi
# GoogleTest comes from the host's own libgtest-dev sources.
gtest_version=$(installed_source_version libgtest-dev)
if [ ! -f "$prefix/.built-gtest-$gtest_version" ]; then
  echo "windows-deps: building gtest $gtest_version for MinGW-w64"
  build_gtest
  touch "$prefix/.built-gtest-$gtest_version"
fi
