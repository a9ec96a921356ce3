# Shell functions of the tests of the installed Windows program under wine.
# Source after ../realwindow/xsession.sh, with $grab and $check the Linux
# build's pellucors_grab and pellucors_workspace_check and WINEPREFIX set.
# shellcheck shell=bash

# shellcheck disable=SC2034 # read by the scripts that source this file
folder="$WINEPREFIX/drive_c/Program Files/Pellucors" \
    shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pellucors.lnk"

# registry_value KEY NAME: the value's data, or nothing.
registry_value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}

# Wine as the window manager, as Windows is its own: a virtual desktop as
# large as the display, in a wine session of this prefix alone. Starts the
# display if there is none yet.
wine_desktop() {
    wineserver -k 2>/dev/null || true
    wineserver -w
    [[ -n $xvfb_pid ]] || start_xvfb 1280x1024
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null
}

# start_installed SHOT [SCALE]: the installed pellucors.exe, past the
# hand-over, with its three child windows at home in the screenshot SHOT.
start_installed() {
    app_started_ms=$(now_ms)
    wine 'C:\Program Files\Pellucors\pellucors.exe' >"${xsession_dir:?}/app.log" 2>&1 &
    app_pid=$!
    wait_for 300 has_main_window || fail "no top-level window named Pellucors"
    wait_for_home "${check:?}" grab_screen "$1" "${2:-1}"
}
grab_screen() { "${grab:?}" "$xsession_dir/shot.png"; }
