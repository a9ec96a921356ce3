#!/usr/bin/env bash
# Builds the .deb from a finished build folder, unpacks it into a scratch root
# and checks what a user's system would receive: the program, its menu entry,
# icons and software-centre data, all valid, and dependencies worked out from
# the linked libraries.
set -euo pipefail

build_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || {
    cat "$scratch/cpack.log"
    exit 1
}
deb=$(find "$scratch/out" -maxdepth 1 -name 'pellucors_*.deb' | head -n 1)
[ -n "$deb" ] || {
    echo "no .deb written"
    exit 1
}
dpkg-deb -x "$deb" "$scratch/root"

fail() {
    echo "FAIL: $*"
    exit 1
}
for file in \
    usr/bin/pellucors \
    usr/share/applications/net.larkmoor.Pellucors.desktop \
    usr/share/metainfo/net.larkmoor.Pellucors.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/pellucors.png \
    usr/share/icons/hicolor/256x256/apps/pellucors.png; do
    [ -s "$scratch/root/$file" ] || fail "missing $file"
done
[ -x "$scratch/root/usr/bin/pellucors" ] || fail "pellucors is not executable"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6printsupport6 libc6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library"
done
[ "$(dpkg-deb -f "$deb" Version)" = "1.0.0" ] || fail "version is not 1.0.0"

desktop-file-validate "$scratch/root/usr/share/applications/net.larkmoor.Pellucors.desktop"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/net.larkmoor.Pellucors.metainfo.xml"
echo "1 passed, 0 failed"
