# Shell functions shared by the real-window scripts: a private scratch folder,
# a private Xvfb display and the program running on it, with the helpers of
# ../shell/helpers.sh. Source this file from a bash script running with
# `set -euo pipefail`; it installs the clean-up trap itself, so a caller with
# an EXIT trap of its own calls xsession_cleanup from it.
# shellcheck shell=bash source-path=SCRIPTDIR
# shellcheck source=../shell/helpers.sh
source "$(dirname "${BASH_SOURCE[0]}")/../shell/helpers.sh"

xsession_dir=$(mktemp -d)
xvfb_pid=""
compositor_pid="" # a Wayland compositor, where a script starts one instead
app_pid=""
app_started_ms=0

xsession_cleanup() {
    [[ -z $app_pid ]] || stop_process "$app_pid"
    [[ -z $compositor_pid ]] || stop_process "$compositor_pid"
    [[ -z $xvfb_pid ]] || stop_process "$xvfb_pid"
    rm -rf "$xsession_dir"
}
trap xsession_cleanup EXIT
trap 'exit 1' INT TERM HUP

# start_xvfb WIDTHxHEIGHT: a display of our own; exports DISPLAY. A server
# that does not answer (a display number raced away by another X server) is
# replaced, up to three times.
start_xvfb() {
    local attempt
    for attempt in 1 2 3; do
        # Xvfb picks a free display itself and writes its number to fd 3.
        # -noreset: the server would otherwise reset when our xwininfo probe
        # disconnects, and a program connecting just then can be turned away.
        rm -f "$xsession_dir/display"
        Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "$1x24" 3>"$xsession_dir/display" \
            >"$xsession_dir/xvfb.log" 2>&1 &
        xvfb_pid=$!
        wait_for 100 test -s "$xsession_dir/display" ||
            fail "Xvfb did not start: $(cat "$xsession_dir/xvfb.log")"
        DISPLAY=":$(head -n1 "$xsession_dir/display")"
        export DISPLAY
        if wait_for 50 xwininfo -root >/dev/null 2>&1 && ! ended "$xvfb_pid"; then
            echo "Xvfb on $DISPLAY"
            return 0
        fi
        echo "display $DISPLAY does not answer (attempt $attempt)" >&2
        stop_process "$xvfb_pid"
        xvfb_pid=""
    done
    fail "no X display could be started: $(cat "$xsession_dir/xvfb.log")"
}

# start_program PATH/TO/pellucors: runs it on the X display, output logged.
start_program() {
    unset WAYLAND_DISPLAY
    app_started_ms=$(now_ms)
    QT_QPA_PLATFORM=xcb "$1" >"$xsession_dir/app.log" 2>&1 &
    app_pid=$!
}

# Milliseconds since start_program.
since_start_ms() { echo $(($(now_ms) - app_started_ms)); }

# Visible windows titled exactly $1, one id a line.
visible_windows() {
    timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

is_splash() {
    timeout 5 xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_SPLASH
}

# The splash window's id while it is up, or nothing.
splash_window() {
    local window
    for window in $(timeout 5 xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        if is_splash "$window"; then
            echo "$window"
            return 0
        fi
    done
}
has_splash() { [[ -n $(splash_window) ]]; }
# The splash's six seconds are over, and it has gone.
past_hand_over() { (($(since_start_ms) > 6000)) && ! has_splash; }

# The main window's id, or nothing. Qt gives the untitled splash the
# application's name as its X title, so the splash is told apart by its type.
main_window() {
    local window
    for window in $(visible_windows '^Pellucors$'); do
        if ! is_splash "$window"; then
            echo "$window"
            return 0
        fi
    done
}
has_main_window() { [[ -n $(main_window) ]]; }

# focus_window ID: without a window manager the keyboard is nowhere until we
# put it somewhere.
focus_window() {
    timeout 10 xdotool windowfocus --sync "$1" || fail "could not focus window $1"
    sleep 0.5
}

# press_on_main KEY: focuses the main window and presses KEY there.
press_on_main() {
    local window
    window=$(main_window)
    [[ -n $window ]] || fail "main window gone before pressing $1"
    focus_window "$window"
    # Several keys, one after the other, as "alt+f x" (File, then Exit).
    # shellcheck disable=SC2086
    timeout 10 xdotool key --clearmodifiers --delay 300 $1
}

# press_on_main_until KEY CONDITION WHAT: presses KEY on the main window until
# CONDITION holds, three times at most; the program may see the focus change
# after the key on a busy machine.
press_on_main_until() {
    local attempt
    for attempt in 1 2 3; do
        press_on_main "$1"
        if wait_for 50 "$2"; then
            return 0
        fi
        echo "$3 attempt $attempt: not yet"
    done
    return 1
}

program_exited() { ended "$app_pid"; }

# wait_for_home CHECK SHOOT SAVE-AS [SCALE]: from the end of the splash's six
# seconds until, within 30 s, SHOOT's screenshot $xsession_dir/shot.png shows
# the main window with its three child windows at home and nothing else (CHECK
# is pellucors_workspace_check, SCALE the display's); the program must run on
# meanwhile. The last screenshot is saved as SAVE-AS.
wait_for_home() {
    local deadline_ms
    while (($(since_start_ms) < 6000)); do
        program_exited && fail "the program ended during the start-up"
        sleep 0.2
    done
    deadline_ms=$(($(now_ms) + 30000))
    until "$2" && "$1" "$xsession_dir/shot.png" "${4:-1}" >"$xsession_dir/check.log"; do
        program_exited && fail "the program ended"
        if (($(now_ms) > deadline_ms)); then
            cat "$xsession_dir/check.log" 2>/dev/null || true
            cp "$xsession_dir/shot.png" "$3" 2>/dev/null || true
            fail "no main window with its three child windows at home 30 s after the hand-over"
        fi
        sleep 0.5
    done
    cat "$xsession_dir/check.log"
    cp "$xsession_dir/shot.png" "$3"
    echo "saved $3"
}

is_viewable() { timeout 5 xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
is_closed() { ! is_viewable "$1"; }
has_window_titled() { [[ -n $(visible_windows "$1") ]]; }

# The message box titled exactly $1 is up, found by its title, and Return
# closes it (pressed again if the box took the keyboard too late).
message_box_closes_with_return() {
    local box attempt
    wait_for 100 has_window_titled "$1" || fail "no message box titled $1"
    box=$(visible_windows "$1" | head -n1)
    echo "message box $box is up"
    for attempt in 1 2 3; do
        focus_window "$box"
        timeout 10 xdotool key --clearmodifiers Return
        if wait_for 50 is_closed "$box"; then
            return 0
        fi
        echo "Return attempt $attempt: message box still up"
    done
    fail "Return did not close the message box titled $1"
}

# File > Exit from the keyboard (Alt+F, then X) must end the program with
# status 0. The program may see the focus change after the keys on a busy
# machine, so they are pressed again if the first came too early (a broken
# File > Exit fails every attempt).
quit_from_file_menu() {
    local attempt status=0
    for attempt in 1 2 3; do
        press_on_main "alt+f x"
        if wait_for 50 program_exited; then
            break
        fi
        echo "File > Exit attempt $attempt: program still running"
    done
    program_exited || fail "File > Exit did not end the program"
    wait "$app_pid" || status=$?
    app_pid=""
    [[ $status -eq 0 ]] || fail "exit status $status after File > Exit"
}
