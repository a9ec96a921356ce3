#!/usr/bin/env bash
# The real program natively on Wayland, through Qt's wayland plugin, under a
# headless weston of its own: past the splash's hand-over the compositor's
# screenshot must show the maximised main window with its three child windows
# at their home positions and nothing else on its workspace, and the program
# must have printed nothing. The compositor's panel runs down the left side,
# so a maximised window is narrower than the screen. Skips (status 77) where
# the compositor cannot start or take screenshots. Leaves the screenshot as
# SCREENSHOT-DIR/wayland.png.
# Usage: wayland.sh PATH/TO/pellucors PATH/TO/pellucors_workspace_check SCREENSHOT-DIR
set -euo pipefail

usage="usage: wayland.sh PATH/TO/pellucors PATH/TO/pellucors_workspace_check SCREENSHOT-DIR"
binary=${1:?$usage}
check=${2:?$usage}
shots=${3:?$usage}
# shellcheck source=xsession.sh source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"
require_programs "$binary" "$check"
require_tools weston weston-screenshooter
mkdir -p "$shots"

skip() {
    echo "SKIP: $*"
    [[ ! -s $xsession_dir/weston.log ]] || tail -n 20 "$xsession_dir/weston.log"
    exit 77
}

# A private runtime folder holds the compositor's socket; no X display, so
# nothing can fall back to X.
export XDG_RUNTIME_DIR=$xsession_dir/runtime WAYLAND_DISPLAY=pellucors-test
mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset DISPLAY

# The panel down the left side, as on many desktops: a maximised window is
# then narrower than the screen, whose work area Wayland does not tell.
printf '[shell]\npanel-position=left\n' >"$xsession_dir/weston.ini"
# --use-pixman: the headless output is drawn (by default nothing is, and a
# screenshot never comes); --debug: the screenshooter is offered.
weston --backend=headless-backend.so --use-pixman --config="$xsession_dir/weston.ini" --debug \
    --idle-time=0 --socket="$WAYLAND_DISPLAY" --width=1280 --height=1024 \
    >"$xsession_dir/weston.log" 2>&1 &
compositor_pid=$!
compositor_settled() { [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] || ended "$compositor_pid"; }
wait_for 100 compositor_settled || true
ended "$compositor_pid" && skip "weston could not start"
[[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] || skip "weston opened no socket within 10 s"

# screenshot: the whole output as $xsession_dir/shot.png (the screenshooter
# writes into the current folder under a name of its own).
screenshot() {
    local file
    rm -rf "$xsession_dir/shots"
    mkdir "$xsession_dir/shots"
    (cd "$xsession_dir/shots" && timeout 20 weston-screenshooter) >/dev/null 2>&1 || return 1
    file=$(find "$xsession_dir/shots" -name '*.png' | head -n 1)
    [[ -n $file ]] && mv "$file" "$xsession_dir/shot.png"
}
wait_for 100 screenshot || skip "weston takes no screenshots"
echo "weston $compositor_pid on $WAYLAND_DISPLAY"

app_started_ms=$(now_ms)
QT_QPA_PLATFORM=wayland "$binary" >"$xsession_dir/app.log" 2>&1 &
app_pid=$!
# The windows must survive the hand-over.
wait_for_home "$check" screenshot "$shots/wayland.png"
program_exited && fail "the program ended"
[[ ! -s $xsession_dir/app.log ]] || fail "the program printed on the way"
echo "the program printed nothing"

# The compositor's helper clients (its shell and keyboard) end with it; any
# still there are ended too.
helpers=$(pgrep -P "$compositor_pid" || true)
stop_process "$app_pid"
app_pid=""
stop_process "$compositor_pid"
compositor_pid=""
for helper in $helpers; do
    stop_process "$helper"
done
echo "PASS: natively on Wayland, the main window and its three child windows past the hand-over"
