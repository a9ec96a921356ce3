#!/usr/bin/env bash
# The MSI as an office's IT deploys it, in a fresh wine prefix at 150%
# (LogPixels 144): `msiexec /i PACKAGE /qn` installs folder, Start-menu entry
# and one installed-programs entry, and the program starts with its windows
# whole (SCREENSHOT-DIR/windows-150.png); the next version, built here from the
# same sources, replaces it; `msiexec /x /qn` removes it all, given the package
# and given the product code.
# Usage: msi.sh PACKAGE.msi PROGRAM-FOLDER LINUX-BUILD-DIR SCREENSHOT-DIR
# (PROGRAM-FOLDER: what the package holds; the rest as for installer.sh)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

usage="usage: msi.sh PACKAGE.msi PROGRAM-FOLDER LINUX-BUILD-DIR SCREENSHOT-DIR"
msi=${1:?$usage}
program=${2:?$usage}
linux=${3:?$usage}
shots=${4:?$usage}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
grab=$linux/tests/realwindow/pellucors_grab
check=$linux/tests/realwindow/pellucors_workspace_check
[[ -f $msi ]] || { echo "FAIL: no package $msi (scripts/windows.sh writes it)" >&2; exit 1; }
mkdir -p "$shots"
# shellcheck source=../realwindow/xsession.sh
source "$here/../realwindow/xsession.sh"
require_tools wine wineserver Xvfb xdotool xwininfo xprop wixl
WINEPREFIX=$xsession_dir/prefix
bash "$here/wine-session.sh" prefix "$WINEPREFIX" >/dev/null
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
# shellcheck source=installed.sh
source "$here/installed.sh"
wine_desktop

# Windows Installer puts a per-machine package's Start-menu entry in the
# menu of all users; wine's puts it in the installing user's.
menu_entries=("$shortcut" "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs)
msiexec() {
    wine msiexec "$@" /qn /l*v "$(winepath -w "$xsession_dir/msiexec.log")" ||
        fail "msiexec $* ended with status $?: $(tail -n 20 "$xsession_dir/msiexec.log")"
    wineserver -w
}
# installed VERSION, or installed none: the entries among the installed
# programs named Pellucors, the program folder and the Start-menu entry are
# one of VERSION, or none at all. Sets $code, the entry's product code.
installed() {
    local keys menu
    keys=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | awk '/^HKEY/ { key = $0 } /^ +DisplayName +REG_SZ +Pellucors$/ { print key }')
    menu=$(find "${menu_entries[@]}" -name Pellucors.lnk 2>/dev/null || true)
    if [[ $1 == none ]]; then
        [[ -z $keys && -z $menu && ! -e $folder ]] || fail "left behind: $keys $menu $(find "$folder" | head -n 3)"
        return
    fi
    [[ $(wc -l <<<"$keys") -eq 1 && $(registry_value "$keys" DisplayVersion) == "$1" &&
        -n $(registry_value "$keys" Publisher) ]] || fail "not one entry of version $1 with its publisher: $keys"
    [[ -f $folder/pellucors.exe && -f $folder/platforms/qwindows.dll && -n $menu ]] ||
        fail "no program folder or Start-menu entry"
    code=${keys##*\\}
    echo "version $1 installed, entry $code"
}

version=${msi##*/pellucors-}
version=${version%%-*}
msiexec /i "$(winepath -w "$msi")"
installed "$version"
start_installed "$shots/windows-150.png" 1.5
quit_from_file_menu

# A higher version of the same sources: its own product code, the same upgrade code.
newer=${version%.*}.$((${version##*.} + 1))
bash "$here/../../scripts/windows-msi.sh" "$program" "$newer" "$xsession_dir/newer.msi"
msiexec /i "$(winepath -w "$xsession_dir/newer.msi")"
installed "$newer"
msiexec /x "$(winepath -w "$xsession_dir/newer.msi")"
installed none
msiexec /i "$(winepath -w "$xsession_dir/newer.msi")"
installed "$newer"
msiexec /x "$code"
installed none
echo "PASS: silent install, the program up at 150%, major upgrade to $newer, silent removal by package and by product code"
