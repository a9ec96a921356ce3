#!/usr/bin/env bash
# The MSI under wine's Windows Installer, as an office's IT deploys it, in a
# fresh prefix on a private X display: `msiexec /i PACKAGE /qn` installs the
# program folder, the Start-menu entry and one entry among the installed
# programs, and the installed program starts with its windows whole; an MSI of
# a higher version, built here from the same sources, replaces it and leaves
# one entry of that version; `msiexec /x` with /qn removes all of it, given
# the package, and given the product code from the entry.
# Usage: msi.sh PACKAGE.msi PROGRAM-FOLDER LINUX-BUILD-DIR SCREENSHOT-DIR
# (PROGRAM-FOLDER: the folder the package was built from; LINUX-BUILD-DIR and
# the wine variables as for installer.sh)
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
xsession_at_exit "WINEPREFIX=$(printf %q "$WINEPREFIX") wineserver -k"
bash "$here/wine-session.sh" prefix "$WINEPREFIX" >/dev/null
# shellcheck source=installed.sh
source "$here/installed.sh"
wine_desktop

# Windows Installer puts a per-machine package's Start-menu entry in the
# menu of all users; wine's puts it in the installing user's.
start_menu_entry() {
    find "$shortcut" "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Pellucors.lnk \
        2>/dev/null | head -n 1
}
# The keys of the entries named Pellucors among the installed programs.
entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' |
        awk '/^HKEY/ { key = $0 } /^ +DisplayName +REG_SZ +Pellucors$/ { print key }'
}
msiexec() {
    wine msiexec "$@" /qn /l*v "$(winepath -w "$xsession_dir/msiexec.log")" ||
        fail "msiexec $* ended with status $?: $(tail -n 20 "$xsession_dir/msiexec.log")"
    wineserver -w
}
# installed VERSION: one entry, of VERSION, with publisher and icon, and the
# program folder and Start-menu entry. Sets $code, the entry's product code.
installed() {
    local key
    [[ $(entries | wc -l) -eq 1 ]] || fail "not one entry among the installed programs: $(entries)"
    key=$(entries)
    code=${key##*\\}
    [[ $(registry_value "$key" DisplayVersion) == "$1" && -n $(registry_value "$key" Publisher) ]] ||
        fail "the entry $key shows no version $1 and publisher"
    [[ -f $WINEPREFIX/drive_c/windows/Installer/$code/pellucors.ico ]] || fail "the entry $key has no icon"
    for file in pellucors.exe platforms/qwindows.dll styles/qwindowsvistastyle.dll; do
        [[ -f $folder/$file ]] || fail "the package did not install $file"
    done
    [[ -n $(start_menu_entry) ]] || fail "the package made no Start-menu entry"
    echo "version $1 installed, entry $code"
}
removed() {
    [[ ! -e $folder ]] || fail "msiexec /x $1 left $(find "$folder" | head -n 5)"
    [[ -z $(start_menu_entry) ]] || fail "msiexec /x $1 left the Start-menu entry"
    [[ -z $(entries) ]] || fail "msiexec /x $1 left the installed-programs entry"
    echo "removed with msiexec /x $1"
}

version=${msi##*/pellucors-}
version=${version%%-*}
msiexec /i "$(winepath -w "$msi")"
installed "$version"
start_installed "$shots/windows-msi.png"
quit_from_file_menu

# A higher version of the same sources: its own product code, the same upgrade code.
newer=${version%.*}.$((${version##*.} + 1))
bash "$here/../../scripts/windows-msi.sh" "$program" "$newer" "$xsession_dir/newer.msi"
msiexec /i "$(winepath -w "$xsession_dir/newer.msi")"
installed "$newer"

msiexec /x "$(winepath -w "$xsession_dir/newer.msi")"
removed "the package"
msiexec /i "$(winepath -w "$xsession_dir/newer.msi")"
installed "$newer"
msiexec /x "$code"
removed "the product code"
echo "PASS: silent install, the program up, major upgrade to $newer, silent removal by package and by product code"
