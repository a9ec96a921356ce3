#!/usr/bin/env bash
# The real program on a virtual X display, checked through the X server: the
# splash is centred and leaves after six seconds, the main window is titled
# Pellucors and maximised, an empty line number brings up the data check
# message, Help > About opens one About window however often it is chosen, and
# File > Exit ends the program with status 0. Leaves PNGs of the main window and of
# the About window in SCREENSHOT-DIR.
# Usage: suite.sh PATH/TO/pellucors PATH/TO/pellucors_grab SCREENSHOT-DIR
set -euo pipefail

usage="usage: suite.sh PATH/TO/pellucors PATH/TO/pellucors_grab SCREENSHOT-DIR"
binary=${1:?$usage}
grab=${2:?$usage}
shots=${3:?$usage}
# shellcheck source=xsession.sh source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"
require_programs "$binary" "$grab"
require_tools Xvfb xdotool xwininfo xprop
mkdir -p "$shots"

# geometry -id ID | -root: "left top width height" of a window on the screen.
geometry() {
    timeout 5 xwininfo "$@" | awk '
        /Absolute upper-left X:/ { x = $4 }
        /Absolute upper-left Y:/ { y = $4 }
        /^ *Width:/ { w = $2 }
        /^ *Height:/ { h = $2 }
        END { print x, y, w, h }'
}
# within A B: A and B differ by at most 3 pixels.
within() { (($1 - $2 <= 3 && $2 - $1 <= 3)); }

# centred NAME ID: the window's middle is the screen's middle.
centred() {
    local x y w h
    read -r x y w h < <(geometry -id "$2")
    [[ -n $h ]] || fail "$1 vanished"
    # Doubled coordinates keep the halves whole.
    if ! within $((2 * x + w)) "$screen_w" || ! within $((2 * y + h)) "$screen_h"; then
        fail "$1 at ${w}x${h}+${x}+${y} is not centred on the ${screen_w}x${screen_h} screen"
    fi
    echo "$1 ${w}x${h}+${x}+${y} is centred"
}

# shot NAME ID: the window as PNG in the screenshot folder.
shot() {
    timeout 30 "$grab" "$shots/$1.png" "$2" || fail "could not save $shots/$1.png"
    echo "saved $shots/$1.png"
}

start_xvfb 1280x1024
read -r _ _ screen_w screen_h < <(geometry -root)
[[ -n $screen_h ]] || fail "no screen size"
start_program "$binary"

# --- splash -----------------------------------------------------------------
wait_for 80 has_splash || fail "no splash window within 8 s"
splash=$(splash_window)
centred splash "$splash"

while is_viewable "$splash"; do
    (($(since_start_ms) <= 9000)) || fail "splash still up 9 s after start"
    sleep 0.1
done
gone_ms=$(since_start_ms)
((gone_ms >= 5500)) || fail "splash gone after only $gone_ms ms"
echo "splash gone $gone_ms ms after start"

# --- main window --------------------------------------------------------------
wait_for 50 has_main_window || fail "no main window titled Pellucors after the hand-over"
main=$(main_window)
read -r x y w h < <(geometry -id "$main")
[[ -n $h ]] || fail "main window vanished"
if ! within "$x" 0 || ! within "$y" 0 || ! within "$w" "$screen_w" || ! within "$h" "$screen_h"; then
    fail "main window at ${w}x${h}+${x}+${y} does not cover the ${screen_w}x${screen_h} screen"
fi
state=$(timeout 5 xprop -id "$main" _NET_WM_STATE)
[[ $state == *_NET_WM_STATE_MAXIMIZED_HORZ* && $state == *_NET_WM_STATE_MAXIMIZED_VERT* ]] ||
    fail "main window not maximised: $state"
echo "main window $main covers the screen, maximised"
# The hand-over shows the three child windows; let them paint.
sleep 1
shot main-window "$main"

# --- a wrong entry ------------------------------------------------------------
check_title='^Pellucors - Please check your data!$'
has_message_box() { has_window_titled "$check_title"; }
# After the hand-over the keyboard is in the empty Line Number box, so Enter
# asks for a line designation.
press_on_main_until Return has_message_box Enter || true
message_box_closes_with_return "$check_title"
has_main_window || fail "main window gone after the message box"

# --- About ----------------------------------------------------------------------
about_title='^About Pellucors$'
about_window() { visible_windows "$about_title" | head -n1; }
has_about() { [[ -n $(about_window) ]]; }
# The keyboard is back in the Line Number box, where Ctrl+A selects its text:
# About from the Help menu.
press_on_main_until "alt+h a" has_about "Help > About" || true
about=$(about_window)
[[ -n $about ]] || fail "Help > About opened no window titled About Pellucors"
centred "About window" "$about"
sleep 1
shot about "$about"

# Chosen again while open, About comes to the front and takes the keyboard;
# that shows the key arrived.
about_has_focus() {
    [[ $(timeout 5 xdotool getwindowfocus getwindowname 2>/dev/null) == "About Pellucors" ]]
}
press_on_main_until "alt+h a" about_has_focus "second Help > About" || true
about_has_focus || fail "Help > About with the About window open did not bring an About window to the front"
sleep 1
count=$(visible_windows "$about_title" | wc -l)
((count == 1)) || fail "$count About windows after choosing About twice"
echo "About twice: one About window"

# --- File > Exit ---------------------------------------------------------------
quit_from_file_menu
echo "PASS: splash, main window, data check message, About, File > Exit"
