#!/usr/bin/env bash
# Stop the private cupsd started by start-spooler.sh DIR, by the PID it recorded.
# Any other cupsd (a system one, another DIR's) is never signalled.
# Usage: tests/print/cups/stop-spooler.sh DIR
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

# shellcheck source=../../shell/helpers.sh
source "$(dirname "$0")/../../shell/helpers.sh"
(($# == 1)) || fail "usage: $0 DIR"
dir=$(cd "$1" 2>/dev/null && pwd -P) || exit 0 # no DIR: nothing runs there
pidfile=$dir/cupsd.pid
pid=$(cat "$pidfile" 2>/dev/null || true)

# PIDs get reused: signal only a live process started with our config file.
ours() {
    local cmd
    [[ $pid =~ ^[0-9]+$ ]] && cmd=$(tr '\0' '\n' 2>/dev/null <"/proc/$pid/cmdline") &&
        grep -qxF -- "$dir/cupsd.conf" <<<"$cmd"
}
gone() { ! ours; }

if ours; then
    kill -TERM "$pid"
    # Still there after 10 s: kill its whole process group (setsid made it the
    # leader), so that no backend is left behind either.
    wait_for 100 gone || kill -KILL -- "-$pid" 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
    wait_for 50 gone || true
fi
rm -f "$pidfile" "$dir/cups.sock"
