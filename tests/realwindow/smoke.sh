#!/usr/bin/env bash
# Starts the real program on a virtual X display: its main window must appear
# and survive the splash's hand-over; Ctrl+A and Ctrl+X in the line designation
# box must edit its text, not open About or end the program; File > Exit must
# end it with status 0.
# Usage: smoke.sh PATH/TO/pellucors
set -euo pipefail

binary=${1:?usage: smoke.sh PATH/TO/pellucors}
# shellcheck source=xsession.sh source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"
require_programs "$binary"
require_tools Xvfb xdotool xwininfo xprop

start_xvfb 1280x1024
start_program "$binary"

wait_for 150 has_main_window || fail "no top-level window named Pellucors"
window=$(main_window)
xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "main window not mapped"
echo "main window $window is up"

# The hand-over must not end the program.
wait_for 150 past_hand_over || fail "the splash did not hand over"
program_exited && fail "the program ended during the hand-over"
has_main_window || fail "main window gone after the hand-over"

# The hand-over left the keyboard in the line designation box.
press_on_main "A 2 ctrl+a ctrl+x"
sleep 2
program_exited && fail "Ctrl+X in the line designation box ended the program"
[[ -z $(visible_windows '^About Pellucors$') ]] || fail "Ctrl+A in the line designation box opened About"
echo "Ctrl+A, Ctrl+X in the line designation box: the program runs on"

quit_from_file_menu
echo "PASS: started, handed over, edited a text box, File > Exit ended it with status 0"
