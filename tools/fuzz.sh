#!/bin/sh
# Fuzzes every target of the sanitizer build for FUZZ_SECONDS each (60 by
# default), starting from its seeds in tests/fuzz/corpus, and prints
# libFuzzer's own summary of each. New inputs go to build/sanitize/fuzz-found;
# a failing one is kept there too, for its input to join the seeds once the
# fault is mended.
set -eu
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
status=0
for target in fuzz_numbers fuzz_registry fuzz_names; do
    found=build/sanitize/fuzz-found/$target
    mkdir -p "$found"
    echo "== $target, $seconds s =="
    build/sanitize/bin/$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$found-" "$found" "tests/fuzz/corpus/$target" 2>&1 |
        grep -E '^(Done|stat::|==[0-9]+==|SUMMARY|INFO: seed corpus)' || true
    [ -z "$(ls "$found"-* 2>/dev/null)" ] || status=1
done
exit $status
