#!/usr/bin/env bash
# The Windows installer under wine, on a private X display: a silent install
# puts the program under Program Files with its Start-menu entry and its entry
# among the installed programs; the installed pellucors.exe starts, and past
# the splash's hand-over a screenshot shows the maximised main window with its
# three child windows at home and nothing else on its workspace; File > Exit
# ends it with status 0; the silent uninstall removes all of it again. Leaves
# the screenshot as SCREENSHOT-DIR/windows.png.
# Usage: installer.sh SETUP.exe PATH/TO/pellucors_grab PATH/TO/pellucors_workspace_check SCREENSHOT-DIR
# (WINEPREFIX and the other wine variables from the caller)
set -euo pipefail

usage="usage: installer.sh SETUP.exe GRAB WORKSPACE_CHECK SCREENSHOT-DIR"
setup=${1:?$usage}
grab=${2:?$usage}
check=${3:?$usage}
shots=${4:?$usage}
[[ -f $setup ]] || { echo "FAIL: no installer $setup (scripts/windows.sh writes it)" >&2; exit 1; }
for program in "$grab" "$check"; do
    [[ -x $program ]] || { echo "FAIL: not an executable: $program" >&2; exit 1; }
done
mkdir -p "$shots"
# shellcheck source=../realwindow/xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/../realwindow/xsession.sh"
require_tools wine wineserver Xvfb xdotool xwininfo xprop

folder="$WINEPREFIX/drive_c/Program Files/Pellucors"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pellucors.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pellucors'
registry_value() {
    wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

# Wine as the window manager, as Windows is its own: a virtual desktop as
# large as the display, in a wine session of this display alone.
wineserver -k 2>/dev/null || true
wineserver -w
start_xvfb 1280x1024
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null

# --- Silent install, as an administrator would run it.
wine "$(winepath -w "$setup")" /S || fail "the installer ended with status $?"
wineserver -w
for file in pellucors.exe uninstall.exe platforms/qwindows.dll "$shortcut"; do
    [[ -f $file || -f $folder/$file ]] || fail "the installer did not install $file"
done
[[ $(registry_value DisplayName) == Pellucors && $(registry_value DisplayVersion) == 1.0.0 &&
    -n $(registry_value Publisher) ]] || fail "no entry with version and publisher among the installed programs"
echo "installed in $folder"

# --- The installed program, past the hand-over.
app_started_ms=$(now_ms)
wine 'C:\Program Files\Pellucors\pellucors.exe' >"$xsession_dir/app.log" 2>&1 &
app_pid=$!
wait_for 300 has_main_window || fail "no top-level window named Pellucors"
sleep 8
kill -0 "$app_pid" 2>/dev/null || fail "the program ended during the hand-over"
"$grab" "$shots/windows.png" || fail "no screenshot"
"$check" "$shots/windows.png" || fail "the screenshot does not show the main window with its three child windows at home"

quit_from_file_menu

# --- Silent uninstall; the uninstaller finishes from a copy of itself.
wine 'C:\Program Files\Pellucors\uninstall.exe' /S || fail "the uninstaller ended with status $?"
wineserver -w
[[ ! -e $folder ]] || fail "the uninstaller left $(find "$folder" | head -n 5)"
[[ ! -e $shortcut ]] || fail "the uninstaller left the Start-menu entry"
[[ -z $(registry_value DisplayName) ]] || fail "the uninstaller left the installed-programs entry"
echo "PASS: silent install, the program up past the hand-over, File > Exit, silent uninstall"
