#!/usr/bin/env bash
# Builds the core's libFuzzer targets with clang (the fuzz preset, in
# build-fuzz) and runs each for a bounded time on a copy of its seed corpus in
# fuzz/corpus/, so the committed corpus stays as it is. A crash, a sanitizer report, a broken
# property, a slow input or running out of memory fails the run; the input
# that did it is kept in build-fuzz/findings/ and replays with
#   build-fuzz/fuzz/<target> build-fuzz/findings/<file>
# PELLUCORS_FUZZ_SECONDS sets the time per target (default 30). A longer run
# for developers, keeping what it learns in the committed corpus:
#   PELLUCORS_FUZZ_SECONDS=3600 PELLUCORS_FUZZ_KEEP=1 bash scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${PELLUCORS_FUZZ_SECONDS:-30}"
build="build-fuzz"
targets=(fuzz_number_text fuzz_station_chain fuzz_gps_log)

cmake --workflow --preset fuzz

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
findings="$build/findings"
mkdir -p "$findings"

failed=()
for target in "${targets[@]}"; do
    corpus="$work/$target"
    mkdir -p "$corpus"
    cp fuzz/corpus/"$target"/* "$corpus"/
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384
        -print_final_stats=1 -artifact_prefix="$findings/$target-")
    [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
    echo "fuzzing $target for ${seconds} s"
    if "$build/fuzz/$target" "${options[@]}" "$corpus" >"$work/$target.log" 2>&1; then
        runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")"
        echo "$target: ${runs:-?} inputs, no finding"
    else
        tail -n 60 "$work/$target.log"
        echo "$target: FINDING (input kept in $findings/)" >&2
        failed+=("$target")
    fi
    if [ "${PELLUCORS_FUZZ_KEEP:-0}" = 1 ]; then
        # Keeps only inputs that add coverage to the committed corpus.
        "$build/fuzz/$target" -merge=1 fuzz/corpus/"$target" "$corpus" >/dev/null 2>&1
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzzing found problems in: ${failed[*]}" >&2
    exit 1
fi
