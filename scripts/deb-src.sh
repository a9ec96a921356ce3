#!/usr/bin/env bash
# Gives apt the Debian source entries matching the machine's own package entries,
# so that `apt-get source` finds the source of an installed package. Does
# nothing when they are there already.
set -euo pipefail
list=/etc/apt/sources.list.d/pellucors-deb-src.sources
if [ -f "$list" ] || [ -f "${list%.sources}.list" ]; then exit 0; fi
if apt-get indextargets --format "\$(CREATED_BY)" 2>/dev/null | grep -qx Sources; then
    exit 0
fi

found=0
# The deb822 files: each Debian stanza again, as deb-src.
for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    stanzas="$(awk -v RS= -v ORS='\n\n' '/(^|\n)Types:[^\n]*deb/ && /debian/ && !/Enabled: *no/ {
        sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$file")"
    if [ -n "$stanzas" ]; then
        printf '%s\n' "$stanzas" >>"$list.new"
        found=1
    fi
done
# The one-line format.
if grep -qs '^deb .*debian' /etc/apt/sources.list; then
    sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list >"${list%.sources}.list"
    found=1
fi
if [ "$found" = 0 ]; then
    echo "deb-src.sh: found no Debian package entries to copy" >&2
    exit 1
fi
if [ -f "$list.new" ]; then mv "$list.new" "$list"; fi
apt-get update -qq
