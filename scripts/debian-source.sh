#!/usr/bin/env bash
# Unpacks Debian's own source of the machine's PACKAGE (an installed -dev
# package), once, into a cache folder named for its version, and prints the
# source folder. The Windows build compiles it where there is no Debian
# package to link.
# Usage: debian-source.sh PACKAGE   (as root; PELLUCORS_CACHE chooses the cache's parent)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
package=${1:?usage: debian-source.sh PACKAGE}

cache_root="${PELLUCORS_CACHE:-/var/cache/pellucors}"
read -r source version < <(dpkg-query -W -f='${source:Package} ${source:Version}\n' "$package")
folder="$cache_root/$source-$version"
if [ ! -d "$folder/src" ]; then
    rm -rf "$folder"
    mkdir -p "$folder/download"
    bash "$here/scripts/deb-src.sh"
    (cd "$folder/download" && apt-get source --download-only "$source=$version" >&2)
    dpkg-source -x "$folder"/download/*.dsc "$folder/src-new" >&2
    mv "$folder/src-new" "$folder/src"
    rm -rf "$folder/download"
fi
echo "$folder/src"
