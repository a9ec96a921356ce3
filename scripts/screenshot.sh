#!/usr/bin/env bash
# Regenerates docs/screenshot.png, the README's picture of the main window.
# Builds Pellucors and the grab tool if needed (in BUILD-DIR, by default the
# test preset's build folder), starts the program on a private Xvfb display
# of 1366x768, waits for the splash to hand over, logs one ground
# station line ("A1", 25 Statute Miles, 5 cm allowed error) so the window
# shows results and a logged row, saves the main window and ends the program.
# Needs the packages xvfb, xdotool and x11-utils (scripts/deps.sh test).
# Usage: scripts/screenshot.sh [BUILD-DIR]  (BUILD-DIR relative to the top folder)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
[[ -f $build/CMakeCache.txt ]] || cmake --preset test -B "$build" >/dev/null
cmake --build "$build" --target pellucors pellucors_grab

# shellcheck source=tests/realwindow/xsession.sh source-path=SCRIPTDIR/..
source tests/realwindow/xsession.sh
require_tools Xvfb xdotool xwininfo xprop

start_xvfb 1366x768
start_program "$build/ui/pellucors"
wait_for 150 has_main_window || fail "no main window titled Pellucors"
wait_for 150 past_hand_over || fail "the splash did not hand over"
sleep 1

# Statute Miles first: choosing a unit puts the keyboard back in Line Number.
press_on_main alt+s
# A key typed while the program still handles the Alt release can go astray.
sleep 0.5
type_text() { timeout 10 xdotool type --delay 60 "$1"; }
press() { timeout 10 xdotool key --clearmodifiers "$1"; }
type_text A1
press Tab
type_text 25
press Tab
type_text 5
press Return
sleep 1.5
# Any other window of the program now is a message about the entry.
for window in $(timeout 5 xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    [[ $window == "$(main_window)" ]] ||
        fail "unexpected window: $(xdotool getwindowname "$window" 2>/dev/null || true)"
done

mkdir -p docs
timeout 30 "$build/tests/realwindow/pellucors_grab" "$xsession_dir/main.png" "$(main_window)" ||
    fail "could not grab the main window"
quit_from_file_menu
mv "$xsession_dir/main.png" docs/screenshot.png
echo "saved docs/screenshot.png"
