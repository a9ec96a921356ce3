#!/usr/bin/env bash
# The MSI as an office's IT deploys it, in a fresh wine prefix at 150%
# (LogPixels 144): `msiexec /i PACKAGE /qn` installs folder, Start-menu entry
# and one installed-programs entry, and the program starts with its windows
# whole (SCREENSHOT-DIR/windows-150.png); the next version, built here from the
# same sources, replaces it; `msiexec /x /qn` removes it all, given the package
# and given the product code.
# Usage: msi.sh FACTS NEXT-FACTS LINUX-BUILD-DIR SCREENSHOT-DIR
# (FACTS: the build folder's package facts, beside the package and the program
# folder it holds; NEXT-FACTS: the next version's; the rest as for installer.sh)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

usage="usage: msi.sh FACTS NEXT-FACTS LINUX-BUILD-DIR SCREENSHOT-DIR"
facts=${1:?$usage}
next_facts=${2:?$usage}
linux=${3:?$usage}
shots=${4:?$usage}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
grab=$linux/tests/realwindow/pellucors_grab
check=$linux/tests/realwindow/pellucors_workspace_check
# shellcheck source=../realwindow/xsession.sh
source "$here/../realwindow/xsession.sh"
# shellcheck source=/dev/null # the package facts, written by the configure step
source "$facts"
msi=$(dirname "$facts")/$PELLUCORS_PACKAGE.msi
program=$(dirname "$facts")/$PELLUCORS_PACKAGE
[[ -f $msi ]] || fail "no package $msi (scripts/windows.sh writes it)"
require_tools wine wineserver Xvfb xdotool xwininfo xprop wixl
mkdir -p "$shots"
WINEPREFIX=$xsession_dir/prefix
# The prefix's wine session ends before the scratch folder goes: wineserver
# writes the registry back into the prefix on its way out.
trap 'wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; xsession_cleanup' EXIT
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
# one of VERSION, under the facts' product code, or none at all. Sets $code,
# the entry's product code.
installed() {
    local keys menu
    keys=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | awk '/^HKEY/ { key = $0 } /^ +DisplayName +REG_SZ +Pellucors$/ { print key }')
    menu=$(find "${menu_entries[@]}" -name Pellucors.lnk 2>/dev/null || true)
    if [[ $1 == none ]]; then
        [[ -z $keys && -z $menu && ! -e $folder ]] || fail "left behind: $keys $menu $(find "$folder" | head -n 3)"
        return
    fi
    code=${keys##*\\}
    [[ $(wc -l <<<"$keys") -eq 1 && $(registry_value "$keys" DisplayVersion) == "$1" ]] ||
        fail "not one entry of version $1: $keys"
    [[ -n $(registry_value "$keys" Publisher) ]] || fail "no publisher in the entry $code"
    [[ $code == "{$PELLUCORS_PRODUCT_CODE}" ]] || fail "entry $code, not the product code {$PELLUCORS_PRODUCT_CODE}"
    [[ -f $folder/pellucors.exe && -f $folder/platforms/qwindows.dll && -n $menu ]] ||
        fail "no program folder or Start-menu entry"
    echo "version $1 installed, entry $code"
}

msiexec /i "$(winepath -w "$msi")"
installed "$PELLUCORS_VERSION"
start_installed "$shots/windows-150.png" 1.5
quit_from_file_menu

# A higher version of the same sources, and from here on its facts: its own
# product code, the same upgrade code.
bash "$here/../../scripts/windows-msi.sh" "$next_facts" "$program" "$xsession_dir/newer.msi"
# shellcheck source=/dev/null # written by the configure step
source "$next_facts"
msiexec /i "$(winepath -w "$xsession_dir/newer.msi")"
installed "$PELLUCORS_VERSION"
msiexec /x "$(winepath -w "$xsession_dir/newer.msi")"
installed none
msiexec /i "$(winepath -w "$xsession_dir/newer.msi")"
installed "$PELLUCORS_VERSION"
msiexec /x "$code"
installed none
echo "PASS: silent install, the program up at 150%, major upgrade to $PELLUCORS_VERSION, silent removal by package and by product code"
