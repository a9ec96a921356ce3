#!/usr/bin/env bash
# The Windows tests' wine session: a private prefix, made once (a later run
# finds it complete) and given Windows' faces (windows-look.reg), and a private
# X display, since wine shows even a hidden Qt window through its X driver.
# The display's number is kept in PREFIX/display for wine-run.sh. `prefix`
# makes the prefix alone.
# Usage: wine-session.sh start|stop|prefix PREFIX (WINEDEBUG, WINEDLLOVERRIDES from the caller)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
usage="usage: wine-session.sh start|stop|prefix PREFIX"
action=${1:?$usage}
prefix=${2:?$usage}
# shellcheck source=../shell/helpers.sh
source "$(dirname "${BASH_SOURCE[0]}")/../shell/helpers.sh"
[[ $action =~ ^(start|stop|prefix)$ ]] || fail "$usage"
export WINEPREFIX=$prefix

stop() {
    wineserver -k 2>/dev/null || true
    if [[ -f $prefix/xvfb.pid ]]; then
        kill "$(cat "$prefix/xvfb.pid")" 2>/dev/null || true
        rm -f "$prefix/xvfb.pid" "$prefix/display"
    fi
}

if [[ $action == stop ]]; then
    stop
    exit 0
fi
require_tools wine wineserver Xvfb
[[ $action == prefix ]] || stop

if [[ ! -f $prefix/.pellucors-ready ]]; then
    rm -rf "$prefix"
    # No display: wineboot then shows no windows.
    log=$(DISPLAY='' wine wineboot --init 2>&1) || fail "wineboot could not make $prefix: $log"
    wineserver -w
    touch "$prefix/.pellucors-ready"
fi
# Windows' faces and font smoothing (read by each program as it starts).
wine regedit /S "$(winepath -w "$(dirname "${BASH_SOURCE[0]}")/windows-look.reg")" ||
    fail "could not set Windows' faces in $prefix"
[[ $action == start ]] || exit 0

# Xvfb picks a free display itself and writes its number to fd 3.
setsid Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 \
    3>"$prefix/display" >"$prefix/xvfb.log" 2>&1 </dev/null &
echo $! >"$prefix/xvfb.pid"
wait_for 100 test -s "$prefix/display" || fail "Xvfb did not start: $(cat "$prefix/xvfb.log")"
# The prefix must run a Windows program: its own command interpreter.
[[ $(DISPLAY=":$(head -n 1 "$prefix/display")" wine cmd /c echo ready 2>/dev/null | tr -d '\r') == ready ]] ||
    fail "wine does not run programs in $prefix"
echo "wine prefix $prefix ready, X display :$(head -n 1 "$prefix/display")"
