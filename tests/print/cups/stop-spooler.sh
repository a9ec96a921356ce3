#!/usr/bin/env bash
# Stop the private cupsd started by start-spooler.sh DIR, by the PID it recorded.
# Any other cupsd (a system one, another DIR's) is never signalled.
# Usage: tests/print/cups/stop-spooler.sh DIR
set -euo pipefail

[[ $# -eq 1 ]] || { echo "usage: $0 DIR" >&2; exit 2; }
dir=$(cd "$1" 2>/dev/null && pwd -P) || exit 0    # no DIR: nothing runs there
pidfile=$dir/cupsd.pid
pid=$(cat "$pidfile" 2>/dev/null || true)

# PIDs get reused: signal only a live process started with our config file.
ours() {
  local cmd
  [[ $pid =~ ^[0-9]+$ ]] && cmd=$(tr '\0' '\n' 2>/dev/null <"/proc/$pid/cmdline") &&
    grep -qxF -- "$dir/cupsd.conf" <<<"$cmd"
}

if ours; then
  kill -TERM "$pid"
  for _ in $(seq 100); do ours || break; sleep 0.1; done
  # Still there after 10 s: kill its whole process group (setsid made it the
  # leader), so that no backend is left behind either.
  if ours; then kill -KILL -- "-$pid" 2>/dev/null || kill -KILL "$pid"; fi
  for _ in $(seq 50); do ours || break; sleep 0.1; done
fi
rm -f "$pidfile" "$dir/cups.sock"
