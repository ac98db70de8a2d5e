#!/bin/bash
# Runs every fuzz target of a libFuzzer build for the given number of seconds, one
# after the other: make fuzz SECONDS=N. Each target starts from the seed corpus
# the build put together (BUILD/fuzz-corpus/NAME) and keeps what it finds in
# BUILD/fuzz-work/NAME; a crash is kept as BUILD/fuzz-work/NAME/crash-* and makes
# the run fail. A crash worth keeping goes to tests/fuzz/corpus/NAME, where CTest
# replays it.
set -u
build=${1:-build-fuzz}
seconds=${2:-60}
failed=0
for target in "$build"/tests/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    name=${name#fuzz_}
    work="$build/fuzz-work/$name"
    mkdir -p "$work/corpus" "$work/tmp"
    echo "== $name: $seconds s"
    if ! VERMIL_FUZZ_TMPDIR="$work/tmp" "$target" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" \
        "$build/fuzz-corpus/$name" >"$work/log.txt" 2>&1; then
        echo "   crash: see $work/log.txt"
        failed=1
    fi
    grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$work/log.txt" | tail -n 1
    grep -E 'stat::number_of_executed_units' "$work/log.txt"
done
exit $failed
