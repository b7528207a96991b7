#!/usr/bin/env bash
# Builds the Debian package from this tree with debhelper and leaves
# build-deb/ambrel_<version>_amd64.deb (plus its debug symbols and .changes beside it).
# The tree is copied first (tracked and new, not ignored files, and Scintilla's source from
# deps/scintilla), because dpkg-buildpackage writes its results into the parent folder of the
# tree it builds.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-deb
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
tree="$out/ambrel-$upstream"

rm -rf "$tree" "$out"/ambrel_"$version"_* "$out"/ambrel-dbgsym_"$version"_*
mkdir -p "$tree"
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$tree"
# Scintilla's source is not the project's (deps/ is ignored): the tree takes the unpacked
# copy, with its stamp of the source version (debian/rules).
bash scripts/scintilla-source.sh
mkdir -p "$tree/deps"
cp -a deps/scintilla "$tree/deps/"

# Repeated package builds compile the same sources with the same flags: let ccache keep them.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$PWD/$tree"
fi
(cd "$tree" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
  dpkg-buildpackage -b -uc -us >../build.log 2>&1) || {
  tail -n 40 "$out/build.log"
  echo "build-deb: dpkg-buildpackage failed, see $out/build.log" >&2
  exit 1
}
rm -rf "$tree"
echo "build-deb: $out/ambrel_${version}_$(dpkg --print-architecture).deb"
