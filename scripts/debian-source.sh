# Sourced by the scripts that build a library from Debian's own source packages
# (windows-deps.sh, scintilla-source.sh): the host's versions, a private apt that fetches
# sources, the choice of a source that carries the host's security fixes, and the record of
# the fixes a source taken lacks. The sourcing script sets deps, the folder that keeps the
# private apt state (deps/apt), the unpacked sources (deps/src) and the warnings
# (deps/warnings.txt); apt-get leaves the machine's apt configuration alone.

source_log=$(basename "$0" .sh)

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
# within the last day serve, so that a build with everything built needs no network; older
# ones serve when they cannot be fetched anew. The time of the last fetch is kept beside
# the lists, which bear the archive's dates (weeks old, for a release's own suite).
release_source_version() {
  local fetched_at=$deps/apt/lists.fetched
  if [ -z "$(find "$fetched_at" -mtime -1 2>/dev/null)" ] && ! prepare_apt; then
    [ -f "$fetched_at" ] || return 1
    echo "$source_log: the source lists could not be fetched anew; taking those of $(date -r "$fetched_at" +%F)" >&2
  fi
  local codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  apt_private_cache madison "$1" |
    awk -F'|' -v suite="^ *[^ ]+ $codename(-updates|-security)?/" '$3 ~ suite && /Sources/ { gsub(/ /, "", $2); print $2 }' |
    sort -V | tail -n1
}

# The source of Scintilla both builds compile (the Win32 and the Qt platform layer): scite's,
# of which the host installs no package (Debian builds no Scintilla 5 library), so the version
# to carry the fixes of is the newest in the host's release.
scintilla_source_version() {
  local version
  version=$(release_source_version scite) || true
  [ -n "$version" ] || { echo "$source_log: no list of the host's release names a scite source" >&2; return 1; }
  echo "$version"
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

# Fails when the lists cannot be fetched (its callers may run it as a condition, where a
# failing command does not end the script).
apt_sources_ready=no
prepare_apt() {
  [ "$apt_sources_ready" = yes ] && return
  local apt=$deps/apt
  mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial" || return 1
  touch "$apt/status" || return 1
  mirror_sources > "$apt/sources.list" || return 1
  apt_private update >/dev/null || return 1
  touch "$apt/lists.fetched"
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
  mkdir -p "$deps/src"
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
  echo "$source_log: no source of $package for $wanted could be fetched" >&2
  return 1
}

# The warnings of this run: the fixes of the host's versions that the sources taken lack.
source_warnings=$deps/warnings.txt
mkdir -p "$deps"
: >"$source_warnings"

# Unless stamp $4 is there: says $5, fetches a source of package $1 for the host's version
# $2 (of binary package $3), runs the rest of the arguments with the source's folder added,
# and writes the stamp: the version taken, then the host's fixes it lacks. Then reports what
# the source lacks, also into $deps/warnings.txt; the programs built from it are named by
# $programs (set by the sourcing script).
source_once() {
  local name=$1 version=$2 binary=$3 stamp=$4 announcement=$5
  shift 5
  # A stamp of an older form (empty) does not say what was taken: take it again.
  if [ ! -s "$stamp" ]; then
    echo "$source_log: $announcement"
    fetch_source "$name" "$version" "$binary"
    "$@" "$fetched"
    { echo "$fetched_version"; echo "$fetched_missing"; } >"$stamp"
  fi
  local taken missing
  taken=$(head -n1 "$stamp")
  missing=$(tail -n +2 "$stamp")
  if [ -n "$missing" ]; then
    {
      echo "WARNING: the $programs' $name is $taken, without these fixes of the host's $version"
      echo "(its source could not be fetched from Debian's archive):"
      echo "$missing"
    } | tee -a "$source_warnings" >&2
  elif [ "$taken" != "$version" ]; then
    echo "$source_log: $name $taken taken for the host's $version (it carries all of its fixes)"
  fi
}
