#!/usr/bin/env bash
# Builds the benchmarks (Release, build-bench/) and measures, side by side with
# a bare Qt baseline: start-up to the first frame and peak memory (offscreen
# and under Xvfb, runs alternating), the handlers' latency and the stripped
# binary size. Writes the figures to BENCHMARKS.md. Not part of the tests.
# Usage: scripts/bench.sh [RUNS]   (start-up runs per program and platform, >= 20)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
command_line="bash scripts/bench.sh${*:+ $*}"
runs=${1:-20}
if ! [[ $runs =~ ^[0-9]+$ ]] || ((runs < 20)); then
    echo "usage: $0 [RUNS]   (RUNS >= 20)" >&2
    exit 2
fi
if ! grep -q PELLUCORS_BENCH CMakeLists.txt; then
    echo "CMakeLists.txt has no PELLUCORS_BENCH option: bench/ is not wired into the build." >&2
    exit 1
fi

# --- Packages: the program's (Qt Test comes with them), an X server and strip.
bash scripts/deps.sh bench

# --- Build.
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELLUCORS_BENCH=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench --target pellucors probe_pellucors probe_baseline bench_handlers \
    pellucors_baseline

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8 LANG=C.UTF-8
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# --- Start-up and memory. One run prints one "probe key=value ..." line.
# probe NAME PLATFORM [ARGS...]: runs the probe for NAME once, appends its line
# to $work/PLATFORM-NAME.
probe() {
    local name=$1 platform=$2
    shift 2
    local binary=build-bench/bench/probe_pellucors
    [ "$name" = pellucors ] || binary=build-bench/bench/probe_baseline
    PROBE_LAUNCH_EPOCH=$EPOCHREALTIME QT_QPA_PLATFORM=$platform "$binary" "$@" \
        >>"$work/$platform-$name" 2>>"$work/stderr" || {
        echo "The $name probe failed on $platform:" >&2
        cat "$work/stderr" >&2
        exit 1
    }
}

# Runs alternate ABC, CAB, BCA ... so neither program always goes first
# while the machine warms up or gets busy.
startup_runs() {
    local platform=$1 i
    local order=(pellucors baseline captions)
    for ((i = 0; i < runs; ++i)); do
        local k
        for ((k = 0; k < 3; ++k)); do
            case ${order[$(((i + k) % 3))]} in
            pellucors) probe pellucors "$platform" ;;
            baseline) probe baseline "$platform" ;;
            captions) probe captions "$platform" --captions ;;
            esac
        done
    done
}

echo "Start-up, offscreen: $runs runs each ..."
startup_runs offscreen

echo "Start-up, Xvfb: $runs runs each ..."
# A private X server on the first free display; the same server for all runs.
exec 3>"$work/display"
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || {
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
}
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY
startup_runs xcb
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=
unset DISPLAY

# --- Handlers.
echo "Handlers ..."
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_handlers -o "$work/qbench.csv,csv" \
    -o -,txt >"$work/handlers.txt" 2>>"$work/stderr" || {
    cat "$work/handlers.txt" >&2
    exit 1
}

# --- Size.
cp build-bench/ui/pellucors "$work/pellucors"
strip "$work/pellucors"
cp build-bench/bench/pellucors_baseline "$work/baseline"
strip "$work/baseline"
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# --- Figures.
# field FILE KEY: the numeric KEY values of the probe lines in FILE, one a line.
field() {
    sed -n "s/.* $2=\(-\{0,1\}[0-9][0-9.]*\).*/\1/p" "$1"
}
# median: of the numbers on stdin.
median() {
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "na"; exit }
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# spread: "min–max" of the numbers on stdin.
spread() {
    sort -g | awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%.1f–%.1f", lo, hi }'
}
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b + 0 == 0) print "na"; else printf "%.2f", a / b }'
}
fmt() {
    awk -v v="$1" -v d="${2:-1}" 'BEGIN { if (v == "na") print v; else printf "%.*f", d, v }'
}
verdict() { # verdict VALUE LIMIT
    awk -v v="$1" -v l="$2" 'BEGIN { print (v != "na" && v + 0 <= l + 0) ? "met" : "missed" }'
}

for platform in offscreen xcb; do
    for name in pellucors baseline captions; do
        count=$(wc -l <"$work/$platform-$name")
        if ((count != runs)); then
            echo "$platform/$name: $count of $runs runs gave figures; see below." >&2
            cat "$work/stderr" >&2
            exit 1
        fi
    done
done

