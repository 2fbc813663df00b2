#!/bin/sh
# Inside a Wine session: request to reply as players have it, for vdrcam.exe
# and, in alternating blocks in the same conditions, the least camera. The
# requests come from another process (a Linux program, as a game under Wine
# is to the camera's files; with a second writer named, also a Windows
# program in the prefix), photos are kept as they come, and the photo folder
# holds what a player's does: none, or thousands of photos, as _bmp_N.bmp
# and N.jpg mixed, or only as N.jpg. Each block starts the program afresh:
# its first press is a run's first.
#   players-inside.sh OUTPUT BIN_FOLDER LINUX_WRITER FOLDERS_ROOT [CAMERA_FOLDER]
# FOLDERS_ROOT holds one folder of photos for each kind named in
# VDR_BENCH_FOLDERS (default "empty mixed20000 jpeg20000 mixed100000
# jpeg100000"), made once (bench/make-photos.py).
set -eu
out=$1
bin=$2
linux_writer=$3
root=$4
camera=${5:-$2}
presses=${VDR_BENCH_PRESSES:-20}
blocks=${VDR_BENCH_BLOCKS:-2}
game=$root/game
mdb=$game/tidemark/mdb
mkdir -p "$mdb"
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
key='HKEY_CURRENT_USER\Software\VDRCamera'
wine reg add "$key" /v VeldrunFolder /d "$(winpath "$game")" /f >/dev/null 2>&1 </dev/null
: >"$out"
: >"$out.raw"
screen=$(xwininfo -root 2>/dev/null | awk '/Width/ {w=$2} /Height/ {h=$2} END {print w "x" h}')
# What the machine adds to any program's first photo: the system's first
# read of a screen-sized buffer (built beside the Linux writer). The rows
# do not need it, so a failed probe does not stop them.
first_write=$(dirname "$linux_writer")/first_write
if [ -x "$first_write" ]; then
    "$first_write" "$root" "$(echo "$screen" | awk -Fx '{print $1 * $2 * 4}')" >>"$out" ||
        true
fi

# The photos a block added: numbers from the folder's own count on.
reset_folder() {
    python3 - "$1" "$2" <<'PY'
import os, sys
folder, first = sys.argv[1], int(sys.argv[2])
for name in os.listdir(folder):
    stem = name[5:-4] if name.startswith('_bmp_') and name.endswith('.bmp') else None
    if stem and stem.isdigit() and int(stem) >= first:
        os.remove(os.path.join(folder, name))
PY
}

# Milliseconds on a clock the shell can read.
now_ms() { python3 -c 'import time; print(int(time.monotonic() * 1000))'; }
# Waits for the camera's window to be shown (or a while); the milliseconds
# since `begun`.
window_up() {
    tries=0
    while ! xwininfo -name "VDR Camera" 2>/dev/null | grep -q IsViewable; do
        tries=$((tries + 1))
        [ $tries -lt 500 ] || break
        sleep 0.02
    done
    echo $(($(now_ms) - $1))
}

# One block: the program started, the presses made, the program ended. A
# player starts the camera before playing: the presses begin 3 s after the
# window is up (the least camera is given as long).
block() {
    who=$1 folder=$2 first=$3 writer=$4
    if [ "$who" = camera ]; then
        wine reg add "$key" /v ScreenDir /d "$(winpath "$folder")" /f >/dev/null 2>&1 </dev/null
        begun=$(now_ms)
        echo "=== block" >>"$root/steps"
        VDRCAM_PHOTO_STEPS="$(winpath "$root/steps")" wine "$camera/vdrcam.exe" >/dev/null 2>&1 </dev/null &
        pid=$!
        echo "$who start $(window_up "$begun")" >>"$out.raw"
    else
        wine "$bin/least_camera.exe" "$(winpath "$mdb")" "$(winpath "$folder")" "$first" \
            >/dev/null 2>&1 </dev/null &
        pid=$!
        sleep 1
    fi
    sleep 3
    if [ "$writer" = linux ]; then
        "$linux_writer" "$mdb" "$presses" >"$root/latencies"
    else
        wine "$bin/game_writer.exe" "$(winpath "$mdb")" "$presses" >"$root/latencies" 2>/dev/null </dev/null
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -f "$mdb/takePhoto.db"
    tr -d '\r' <"$root/latencies" | awk -v who="$who" 'NR == 1 {print who " first " $1; next} {print who " press " $1}' >>"$out.raw"
    reset_folder "$folder" "$first"
}

