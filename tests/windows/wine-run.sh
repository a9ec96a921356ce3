#!/usr/bin/env bash
# Runs a Windows program under wine with this environment's QT_ variables.
# Wine keeps every variable starting with QT_ from Windows programs (a Linux
# desktop's Qt settings would mislead a Windows Qt), so a batch file sets them
# inside before it starts the program.
# The session's X display (wine-session.sh) stands in where none is set.
# Usage: wine-run.sh PROGRAM.exe [ARGUMENT...] (the CTest emulator of the
# Windows build; arguments must not hold double quotes or per cent signs)
set -euo pipefail
program=${1:?usage: wine-run.sh PROGRAM.exe [ARGUMENT...]}
shift
batch=$(mktemp /tmp/pellucors-wine-run.XXXXXX.bat)
trap 'rm -f "$batch"' EXIT
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
{
    echo '@echo off'
    env | grep '^QT_[A-Za-z0-9_]*=' | sed 's/.*/set "&"/' || true
    line="\"$(windows_path "$(realpath "$program")")\""
    for argument in "$@"; do
        line+=" \"$argument\""
    done
    echo "$line"
    echo 'exit /b %errorlevel%'
} | sed 's/$/\r/' >"$batch"
if [[ -z ${DISPLAY:-} && -s $WINEPREFIX/display ]]; then
    DISPLAY=":$(head -n 1 "$WINEPREFIX/display")"
    export DISPLAY
fi
wine cmd /c "$(windows_path "$batch")"
