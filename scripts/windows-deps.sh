#!/usr/bin/env bash
# Builds the libraries the Windows programs link for MinGW-w64, from Debian's own source
# packages: expat with UTF-16 characters (wchar_t) and 16-bit PCRE2, each from a source that
# carries the security fixes of the version the Linux build uses, the Scintilla editor
# component from scite's source as the host's release carries it, and GoogleTest from
# libgtest-dev's sources, and RapidJSON's headers from rapidjson-dev. When no such source can be fetched, the best one is built and the
# fixes it lacks are listed in a WARNING, also kept in DEPS/warnings.txt for the test
# command's summary. Everything is kept under DEPS (default build-windows/deps); a library
# already built for its version is skipped.
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

# Other releases' sources checked by hand to carry the host's fixes up to a version of the
# host's package, for when no revision of the host's upstream release that carries them can
# be fetched: "PACKAGE VERSION SUITE CARRIES_UP_TO".
# pcre2 10.46-1~deb13u2 (trixie's, listed in sid) applies upstream's backports of 10.48's
# security fixes, as the host's 10.42-1+deb12u1 does; it lacks 10.42-1+deb12u2's fix of the
# JIT stack allocation.
checked_carriers=(
  "pcre2 10.46-1~deb13u2 sid 10.42-1+deb12u1"
)

installed_source_version() {
  dpkg-query -W -f='${source:Version}' "$1"
}

# The newest version of source package $1 in the host's own release (its suite, -updates
# and -security), for a library no installed package of the host's carries. Lists fetched
# within the last day serve, so that a build with everything built needs no network.
release_source_version() {
  if [ -z "$(find "$deps/apt/lists" -name '*_source_Sources*' -mtime -1 2>/dev/null)" ]; then
    prepare_apt
  fi
  local codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  apt_private_cache madison "$1" |
    awk -F'|' -v suite="^ *[^ ]+ $codename(-updates|-security)?/" '$3 ~ suite && /Sources/ { gsub(/ /, "", $2); print $2 }' |
    sort -V | tail -n1
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
  local carrier
  for carrier in "${checked_carriers[@]}"; do
    echo "deb-src [signed-by=$keyring] $uri $(cut -d' ' -f3 <<<"$carrier") main"
  done | sort -u
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

version_newer() { dpkg --compare-versions "$1" gt "$2"; }

# The sources of package $1 to try for installed version $2, best first, one per line as
# "VERSION CARRIES_UP_TO": the installed version and later revisions of its upstream
# release (which carry all of its fixes), newest first; then the checked carriers; then
# earlier revisions, which carry only their own. The archive keeps only current revisions,
# and a mirror may list a version it does not serve.
candidate_versions() {
  local package=$1 wanted=$2 available v
  available=$(apt_private_cache showsrc "$package" | sed -n 's/^Version: //p' | sort -u)
  for v in $available; do
    if [ "${v%-*}" = "${wanted%-*}" ] && ! version_newer "$wanted" "$v"; then echo "$v $wanted"; fi
  done | sort -r -V
  local carrier name version suite carries
  for carrier in "${checked_carriers[@]}"; do
    read -r name version suite carries <<<"$carrier"
    if [ "$name" = "$package" ] && grep -qxF -- "$version" <<<"$available"; then echo "$version $carries"; fi
  done
  for v in $available; do
    if [ "${v%-*}" = "${wanted%-*}" ] && version_newer "$wanted" "$v"; then echo "$v $v"; fi
  done | sort -r -V
}

# The entries of the host's changelog of binary package $1 newer than version $2 and not
# newer than $3: the fixes a build of a source that carries only up to $2 lacks. For a
# library the host has no package of, there is no changelog to read: every version between
# is listed as lacking.
host_entries_between() {
  local changelog=/usr/share/doc/$1/changelog.Debian.gz
  [ -f "$changelog" ] || { echo "  (no changelog in /usr/share/doc/$1)"; return; }
  zcat "$changelog" | awk -v after="$2" -v upto="$3" '
    /^[a-z0-9][a-z0-9.+-]* \(/ {
      version = $2; gsub(/[()]/, "", version)
      cmd = "dpkg --compare-versions \"" version "\" gt \"" after "\" && dpkg --compare-versions \"" version "\" le \"" upto "\""
      keep = (system(cmd) == 0)
    }
    # Blank lines only between entries, none at the end.
    keep && /^ *$/ { blanks = blanks "\n"; next }
    keep { printf "%s  %s\n", blanks, $0; blanks = "" }'
}

# Unpacks a source of package $1 for installed version $2 (of binary package $3) into
# $deps/src; sets fetched (the folder), fetched_version and fetched_missing (the host's
# changelog entries whose fixes it lacks, empty when it carries them all).
fetch_source() {
  local package=$1 wanted=$2 binary=$3 version carries
  prepare_apt
  local work=$deps/src/.fetch-$package
  while read -r version carries; do
    local folder=$deps/src/$package-$version
    rm -rf "$work" && mkdir -p "$work"
    if [ -d "$folder" ] || (cd "$work" && apt_private source --download-only "$package=$version" >/dev/null 2>&1); then
      if [ ! -d "$folder" ]; then
        (cd "$work" && dpkg-source --no-check -x ./*.dsc unpacked >/dev/null)
        mv "$work/unpacked" "$folder"
      fi
      rm -rf "$work"
      fetched=$folder fetched_version=$version fetched_missing=""
      if version_newer "$wanted" "$carries"; then
        fetched_missing=$(host_entries_between "$binary" "$carries" "$wanted")
      fi
      return 0
    fi
  done < <(candidate_versions "$package" "$wanted")
  rm -rf "$work"
  echo "windows-deps: no source of $package for $wanted could be fetched" >&2
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

# A source built from, per library, for the host's version of its -dev package; its stamp
# holds the version built and the host's fixes that version lacks.
warnings=$deps/warnings.txt
: >"$warnings"

# Runs "build_$1" for the host's version $2 (of binary package $3) unless its stamp is there,
# then reports what the build lacks of the host's fixes, also into $deps/warnings.txt.
build_once() {
  local name=$1 version=$2 binary=$3
  local stamp=$prefix/.built-$name-$version
  # A stamp of an older form (empty) does not say what was built: build again.
  if [ ! -s "$stamp" ]; then
    echo "windows-deps: building $name for the host's $version for MinGW-w64"
    fetch_source "$name" "$version" "$binary"
    "build_$name" "$fetched"
    { echo "$fetched_version"; echo "$fetched_missing"; } >"$stamp"
  fi
  local built missing
  built=$(head -n1 "$stamp")
  missing=$(tail -n +2 "$stamp")
  if [ -n "$missing" ]; then
    {
      echo "WARNING: the Windows programs' $name is $built, without these fixes of the host's $version"
      echo "(its source could not be fetched from Debian's archive):"
      echo "$missing"
    } | tee -a "$warnings" >&2
  elif [ "$built" != "$version" ]; then
    echo "windows-deps: $name $built built for the host's $version (it carries all of its fixes)"
  fi
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
# No Linux package of scite is installed (the Qt build's component comes as a package of its
# own): the version to carry the fixes of is the newest in the host's release.
build_once scite "$(release_source_version scite)" scite
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
