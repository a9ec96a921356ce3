#!/usr/bin/env bash
# Builds the Windows Installer package of a Windows program folder with
# Debian's wixl, from resources/windows/pellucors.wxs. The file list is made
# from the folder itself, as the setup program's uninstall list is, so the
# MSI, the setup program and the zip always hold the same files.
# Usage: windows-msi.sh PROGRAM-FOLDER VERSION OUTPUT.msi
# (scripts/windows.sh runs it; the MSI test runs it again with a higher VERSION)
set -euo pipefail
export LC_ALL=C # the same order of files at every build
shopt -s nullglob
usage="usage: windows-msi.sh PROGRAM-FOLDER VERSION OUTPUT.msi"
folder=$(cd "${1:?$usage}" && pwd)
version=${2:?$usage}
output=${3:?$usage}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
wxs=$source_dir/resources/windows/pellucors.wxs
# Windows Installer compares three fields of at most 255.255.65535.
[[ $version =~ ^[0-9]{1,3}\.[0-9]{1,3}\.[0-9]{1,5}$ ]] || { echo "$0: not a version: $version" >&2; exit 2; }
for tool in wixl sha1sum; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is not installed (Debian package wixl)" >&2; exit 1; }
done

# A ProductCode of each version's own, the same at every build of that
# version: a name-based GUID of the upgrade code and the version.
upgrade_code=$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p' "$wxs")
hash=$(printf '%s %s' "$upgrade_code" "$version" | sha1sum)
product_code=$(printf '%s-%s-5%s-%x%s-%s' "${hash:0:8}" "${hash:8:4}" "${hash:13:3}" \
    $(((16#${hash:16:1} & 3) | 8)) "${hash:17:3}" "${hash:20:12}" | tr a-f A-F)

# wixl finds every file relative to the WiX sources' folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$wxs" "$work/pellucors.wxs"
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
        [[ $name =~ ^[A-Za-z0-9._+-]+$ ]] || { echo "$0: cannot name $path in the MSI" >&2; exit 1; }
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
wixl -a x64 -o "$output" \
    -D Version="$version" -D ProductCode="$product_code" \
    -D Vendor="$(sed -n 's/^set(PELLUCORS_VENDOR "\(.*\)")$/\1/p' "$source_dir/CMakeLists.txt")" \
    -D Icon=pellucors.ico "$work/pellucors.wxs" "$work/files.wxs"
