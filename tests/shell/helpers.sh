# Shell functions shared by the scripts and their tests: failing with a
# reason, tool checks, and waits that always end. Source from a bash script
# running with `set -euo pipefail`; nothing runs on sourcing.
# shellcheck shell=bash

# fail MESSAGE: says why on standard error, with the output of the program
# under test where xsession.sh ran it, and ends the script with status 1.
fail() {
    echo "FAIL: $*" >&2
    if [[ -s ${xsession_dir:-}/app.log ]]; then
        echo "--- program output ---" >&2
        cat "$xsession_dir/app.log" >&2
    fi
    exit 1
}

# require_tools TOOL...: every tool must be on the PATH.
require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "missing $tool (bash scripts/deps.sh installs it)"
    done
}

# require_programs PATH...: each is a program to run (one of the build's).
require_programs() {
    local path
    for path in "$@"; do
        [[ -x $path ]] || fail "not an executable: $path"
    done
}

# Milliseconds on the wall clock (EPOCHREALTIME's separator follows the locale).
now_ms() {
    local micro=${EPOCHREALTIME//[!0-9]/}
    echo $((10#$micro / 1000))
}

# Waits up to $1 tenths of a second for the command in the other arguments.
wait_for() {
    local tenths=$1 i
    shift
    for ((i = 0; i < tenths; i++)); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# ended PID: no such process runs (any more).
ended() { ! kill -0 "$1" 2>/dev/null; }

# stop_process PID: asks it to end, insists after five seconds.
stop_process() {
    kill "$1" 2>/dev/null || return 0
    wait_for 50 ended "$1" || kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
