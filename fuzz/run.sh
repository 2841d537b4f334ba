#!/bin/sh
# Runs both fuzz targets of an existing fuzz-preset build for SECONDS each, in
# parallel, on working copies of their corpora under the build tree, and
# prints each target's executions and time. Builds nothing.
# Usage: fuzz/run.sh SECONDS   (QUOR_FUZZ_BUILD overrides build/fuzz)
set -eu
seconds=${1:?usage: fuzz/run.sh SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUOR_FUZZ_BUILD:-$root/build/fuzz}
work=$build/fuzz/run

run() {  # name, extra options...
    name=$1
    shift
    mkdir -p "$work/$name"
    "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$work/$name-" "$@" \
        "$work/$name" >"$work/$name.log" 2>&1
}

mkdir -p "$work/quor_fuzz_task_text"
cp "$root"/fuzz/corpus/task_text/* "$work/quor_fuzz_task_text/"
status=0
run quor_fuzz_task_text -dict="$root/fuzz/task_text.dict" & task_text=$!
run quor_fuzz_exports & exports=$!
wait $task_text || status=1
wait $exports || status=1

for name in quor_fuzz_task_text quor_fuzz_exports; do
    log=$work/$name.log
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    echo "$name: ${runs:-?} executions in ${time:-?} s (${rate:-?}/s), corpus $(ls "$work/$name" | wc -l) files, log $log"
    grep -E '^(SUMMARY|input|product|expected)' "$log" || true
done
exit $status
