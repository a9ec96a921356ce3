#!/usr/bin/env bash
# Builds the Windows Installer package of a Windows program folder with
# Debian's wixl, from resources/windows/pellucors.wxs and the package facts of
# a version (the version, vendor, upgrade and product codes) that the configure
# step wrote (cmake/PackageFacts.cmake). The file list is made from the folder
# itself, as the setup program's uninstall list is, so the MSI, the setup
# program and the zip always hold the same files.
# Usage: windows-msi.sh FACTS PROGRAM-FOLDER OUTPUT.msi
# (scripts/windows.sh runs it; the MSI test runs it again with the next version's facts)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
export LC_ALL=C # the same order of files at every build
shopt -s nullglob
usage="usage: windows-msi.sh FACTS PROGRAM-FOLDER OUTPUT.msi"
# shellcheck source=/dev/null # written by the configure step
source "${1:?$usage}"
folder=$(cd "${2:?$usage}" && pwd)
output=${3:?$usage}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=../tests/shell/helpers.sh
source "$source_dir/tests/shell/helpers.sh"
# Windows Installer compares three fields of at most 255.255.65535.
[[ $PELLUCORS_VERSION =~ ^[0-9]{1,3}\.[0-9]{1,3}\.[0-9]{1,5}$ ]] || fail "not a version: $PELLUCORS_VERSION"

# wixl finds every file relative to the WiX sources' folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir/resources/windows/pellucors.wxs" "$work/pellucors.wxs"
ln -s "$folder" "$work/program"
ln -s "$source_dir/resources/pellucors.ico" "$work/pellucors.ico"
# One component a file, each file its own key path, in a folder tree like the
# program folder's. (wixl-heat would give the top files folders named ".", which
# wine's Windows Installer leaves behind, empty, on uninstall.)
count=0 folders=0
components() {
    local relative=$1 path name
    for path in "$folder$relative"/*; do
        name=${path##*/}
        [[ $name =~ ^[A-Za-z0-9._+-]+$ ]] || fail "cannot name $path in the MSI"
        [[ -f $path ]] || continue
        count=$((count + 1))
        echo "<Component Id=\"c$count\" Guid=\"*\" Win64=\"yes\"><File Id=\"f$count\" KeyPath=\"yes\" Source=\"program$relative/$name\"/></Component>"
    done
    for path in "$folder$relative"/*/; do
        [[ -d $path ]] || continue
        name=$(basename "$path")
        folders=$((folders + 1))
        echo "<Directory Id=\"d$folders\" Name=\"$name\">"
        components "$relative/$name"
        echo "</Directory>"
    done
}
{
    echo '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi"><Fragment><DirectoryRef Id="INSTALLDIR">'
    components ""
    echo '</DirectoryRef></Fragment><Fragment><ComponentGroup Id="ProgramFolder">'
    for ((i = 1; i <= count; i++)); do echo "<ComponentRef Id=\"c$i\"/>"; done
    echo '</ComponentGroup></Fragment></Wix>'
} >"$work/files.wxs"
# wixl dates the package's summary with the clock and gives it a random
# package code: here the clock stands at the release's date, and the code is
# made from the package itself, so that one commit makes one MSI and another
# package has another code.
release_clock=(env TZ=UTC faketime "$(date -u -d "@$PELLUCORS_SOURCE_DATE_EPOCH" '+%F %T')")
"${release_clock[@]}" wixl -a x64 -o "$output" -D Version="$PELLUCORS_VERSION" -D Vendor="$PELLUCORS_VENDOR" \
    -D UpgradeCode="$PELLUCORS_UPGRADE_CODE" -D ProductCode="$PELLUCORS_PRODUCT_CODE" \
    -D Icon=pellucors.ico "$work/pellucors.wxs" "$work/files.wxs"
summary() { msiinfo suminfo "$output" | sed -n "s/^$1: //p"; }
package_code() {
    "${release_clock[@]}" msibuild "$output" -s "$(summary Subject)" "$(summary Author)" "$(summary Template)" "{$1}"
}
package_code 00000000-0000-0000-0000-000000000000
hash=$(sha256sum "$output" | tr a-f A-F)
package_code "${hash:0:8}-${hash:8:4}-${hash:12:4}-${hash:16:4}-${hash:20:12}"