startup_table=
memory_table=
startup_ratios=()
memory_ratios=()
for platform in offscreen xcb; do
    label=$platform
    [ "$platform" = xcb ] && label="Xvfb (xcb)"
    declare -A med=()
    for name in pellucors baseline captions; do
        for key in launch_to_main_paint_ms main_to_main_paint_ms main_to_exec_ms \
            main_to_splash_paint_ms launch_to_splash_paint_ms exec_to_main_paint_ms \
            launch_to_frames_done_ms vmhwm_kb; do
            med[$name.$key]=$(field "$work/$platform-$name" $key | median)
        done
        med[$name.range]=$(field "$work/$platform-$name" launch_to_main_paint_ms | spread)
    done
    launch_ratio=$(ratio "${med[pellucors.launch_to_main_paint_ms]}" "${med[baseline.launch_to_main_paint_ms]}")
    main_ratio=$(ratio "${med[pellucors.main_to_main_paint_ms]}" "${med[baseline.main_to_main_paint_ms]}")
    captions_ratio=$(ratio "${med[pellucors.launch_to_main_paint_ms]}" "${med[captions.launch_to_main_paint_ms]}")
    done_ratio=$(ratio "${med[pellucors.launch_to_frames_done_ms]}" "${med[baseline.launch_to_frames_done_ms]}")
    done_captions=$(ratio "${med[pellucors.launch_to_frames_done_ms]}" "${med[captions.launch_to_frames_done_ms]}")
    memory_ratio=$(ratio "${med[pellucors.vmhwm_kb]}" "${med[baseline.vmhwm_kb]}")
    memory_captions=$(ratio "${med[pellucors.vmhwm_kb]}" "${med[captions.vmhwm_kb]}")
    startup_ratios+=("$launch_ratio")
    memory_ratios+=("$memory_ratio")
    for name in pellucors baseline captions; do
        splash=$(fmt "${med[$name.launch_to_splash_paint_ms]}")
        startup_table+="| $label | $name | $(fmt "${med[$name.launch_to_main_paint_ms]}") (${med[$name.range]}) | $splash | $(fmt "${med[$name.launch_to_frames_done_ms]}") | $(fmt "${med[$name.main_to_main_paint_ms]}") | $(fmt "${med[$name.main_to_exec_ms]}") | $(fmt "${med[$name.exec_to_main_paint_ms]}") |"$'\n'
        memory_table+="| $label | $name | $(fmt "$(awk -v k="${med[$name.vmhwm_kb]}" 'BEGIN { print k / 1024 }')") |"$'\n'
    done
    startup_table+="| $label | **pellucors / baseline** | **$launch_ratio** | | $done_ratio | $main_ratio | | |"$'\n'
    startup_table+="| $label | pellucors / captions | $captions_ratio | | $done_captions | $(ratio "${med[pellucors.main_to_main_paint_ms]}" "${med[captions.main_to_main_paint_ms]}") | | |"$'\n'
    memory_table+="| $label | **pellucors / baseline** | **$memory_ratio** |"$'\n'
    memory_table+="| $label | pellucors / captions | $memory_captions |"$'\n'
    unset med
done

handler_table=
declare -A limit=([processEntry]=1 [calculate]=1 [removeItem]=1 [clearList]=1 [printGpsData31]=50)
declare -A qbench_name=([processEntry]=processEntry [calculate]=calculate [removeItem]=removeItem
    [clearList]=clearList [printGpsData31]=printGpsData)
handler_verdicts=()
while read -r line; do
    name=$(sed -n 's/.* name=\([^ ]*\).*/\1/p' <<<"$line")
    get() { sed -n "s/.* $1=\([-0-9.]*\).*/\1/p" <<<"$line"; }
    med_ms=$(awk -v u="$(get median_us)" 'BEGIN { print u == "" ? "na" : u / 1000 }')
    qb=$(awk -F, -v n="\"${qbench_name[$name]}\"" '$1 == n { printf "%.4f", $4 }' "$work/qbench.csv")
    v=$(verdict "$med_ms" "${limit[$name]}")
    handler_verdicts+=("$name:$v")
    handler_table+="| $name | $(get runs) | $(fmt "$(get first_us)") | $(fmt "$(get median_us)") | $(fmt "$(get p99_us)") | $(fmt "$(get worst_us)") | $(fmt "$(get frame_median_us)") | $(fmt "$(get frame_worst_us)") | ${qb:-na} | < ${limit[$name]} ms: $v |"$'\n'
done < <(grep '^latency ' "$work/handlers.txt")

