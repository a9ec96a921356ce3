#!/usr/bin/env bash
# Runs the real program where it has nowhere to show a window: no display
# named, an X display or a Wayland compositor named where nothing listens, a
# Qt platform that does not exist. Each run must end with status 1, not a
# signal, print its one line on standard error and nothing else, and leave no
# core file behind. Named Qt's offscreen platform, the program starts as before.
# Usage: no_display.sh PATH/TO/pellucors
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

binary=${1:?usage: no_display.sh PATH/TO/pellucors}
# shellcheck source=../shell/helpers.sh
source "$(dirname "$0")/../shell/helpers.sh"
require_programs "$binary"
binary=$(realpath "$binary")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A private runtime folder with no compositor's socket in it, and an X
# display number that no server on this machine holds.
mkdir -m 0700 "$scratch/runtime"
free=99
while [[ -e /tmp/.X11-unix/X$free || -e /tmp/.X$free-lock ]]; do
    free=$((free + 1))
done
failures=0

# run ENV...: the program in an empty folder with cores enabled, the display
# variables only as given, for up to $limit seconds; sets status.
limit=30
run() {
    rm -rf "$scratch/cwd"
    mkdir "$scratch/cwd"
    status=0
    (
        cd "$scratch/cwd"
        ulimit -c unlimited 2>/dev/null || true
        exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$scratch/runtime" \
            "$@" timeout "$limit" "$binary"
    ) >"$scratch/out" 2>"$scratch/err" || status=$?
}

# refuses LINE ENV...: ends with status 1 and LINE alone on standard error.
refuses() {
    local line=$1 problem=""
    shift
    run "$@"
    if ((status != 1)); then
        problem="status $status"
    elif [[ $(cat "$scratch/err") != "$line" || -s $scratch/out ]]; then
        problem="output other than the line"
    elif [[ -n $(ls -A "$scratch/cwd") ]]; then
        problem="left $(ls -A "$scratch/cwd")"
    fi
    if [[ -n $problem ]]; then
        echo "FAIL with ${*:-no display variables}: $problem; standard error:"
        cat "$scratch/err"
        failures=$((failures + 1))
    else
        echo "ok: ${*:-no display variables}: $line"
    fi
}

refuses 'pellucors: no graphical session: neither DISPLAY nor WAYLAND_DISPLAY is set.'
refuses 'pellucors: no graphical session: neither DISPLAY nor WAYLAND_DISPLAY is set.' \
    DISPLAY= WAYLAND_DISPLAY=
refuses "pellucors: cannot open display \":$free\"." DISPLAY=":$free"
refuses 'pellucors: cannot open display "nowhere".' WAYLAND_DISPLAY=nowhere
refuses 'pellucors: cannot open display "nowhere" or ":'"$free"'".' \
    WAYLAND_DISPLAY=nowhere DISPLAY=":$free"
refuses 'pellucors: cannot open display "wayland-0".' QT_QPA_PLATFORM=wayland
refuses 'pellucors: cannot open display "wayland-0" or ":'"$free"'".' \
    'QT_QPA_PLATFORM=wayland;xcb:nonesuch-option' DISPLAY=":$free"
refuses 'pellucors: cannot start the Qt platform "nonesuch".' QT_QPA_PLATFORM=nonesuch

# Still running when timeout ends it: the platform named was taken.
limit=5
run QT_QPA_PLATFORM=offscreen
if ((status != 124)); then
    echo "FAIL on the offscreen platform: status $status; standard error:"
    cat "$scratch/err"
    failures=$((failures + 1))
fi

((failures == 0)) || exit 1
echo "PASS: every run without a display ended with status 1 and its line"
