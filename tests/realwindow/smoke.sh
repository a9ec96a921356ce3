#!/usr/bin/env bash
# Starts the real program on a virtual X display: its main window must appear,
# survive the splash's hand-over, and Ctrl+X must end it with status 0.
# Usage: smoke.sh PATH/TO/pellucors
set -euo pipefail

binary=${1:?usage: smoke.sh PATH/TO/pellucors}
[[ -x $binary ]] || { echo "not an executable: $binary" >&2; exit 1; }
for tool in Xvfb xdotool xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing $tool (packages xvfb, xdotool, x11-utils)" >&2
        exit 1
    fi
done

workdir=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    if [[ -n $app_pid ]] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    if [[ -n $xvfb_pid ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAIL: $*" >&2
    if [[ -s $workdir/app.log ]]; then
        echo "--- program output ---" >&2
        cat "$workdir/app.log" >&2
    fi
    exit 1
}

# Waits up to $1 tenths of a second for the command in the other arguments.
wait_for() {
    local tenths=$1
    shift
    for ((i = 0; i < tenths; i++)); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$workdir/display" \
    >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for 100 test -s "$workdir/display" || fail "Xvfb did not start: $(cat "$workdir/xvfb.log")"
DISPLAY=":$(head -n1 "$workdir/display")"
export DISPLAY
wait_for 50 xwininfo -root >/dev/null 2>&1 || fail "display $DISPLAY does not answer"
echo "Xvfb on $DISPLAY"

unset WAYLAND_DISPLAY
QT_QPA_PLATFORM=xcb "$binary" >"$workdir/app.log" 2>&1 &
app_pid=$!

main_window() {
    timeout 5 xdotool search --onlyvisible --name '^Pellucors$' 2>/dev/null | head -n1 || true
}
has_main_window() { [[ -n $(main_window) ]]; }
wait_for 150 has_main_window || fail "no top-level window named Pellucors"
window=$(main_window)
xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "main window not mapped"
echo "main window $window is up"

# Past the splash's six seconds: the hand-over must not end the program.
sleep 7
kill -0 "$app_pid" 2>/dev/null || fail "the program ended during the hand-over"
has_main_window || fail "main window gone after the hand-over"

# No window manager here: put the keyboard on the main window ourselves. The
# program may see the focus change after the key on a busy machine, so the
# key is pressed again if the first one came too early (a broken Ctrl+X
# fails every attempt).
exited() { ! kill -0 "$app_pid" 2>/dev/null; }
for attempt in 1 2 3; do
    window=$(main_window)
    [[ -n $window ]] || fail "main window gone before Ctrl+X"
    timeout 10 xdotool windowfocus --sync "$window" || fail "could not focus the main window"
    sleep 0.5
    timeout 10 xdotool key --clearmodifiers ctrl+x
    if wait_for 50 exited; then
        break
    fi
    echo "Ctrl+X attempt $attempt: program still running"
done
exited || fail "Ctrl+X did not end the program"
status=0
wait "$app_pid" || status=$?
app_pid=""
[[ $status -eq 0 ]] || fail "exit status $status after Ctrl+X"
echo "PASS: started, handed over, Ctrl+X ended it with status 0"