for kind in ${VDR_BENCH_FOLDERS:-empty mixed20000 jpeg20000 mixed100000 jpeg100000}; do
    folder=$root/photos-$kind
    count=$(echo "$kind" | tr -dc 0-9)
    first=${count:-0}
    for writer in linux ${VDR_BENCH_WINDOWS_WRITER:+windows}; do
        : >"$out.raw"
        : >"$root/steps"
        n=0
        while [ $n -lt "$blocks" ]; do
            block camera "$folder" "$first" "$writer"
            block least "$folder" "$first" "$writer"
            n=$((n + 1))
        done
        python3 - "$out.raw" "$screen" "$kind" "$writer" >>"$out" <<'PY'
import sys
raw, screen, kind, writer = sys.argv[1:]
figures = {}
for line in open(raw):
    who, what, value = line.split()
    figures.setdefault((who, what), []).append(value)
def stats(values):
    lost = sum(1 for v in values if v == 'lost')
    got = sorted(float(v) for v in values if v != 'lost')
    if not got:
        return None, None, lost
    at = lambda p: got[min(len(got) - 1, int(p / 100 * (len(got) - 1) + 0.5))]
    return at(50), at(95), lost
cm, c95, clost = stats(figures.get(('camera', 'press'), []))
lm, l95, llost = stats(figures.get(('least', 'press'), []))
firsts = [v for v in figures.get(('camera', 'first'), [])]
leastFirsts = [v for v in figures.get(('least', 'first'), [])]
starts = [v for v in figures.get(('camera', 'start'), [])]
def f(v):
    return '-' if v is None else '%.1f' % v
ratio = '-' if cm is None or lm is None else '%.2fx / %.2fx' % (cm / lm, c95 / l95)
goal = '-' if cm is None or lm is None else (
    'met' if cm <= 1.05 * lm + 3 and c95 <= 1.3 * l95 + 5 and
    all(x != 'lost' and float(x) <= cm + 5 for x in firsts) else 'not met')
print(f"{screen} | {kind} | {writer} writer | camera {f(cm)} / {f(c95)} ms, first presses "
      f"{' '.join(firsts)} ms, lost {clost}, start {' '.join(starts)} ms | least camera "
      f"{f(lm)} / {f(l95)} ms, first presses {' '.join(leastFirsts)} ms, lost {llost} | "
      f"ratio {ratio} | goal {goal}")
PY
        python3 - "$root/steps" >>"$out" <<'PY'
import statistics, sys
# The camera's own log of its photos' steps: for each step, the run's first
# photo (the mean over the blocks) beside the median of the others.
steps = ['number probe', 'copy', 'read-out', 'BMP write', 'reply']
firsts, others = {}, {}
for block in open(sys.argv[1], newline='').read().split('=== block')[1:]:
    last, woken, photo = None, None, 0
    for line in block.split('\r\n'):
        if ' ' not in line:
            continue
        at, step = line.split(' ', 1)
        at = float(at)
        if step == 'wait for the request':
            woken = at
        elif step in steps:
            begun = woken if step == 'number probe' else last
            if begun is not None:
                kept = firsts if photo == 0 else others
                kept.setdefault(step, []).append(at - begun)
            if step == 'reply':
                photo, woken = photo + 1, None
        last = at
def shown(step):
    return '%s %.1f / %.1f' % (step, statistics.mean(firsts[step]), statistics.median(others[step]))
print('camera steps, first photo / median of the others (ms; number probe from the wake): ' +
      ', '.join(shown(step) for step in steps if firsts.get(step) and others.get(step)))
PY
    done
done
wine reg delete "$key" /f >/dev/null 2>&1 </dev/null || true
rm -f "$out.raw" "$root/latencies" "$root/steps"
