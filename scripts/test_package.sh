#!/usr/bin/env bash
# Checks what a Linux installation gets: the desktop entry, metadata, icons and manual pages
# validate; an install into a temporary prefix holds exactly the expected files; the Debian
# package builds, passes lintian, depends on every library its programs load, and installs,
# starts and removes cleanly with apt in a throw-away root (an overlay of this machine).
# Argument: the CMake build folder to install from (default build/, already built).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
id=org.ambrel.Ambrel
work=$(mktemp -d /tmp/ambrel_package_XXXXXX)
trap 'rm -rf "$work"' EXIT
step() { echo "package: $*"; }
fail() { echo "package: FAILED: $*" >&2; exit 1; }

step "desktop entry, AppStream metadata, manual pages"
desktop-file-validate "data/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "data/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "appstreamcli validate"; }
appstream-util validate --nonet "data/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "appstream-util validate"; }
for page in man/*.1; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$warnings"; fail "man --warnings $page"; }
done

step "the PNG icons are the current rendering of the SVG"
bash data/icons/render-icons.sh "$work/icons"
for png in "$work"/icons/*/apps/"$id".png; do
  committed=data/icons/hicolor/${png#"$work"/icons/}
  cmp -s "$png" "$committed" || fail "$committed differs from the SVG; run data/icons/render-icons.sh"
done

step "install into a temporary prefix"
DESTDIR="$work/dest" cmake --install "$build" --prefix /usr >/dev/null
expected=(
  /usr/bin/ambrel
  /usr/bin/ambrel-dialog
  /usr/bin/ambrel-gen
  "/usr/share/applications/$id.desktop"
  /usr/share/doc/ambrel/CHANGELOG
  /usr/share/doc/ambrel/LICENSE
)
for size in 128 16 22 24 256 32 48 64; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
expected+=(
  "/usr/share/icons/hicolor/scalable/apps/$id.svg"
  /usr/share/man/man1/ambrel-dialog.1
  /usr/share/man/man1/ambrel-gen.1
  /usr/share/man/man1/ambrel.1
  "/usr/share/metainfo/$id.metainfo.xml"
)
(cd "$work/dest" && find . ! -type d | sed 's|^\.||' | LC_ALL=C sort) >"$work/installed"
printf '%s\n' "${expected[@]}" | LC_ALL=C sort >"$work/expected"
diff -u "$work/expected" "$work/installed" || fail "installed files differ from the expected list"

step "debian/copyright carries the licence of the Scintilla source the programs link"
bash scripts/scintilla-source.sh
# As a paragraph of debian/copyright: each line indented by a space, a blank line as " .".
licence=$(sed 's/^/ /; s/^ *$/ ./' deps/scintilla/License.txt)
[[ $(<debian/copyright) == *"$licence"* ]] || fail "debian/copyright lacks deps/scintilla/License.txt as it now reads"

step "Debian package"
bash scripts/build-deb.sh
package_version=$(dpkg-parsechangelog -S Version)
version=${package_version%-*}
deb=build-deb/ambrel_${package_version}_$(dpkg --print-architecture).deb
lintian --fail-on error,warning --info "$deb" || fail "lintian"

step "the package depends on the owner of every library its programs load"
dpkg-deb -x "$deb" "$work/unpacked"
depends=$(dpkg-deb -f "$deb" Depends)
for program in "$work"/unpacked/usr/bin/*; do
  for library in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    # awk reads to the end: leaving early would kill ldconfig with SIGPIPE under pipefail.
    path=$(ldconfig -p | awk -v l="$library" '$1 == l && /x86-64/ && !found {print $NF; found = 1}')
    [ -n "$path" ] || fail "$(basename "$program") needs $library, which this machine lacks"
    # With the merged /usr, ldconfig may name /lib/... where dpkg knows /usr/lib/... or back.
    owner=$( (dpkg -S "$path" || dpkg -S "/usr$path" || dpkg -S "${path#/usr}") 2>/dev/null | sed -n 1p | cut -d: -f1)
    [[ ", $depends," == *", $owner "* || ", $depends," == *", $owner,"* ]] ||
      fail "$(basename "$program") loads $library from $owner, which Depends lacks: $depends"
  done
done

install_in_throwaway_root() {
  set -euo pipefail
  local root="$work/root"
  mkdir -p "$work/upper" "$work/scratch" "$root"
  mount -t overlay overlay -o "lowerdir=/,upperdir=$work/upper,workdir=$work/scratch" "$root"
  mount --rbind /dev "$root/dev"
  mount -t proc proc "$root/proc"
  cp "$deb" "$root/tmp/ambrel.deb"
  cp scripts/package_smoke.sh "$root/tmp/package_smoke.sh"
  chroot "$root" bash /tmp/package_smoke.sh /tmp/ambrel.deb "$version"
}

if [ "$(id -u)" -ne 0 ] || ! unshare -m true 2>/dev/null; then
  step "SKIPPED installing the package with apt: needs root with mount namespaces for a throw-away root"
  exit 0
fi
step "install, start and remove the package with apt in a throw-away root"
export -f install_in_throwaway_root
export work deb version
unshare -m --propagation private bash -c install_in_throwaway_root || fail "apt install, start or remove"
step "all checks passed"
