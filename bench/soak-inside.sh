#!/bin/sh
# Inside a Wine session: runs the soak driver and, beside it, samples the
# anonymous resident memory (RssAnon) of the vdrcam.exe process it started,
# twice a second.
set -eu
captures=$1
out=$2
memory=$3
wine build/windows/bin/soak_driver.exe "$captures" >"$out" 2>&1 </dev/null &
driver=$!
: >"$memory"
camera=
while kill -0 "$driver" 2>/dev/null; do
    # Sampling starts once the driver has finished its warm-up; by then the
    # program's process is the one that stays.
    if grep -q '^start' "$out" 2>/dev/null; then
        [ -d "/proc/$camera" ] && [ -n "$camera" ] || camera=$(pgrep -n -f 'vdrcam\.exe' || true)
        [ -n "$camera" ] &&
            awk -v t="$(date +%s)" '/^RssAnon:/ { print t, $2 }' "/proc/$camera/status" >>"$memory" 2>/dev/null || true
    fi
    sleep 0.5
done
wait "$driver" || true
