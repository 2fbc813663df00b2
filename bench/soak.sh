#!/bin/sh
# The soak test: 2,000 captures in one run of vdrcam.exe under Wine, with its
# memory and handle figures at start and end; then the host image pipeline
# (full-size and rescaled JPEGs) 2,000 times under valgrind's leak checker.
set -eu
cd "$(dirname "$0")/.."
captures=${SOAK_CAPTURES:-2000}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
samples=build/soak/memory-samples.txt
mkdir -p build/soak

echo "== Soak: $captures captures in one run of vdrcam.exe (800x600 screen) =="
VDR_SCREEN=800x600x24 tools/wine-session.sh build/soak/wineprefix \
    sh bench/soak-inside.sh "$captures" "$scratch/out" "$samples" || true
tr -d '\r' <"$scratch/out"
# The Linux side of the same process: anonymous resident memory, sampled
# twice a second. A sample may fall inside a capture and catch its passing
# buffers, so the median of the first ten samples after the warm-up is set
# against the median of the last ten.
awk 'function median(from, to,   i, j, n, v, t) {
         n = 0
         for (i = from; i <= to; i++) v[++n] = kb[i]
         for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
         return v[int((n + 1) / 2)]
     }
     { kb[NR] = $2; if ($2 > peak) peak = $2 }
     END {
         if (NR < 20) exit
         first = median(1, 10); last = median(NR - 9, NR)
         printf "Linux view: anonymous memory %d kB after warm-up, %d kB at the end (%+.2f%%), medians of ten samples; highest sample %d kB; %d samples in %s\n",
                first, last, 100 * (last - first) / first, peak, NR, FILENAME
     }' "$samples"
echo

echo "== Soak: the image pipeline $captures times under valgrind =="
valgrind --leak-check=full --show-leak-kinds=definite,indirect,possible --errors-for-leak-kinds=definite,indirect,possible \
    --error-exitcode=3 build/native/bin/pipeline_soak "$captures" >"$scratch/valgrind" 2>&1 || true
grep -E 'captures through|ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|All heap blocks were freed|in use at exit' \
    "$scratch/valgrind" | sed 's/^==[0-9]*== //'
