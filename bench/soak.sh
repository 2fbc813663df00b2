#!/bin/sh
# The soak test: 2,000 captures in one run of vdrcam.exe under Wine, with its
# memory and handle figures at start and end; then the host image pipeline
# (full-size and rescaled JPEGs) 2,000 times under valgrind's leak checker.
set -eu
cd "$(dirname "$0")/.."
captures=${SOAK_CAPTURES:-2000}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "== Soak: $captures captures in one run of vdrcam.exe (800x600 screen) =="
VDR_SCREEN=800x600x24 tools/wine-session.sh build/soak/wineprefix \
    sh bench/soak-inside.sh "$captures" "$scratch/out" "$scratch/memory" || true
tr -d '\r' <"$scratch/out"
# The Linux side of the same process: anonymous resident memory, sampled
# every few seconds; the first sample after the warm-up against the last.
awk 'NR == 1 { first = $2 } { last = $2; n = NR }
     END { if (n > 1) printf "Linux view: anonymous memory %d kB after warm-up, %d kB at the end (%+.2f%%), %d samples\n", first, last, 100 * (last - first) / first, n }' \
    "$scratch/memory"
echo

echo "== Soak: the image pipeline $captures times under valgrind =="
valgrind --leak-check=full --show-leak-kinds=definite,indirect,possible --errors-for-leak-kinds=definite,indirect,possible \
    --error-exitcode=3 build/native/bin/pipeline_soak "$captures" >"$scratch/valgrind" 2>&1 || true
grep -E 'captures through|ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|All heap blocks were freed|in use at exit' \
    "$scratch/valgrind" | sed 's/^==[0-9]*== //'
