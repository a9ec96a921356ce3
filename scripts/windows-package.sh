#!/usr/bin/env bash
# Packs a finished Windows build, in OUTPUT-DIR, three ways:
#   NAME-setup.exe  the installer (per machine, under Program Files; /S installs silently)
#   NAME.msi        the same, as a Windows Installer package for central deployment
#   NAME.zip        the same program, runnable from any folder
# and SHA256SUMS of the three, from one program folder (OUTPUT-DIR/NAME, as
# `cmake --install` writes it, stripped as a release is). Every date in them,
# the PE files' time stamps too, is the release's, so that one commit packs the
# same bytes. With PELLUCORS_SIGN_PFX and PELLUCORS_SIGN_PASSWORD set, every
# .exe and .dll of the folder, the uninstaller, the setup program and the MSI
# are signed (windows-sign.sh); without them it says that they are not.
# Usage: windows-package.sh BUILD-DIR OUTPUT-DIR
# (windows.sh packs build-windows into itself; the signing test elsewhere)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
usage="usage: windows-package.sh BUILD-DIR OUTPUT-DIR"
build=$(cd "${1:?$usage}" && pwd)
mkdir -p "${2:?$usage}"
out=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../tests/shell/helpers.sh
source "$here/../tests/shell/helpers.sh"
# shellcheck source=/dev/null # the package facts, written by the configure step
source "$build/package-facts.sh"
name=$PELLUCORS_PACKAGE
# strip writes a PE time stamp, makensis and the zip the files' times.
export SOURCE_DATE_EPOCH=$PELLUCORS_SOURCE_DATE_EPOCH

signing=false
if [[ -n ${PELLUCORS_SIGN_PFX:-}${PELLUCORS_SIGN_PASSWORD:-} ]]; then
    signing=true
else
    echo "The packages are unsigned: PELLUCORS_SIGN_PFX and PELLUCORS_SIGN_PASSWORD sign them."
fi
sign() { ! $signing || bash "$here/windows-sign.sh" "$@"; }

stage=$out/$name
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null
mapfile -t programs < <(find "$stage" -name '*.dll' -o -name '*.exe')
x86_64-w64-mingw32-strip --strip-unneeded "${programs[@]}"
sign "${programs[@]}"
find "$stage" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +

# The zip: the program folder itself, in one order (its entries' DOS times
# are local times).
rm -f "$out/$name.zip"
(cd "$out" && find "$name" -type f | LC_ALL=C sort >files.txt &&
    TZ=UTC cmake -E tar cf "$name.zip" --format=zip --files-from=files.txt)

# The installer: the uninstaller removes exactly the files put there.
uninstall_list=$out/uninstall-files.nsh
# shellcheck disable=SC2016 # $INSTDIR is NSIS's own variable, written as it stands
{
    (cd "$stage" && find . -type f | LC_ALL=C sort) | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
    (cd "$stage" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
} >"$uninstall_list"
nsis_sign=()
! $signing || nsis_sign=(-DSIGN_SCRIPT="$here/windows-sign.sh")
makensis -V2 -NOCD "${nsis_sign[@]}" -DVERSION="$PELLUCORS_VERSION" -DVENDOR="$PELLUCORS_VENDOR" \
    -DUPGRADE_CODE="$PELLUCORS_UPGRADE_CODE" -DPROGRAM_DIR="$stage" \
    -DICON="$here/../resources/pellucors.ico" -DUNINSTALL_LIST="$uninstall_list" \
    -DOUTFILE="$out/$name-setup.exe" "$here/../resources/windows/pellucors.nsi"
bash "$here/windows-msi.sh" "$build/package-facts.sh" "$stage" "$out/$name.msi"
sign "$out/$name.msi"

packages=("$name-setup.exe" "$name.msi" "$name.zip")
(cd "$out" && sha256sum "${packages[@]}" >SHA256SUMS)
for package in "${packages[@]}"; do
    echo "wrote $out/$package ($(du -k "$out/$package" | cut -f1) KiB)"
done
