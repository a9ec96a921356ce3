#!/usr/bin/env bash
# Builds the benchmarks (the bench preset: Release, build-bench/) and measures,
# side by side with a bare Qt baseline: start-up to the first frame and peak
# memory (offscreen and under Xvfb, runs alternating), the handlers' latency
# and the stripped binary size. bench/bench_report writes the figures to
# BENCHMARKS.md, followed by bench/FINDINGS.md. Not part of the tests.
# Usage: scripts/bench.sh [RUNS]   (start-up runs per program and platform, >= 20)
set -euo pipefail
cd "$(dirname "$0")/.."
command_line="bash scripts/bench.sh${*:+ $*}"
runs=${1:-20}
if ! [[ $runs =~ ^[0-9]+$ ]] || ((runs < 20)); then
    echo "usage: $0 [RUNS]   (RUNS >= 20)" >&2
    exit 2
fi

# Packages: the program's (Qt Test comes with them), an X server and strip.
bash scripts/deps.sh bench
cmake --workflow --preset bench
bench=build-bench/bench

# shellcheck source=tests/realwindow/xsession.sh
source tests/realwindow/xsession.sh
work=$xsession_dir
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8 LANG=C.UTF-8
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# startup_runs PLATFORM: each probe's "probe key=value ..." line, in
# $work/PLATFORM-NAME. Runs alternate ABC, CAB, BCA ... so neither program
# always goes first while the machine warms up or gets busy.
startup_runs() {
    local platform=$1 i k name probe
    local order=(pellucors baseline captions)
    for ((i = 0; i < runs; ++i)); do
        for ((k = 0; k < 3; ++k)); do
            name=${order[$(((i + k) % 3))]}
            probe=("$bench/probe_baseline")
            case $name in
            pellucors) probe=("$bench/probe_pellucors") ;;
            captions) probe+=(--captions) ;;
            esac
            PROBE_LAUNCH_EPOCH=$EPOCHREALTIME QT_QPA_PLATFORM=$platform "${probe[@]}" \
                >>"$work/$platform-$name" 2>>"$work/stderr" ||
                fail "the $name probe failed on $platform: $(cat "$work/stderr")"
        done
    done
}

echo "Start-up, offscreen: $runs runs each ..."
startup_runs offscreen
echo "Start-up, Xvfb: $runs runs each ..."
start_xvfb 1280x1024
startup_runs xcb
stop_process "$xvfb_pid"
xvfb_pid=""
unset DISPLAY

echo "Handlers ..."
QT_QPA_PLATFORM=offscreen "$bench/bench_handlers" -o "$work/qbench.csv,csv" -o -,txt \
    >"$work/handlers.txt" 2>>"$work/stderr" || fail "the handlers: $(cat "$work/handlers.txt")"

strip -o "$work/pellucors" build-bench/ui/pellucors
strip -o "$work/baseline" "$bench/pellucors_baseline"
cp build-bench/ui/pellucors "$work/pellucors-built"
cat >"$work/run" <<EOF
command=$command_line
runs=$runs
commit=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)
load_before=$load_before
load_after=$(cut -d' ' -f1-3 /proc/loadavg)
EOF
{
    "$bench/bench_report" "$work"
    cat bench/FINDINGS.md
} >"$work/BENCHMARKS.md"
cp "$work/BENCHMARKS.md" BENCHMARKS.md
echo "Wrote $PWD/BENCHMARKS.md"
