#!/usr/bin/env bash
# Builds the .deb from a finished build folder, unpacks it into a scratch root
# and checks what a user's system would receive: the program, its menu entry,
# icons, software-centre data, copyright, changelog and manual page, all
# valid, the program hardened, dependencies worked out from the linked
# libraries, and nothing that Debian's package checker objects to.
# Usage: package_test.sh BUILD-DIR
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

build_dir=${1:?usage: package_test.sh BUILD-DIR}
# shellcheck source=../shell/helpers.sh
source "$(dirname "$0")/../shell/helpers.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$scratch/cpack.log")"
deb=$(find "$scratch/out" -maxdepth 1 -name 'pellucors_*.deb' | head -n 1)
[ -n "$deb" ] || fail "no .deb written"
dpkg-deb -x "$deb" "$scratch/root"

for file in \
    usr/bin/pellucors \
    usr/share/applications/net.larkmoor.Pellucors.desktop \
    usr/share/metainfo/net.larkmoor.Pellucors.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/pellucors.png \
    usr/share/icons/hicolor/256x256/apps/pellucors.png \
    usr/share/doc/pellucors/copyright \
    usr/share/doc/pellucors/changelog.gz \
    usr/share/man/man1/pellucors.1.gz; do
    [ -s "$scratch/root/$file" ] || fail "missing $file"
done
[ -x "$scratch/root/usr/bin/pellucors" ] || fail "pellucors is not executable"

# Hardened as Debian's own programs are: what the loader and libc see of it.
program=$(readelf -dlW "$scratch/root/usr/bin/pellucors" && nm -D "$scratch/root/usr/bin/pellucors")
while IFS='|' read -r hardening pattern; do
    grep -Eq "$pattern" <<<"$program" || fail "the packaged program has no $hardening"
done <<'EOF'
RELRO|GNU_RELRO
BIND_NOW|\(FLAGS\) +BIND_NOW
stack protector|U __stack_chk_fail@
fortified calls|U __[a-z]+_chk@
EOF

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The libraries it links, and the faces its windows are laid out in.
for package in libqt6widgets6 libqt6printsupport6 libc6 fonts-liberation fonts-dejavu-core; do
    grep -qw "$package" <<<"$depends" || fail "Depends lacks $package"
done
[ "$(dpkg-deb -f "$deb" Version)" = "1.0.0" ] || fail "version is not 1.0.0"
# Native on Wayland where the user's system follows recommendations.
grep -qw qt6-wayland <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends lacks qt6-wayland"

desktop-file-validate "$scratch/root/usr/share/applications/net.larkmoor.Pellucors.desktop"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/net.larkmoor.Pellucors.metainfo.xml"

# The licence the package states is the one the software centre shows.
docs=$scratch/root/usr/share/doc/pellucors
stated=$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' \
    "$scratch/root/usr/share/metainfo/net.larkmoor.Pellucors.metainfo.xml")
copyrighted=$(awk '/^Files: \*$/ { files = 1 } files && /^License:/ { print $2; exit }' "$docs/copyright")
[[ -n $stated && $stated == "$copyrighted" ]] ||
    fail "the copyright file says \"$copyrighted\", the AppStream data \"$stated\""
# The changelog's newest entry is the packaged version.
logged=$(zcat "$docs/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$logged" = "1.0.0" ] || fail "changelog's newest entry is $logged"

# Debian's package checker at its default level: no error, no warning. (As
# root it says on stderr that it would rather not run as root.)
lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>"$scratch/lintian.err" ||
    fail "lintian: $(cat "$scratch/lintian.log" "$scratch/lintian.err")"
[ ! -s "$scratch/lintian.log" ] || fail "lintian has something to say: $(cat "$scratch/lintian.log")"
echo "1 passed, 0 failed"