size_pellucors=$(stat -c %s "$work/pellucors")
size_baseline=$(stat -c %s "$work/baseline")
size_unstripped=$(stat -c %s build-bench/ui/pellucors)
qt_version=$(sed -n 's/^probe qt=\([^ ]*\).*/\1/p' "$work/offscreen-pellucors" | head -n1)
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)
commit=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)

worst_of() { printf '%s\n' "$@" | sort -g | tail -n1; }
startup_verdict=$(verdict "$(worst_of "${startup_ratios[@]}")" 1.15)
memory_verdict=$(verdict "$(worst_of "${memory_ratios[@]}")" 1.15)

# Hand-written findings (profiles, causes) travel with the figures.
findings=bench/FINDINGS.md

{
    cat <<EOF
# Benchmarks

Produced by \`$command_line\` on $(date -u '+%Y-%m-%d %H:%M UTC'), commit $commit (plus any
uncommitted changes in the tree). Not part of the tests; re-run it to refresh this file.

| machine | |
| --- | --- |
| CPU | $cpu, $(nproc) cores |
| Qt | $qt_version ($(uname -sr), $(g++ -dumpfullversion 2>/dev/null || echo g++)) |
| load average (1, 5, 15 min) | before $load_before; after $load_after |
| build | Release (\`build-bench/\`, -DPELLUCORS_BENCH=ON) |

The programs: **pellucors** is the real program started as \`ui/shell/main.cpp\` starts it
(\`bench/probe_pellucors.cpp\`, linking the same \`pellucors_ui\` library; the production
binary carries no probe); **baseline** is a \`QMainWindow\` with an empty \`QMdiArea\` and three
empty child windows, nothing else; **captions** is the baseline with titled child windows and a
menu bar of three menus — the least any window that shows a letter costs (the font database,
text shaping, glyphs), to tell Qt's own text cost from the program's. All are shown maximised
over the same area.

## Start-up to the first frame

Milliseconds, medians of $runs runs per program and platform, runs alternating between the
three programs. *Launch* is from the launcher's clock just before the process starts (includes
the dynamic loader); *main()* is from the first line of \`main\`; the frame is the first Paint
event of the main window (and of the splash); *frames drawn* is when every first frame (main
window and splash) has been painted. *exec→main* is negative where the first frame comes
before \`exec()\`: showing a splash screen before the event loop runs makes Qt spin the loop once,
so Pellucors' first frame (main window, then splash) is drawn inside \`Application::Main\`.

| platform | program | launch → main window (min–max) | launch → splash | launch → frames drawn | main() → main window | main() → exec() | exec() → main window |
| --- | --- | --- | --- | --- | --- | --- | --- |
$startup_table
Target: pellucors / baseline ≤ 1.15 (launch → main window, both platforms): **$startup_verdict**.

## Peak memory after the first frame

VmHWM from \`/proc/self/status\`, read once the first frame is done, MiB, medians.

| platform | program | peak RSS |
| --- | --- | --- |
$memory_table
Target: pellucors / baseline ≤ 1.15 (both platforms): **$memory_verdict**.

## Handlers

Qt Test, offscreen, the whole program with fake message boxes
(\`bench/bench_handlers.cpp\`). Microseconds per call, timed call by call: the handler alone
(*first* is the first call of its kind in the process, cold; median, p99 and worst are of the
calls after it) and *to frame*, up to the end of the event processing the call causes (list
relayout, repaint). *QBENCHMARK* is Qt Test's figure in milliseconds per iteration, which
includes the set-up each iteration needs (typing the boxes, selecting or refilling rows).
printGpsData31 prints the company heading and the list's heading row plus 30 rows to a PDF
file through \`QtPrinterService::ForPdfFile\`. The targets apply to the handler's median.

| handler | calls | first | median | p99 | worst | to frame, median | to frame, worst | QBENCHMARK (ms) | target |
| --- | --- | --- | --- | --- | --- | --- | --- | --- | --- |
$handler_table
## Binary size

| file | bytes |
| --- | --- |
| \`build-bench/ui/pellucors\`, stripped | $size_pellucors |
| \`build-bench/ui/pellucors\`, as built (Release) | $size_unstripped |
| baseline program, stripped | $size_baseline |

EOF
    if [ -f "$findings" ]; then
        cat "$findings"
    fi
} >BENCHMARKS.md

echo
echo "Start-up ratio (launch → first frame, offscreen / Xvfb): ${startup_ratios[*]} — $startup_verdict"
echo "Memory ratio (offscreen / Xvfb): ${memory_ratios[*]} — $memory_verdict"
echo "Handlers: ${handler_verdicts[*]}"
echo "Stripped pellucors: $size_pellucors bytes"
echo "Wrote $root/BENCHMARKS.md"
