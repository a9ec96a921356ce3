#!/usr/bin/env bash
# The packages rebuild bit for bit: the commit of SOURCE-DIR, cloned into a
# second folder and built there again, later, under umask 002 and the
# de_DE.UTF-8 locale, packs the same .deb, setup program, MSI and zip as the
# build in SOURCE-DIR did, and the SHA256SUMS of each build hold its packages'
# sums. Only the program and its packages are built again; Qt for Windows is
# the first build's (PELLUCORS_WINDOWS_QT or the cache).
# Usage: reproducible.sh SOURCE-DIR (with build-release and build-windows
# packed from its commit, as scripts/test.sh does; skipped, status 77, where
# the folder holds changes that are not committed)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
first=$(cd "${1:?usage: reproducible.sh SOURCE-DIR}" && pwd)
# shellcheck source=../shell/helpers.sh
source "$(dirname "$0")/../shell/helpers.sh"
require_tools git localedef
sums=("$first"/build-{release,windows}/SHA256SUMS)
[[ $(cat "${sums[@]}" | wc -l) -eq 4 ]] ||
    fail "not the four packages' sums in ${sums[*]} (cmake --workflow --preset deb and scripts/windows.sh write them)"
if [[ -n $(git -C "$first" status --porcelain) ]]; then
    echo "skipped: $first holds changes that are not committed"
    exit 77
fi

# Kept where the test fails, for a look at what differs.
work=$(mktemp -d /tmp/pellucors-rebuild.XXXXXX)
second=$work/second/pellucors
git clone -q "$first" "$second"
mkdir "$work/locale"
localedef -i de_DE -f UTF-8 "$work/locale/de_DE.UTF-8"
german=(env LOCPATH="$work/locale" LC_ALL=de_DE.UTF-8)
[[ $("${german[@]}" locale decimal_point) == , ]] || fail "no de_DE.UTF-8 locale"
(cd "$second" && umask 002 && "${german[@]}" bash -c 'cmake --workflow --preset deb && bash scripts/windows.sh') \
    >"$work/build.log" 2>&1 || fail "the second build: $(tail -n 40 "$work/build.log")"

status=0
for sum in "${sums[@]}"; do
    folder=${sum#"$first"/}
    for tree in "$first" "$second"; do
        (cd "$tree/${folder%/SHA256SUMS}" && sha256sum --quiet -c "$sum") || status=1
    done
done
((status == 0)) || fail "the packages that FAILED above are not those of the first build (the second is in $second; diffoscope shows how they differ)"
rm -rf "$work"
echo "PASS: the .deb, the setup program, the MSI and the zip rebuilt bit for bit in a second folder"
