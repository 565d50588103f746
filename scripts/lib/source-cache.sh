# shellcheck shell=bash
# Libraries built from Debian's source packages into a cache outside the repository, one
# folder a component: <cache>/<component>-<version>-r<recipe>/, reused while complete. The
# script that sources this sets `cache` and `jobs`, defines version_of PACKAGE and one
# builder a component (SOURCE BUILD PREFIX), and may set `only` (cache names to build).

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# shellcheck source=scripts/lib/packages.sh
. "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

# The host's own package: with arm64 beside it (scripts/arm64), dpkg names both. A package
# for all architectures (emscripten) has no architecture in its name.
installed_version() {
  { dpkg-query -W -f='${Version}\n' "$1:$(dpkg --print-architecture)" 2>/dev/null ||
    dpkg-query -W -f='${Version}\n' "$1" 2>/dev/null; } | head -n1
}

# Debian versions carry ':' and '+'; folder names keep '+' but not ':'.
prefix_of() {
  local name=$1 version=$2 recipe=$3
  echo "$cache/$name-${version//:/_}-r$recipe"
}

# apt-get source needs a deb-src line for the archive the binaries come from.
enable_sources() {
  if apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Version:'; then
    return
  fi
  local list=/etc/apt/sources.list.d/strs-workbench-sources.sources
  echo "Adding Debian source entries ($list)"
  $sudo tee "$list" >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  $sudo apt-get update -qq
}

# Unpacks a Debian source package (with Debian's patches) into $work/src; prints its folder.
fetch_source() {
  local package=$1 version=$2 work=$3
  mkdir -p "$work/src"
  (cd "$work/src" && apt-get source -qq "$package=$version" >/dev/null) || return 1
  find "$work/src" -mindepth 1 -maxdepth 1 -type d | head -n1
}

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

# component: Debian source package, cache name, recipe, builder.
# Returns non-zero when the source cannot be fetched; a failed build stops the script.
component() {
  local package=$1 name=$2 recipe=$3 builder=$4
  local version prefix work started
  if [ -n "${only:-}" ] && [[ " $only " != *" $name "* ]]; then
    return
  fi
  version="$(version_of "$package")"
  [ -n "$version" ] || { echo "No version of $package found" >&2; exit 1; }
  prefix="$(prefix_of "$name" "$version" "$recipe")"
  if [ -f "$prefix/.complete" ]; then
    echo "$name $version: cached in $prefix"
    return
  fi
  started=$(date +%s)
  echo "$name $version: building into $prefix"
  work="$cache/work/$name"
  rm -rf "$work" "$prefix"
  mkdir -p "$work/build"
  local src=/usr/src/googletest
  if [ "$package" != googletest ]; then
    src="$(fetch_source "$package" "$version" "$work")" || { rm -rf "$work"; return 1; }
  fi
  "$builder" "$src" "$work/build" "$prefix"
  echo "$version" > "$prefix/.complete"
  rm -rf "$work"
  echo "$name $version: built in $(( $(date +%s) - started )) s"
}

