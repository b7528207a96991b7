#!/usr/bin/env bash
# Builds the libraries the Windows programs link for MinGW-w64, from Debian's own source
# packages at the versions the Linux build uses: expat with UTF-16 characters (wchar_t),
# 16-bit PCRE2, and GoogleTest from libgtest-dev's sources. Everything is kept under
# DEPS (default build-windows/deps); a library already built at its version is skipped.
# apt-get runs with a private sources list, lists and cache, and leaves the machine's
# apt configuration alone.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
root=$(pwd)
deps=${1:-$root/build-windows/deps}
toolchain=$root/cmake/mingw-w64-x86_64.cmake
prefix=$deps/prefix
mkdir -p "$deps/apt" "$deps/src" "$deps/build" "$prefix"

installed_source_version() {
  dpkg-query -W -f='${source:Version}' "$1"
}

# The deb-src lines of the machine's own Debian mirror and suites.
mirror_sources() {
  local uri suites
  uri=$(grep -hoE '^URIs: *http[^ ]*/debian$' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -1 |
        sed 's/^URIs: *//')
  uri=${uri:-http://deb.debian.org/debian}
  local codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  echo "deb-src [signed-by=$keyring] $uri $codename main"
  echo "deb-src [signed-by=$keyring] $uri $codename-updates main"
  echo "deb-src [signed-by=$keyring] ${uri%/debian}/debian-security $codename-security main"
}

apt_private() {
  local apt=$deps/apt
  apt-get -q -o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/sources.list.d" \
          -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" \
          -o Dir::State::Status="$apt/status" -o Debug::NoLocking=1 "$@"
}

apt_private_cache() {
  local apt=$deps/apt
  apt-cache -o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/sources.list.d" \
            -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o Dir::State::Status="$apt/status" "$@"
}

apt_sources_ready=no
prepare_apt() {
  [ "$apt_sources_ready" = yes ] && return
  local apt=$deps/apt
  mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial"
  touch "$apt/status"
  mirror_sources > "$apt/sources.list"
  apt_private update >/dev/null
  apt_sources_ready=yes
}

# The archive's versions of source package $1 to try for installed version $2, best
# first: that version itself, or, once the archive has replaced it, the revisions of the
# same upstream release, newest first (the archive keeps only current revisions, and a
# mirror may list a version it does not serve).
candidate_versions() {
  local package=$1 wanted=$2
  local available
  available=$(apt_private_cache showsrc "$package" | sed -n 's/^Version: //p' | sort -u)
  if grep -qxF -- "$wanted" <<<"$available"; then echo "$wanted"; fi
  for v in $available; do
    [ "${v%-*}" = "${wanted%-*}" ] && [ "$v" != "$wanted" ] && echo "$v"
  done | sort -r -V
}

# Unpacks source package $1 for installed version $2 into $deps/src and prints the folder.
fetch_source() {
  local package=$1 wanted=$2
  prepare_apt
  local work=$deps/src/.fetch-$package
  for version in $(candidate_versions "$package" "$wanted"); do
    local folder=$deps/src/$package-$version
    if [ -d "$folder" ]; then echo "$folder"; return; fi
    rm -rf "$work" && mkdir -p "$work"
    if (cd "$work" && apt_private source --download-only "$package=$version" >/dev/null 2>&1); then
      (cd "$work" && dpkg-source --no-check -x ./*.dsc unpacked >/dev/null)
      mv "$work/unpacked" "$folder"
      rm -rf "$work"
      [ "$version" = "$wanted" ] ||
        echo "windows-deps: $package $wanted cannot be fetched from the archive; built $version" >&2
      echo "$folder"
      return
    fi
  done
  rm -rf "$work"
  echo "windows-deps: no source of $package ${wanted%-*} could be fetched" >&2
  return 1
}

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

# Runs "build_$1" unless the stamp for version $2 is there.
build_once() {
  local name=$1 version=$2
  local stamp=$prefix/.built-$name-$version
  [ -f "$stamp" ] && return
  echo "windows-deps: building $name $version for MinGW-w64"
  "build_$name" "$version"
  touch "$stamp"
}

build_expat() {
  local source
  source=$(fetch_source expat "$1")
  # wchar_t is 16 bits on Windows: XML_UNICODE with XML_UNICODE_WCHAR_T, as libexpatw.
  cmake_configure expat "$source/expat" -DEXPAT_CHAR_TYPE=wchar_t -DEXPAT_SHARED_LIBS=OFF \
    -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF \
    -DEXPAT_BUILD_FUZZERS=OFF
  # Debian's security patches test "XML_DTD == 1", as its autotools build defines it;
  # the CMake build's header defines it empty.
  sed -i 's/^#define XML_DTD$/#define XML_DTD 1/' "$deps/build/expat/expat_config.h"
  cmake_build_install expat
}

build_pcre2() {
  local source
  source=$(fetch_source pcre2 "$1")
  cmake_configure pcre2 "$source" -DPCRE2_BUILD_PCRE2_8=OFF -DPCRE2_BUILD_PCRE2_16=ON \
    -DPCRE2_BUILD_PCRE2GREP=OFF -DPCRE2_BUILD_TESTS=OFF -DPCRE2_SUPPORT_JIT=ON
  cmake_build_install pcre2
}

build_gtest() {
  cmake_configure gtest /usr/src/googletest -DBUILD_GMOCK=OFF
  cmake_build_install gtest
}

build_once expat "$(installed_source_version libexpat1-dev)"
build_once pcre2 "$(installed_source_version libpcre2-dev)"
build_once gtest "$(installed_source_version libgtest-dev)"
