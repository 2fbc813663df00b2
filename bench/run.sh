#!/bin/sh
# The benchmark: per-capture figures, request-to-reply latency, the idle
# cost of waiting for requests, then the soak test. Everything is printed
# and written to bench/results.txt with the machine it ran on. With
# BENCH_BEFORE=COMMIT, that commit's vdrcam.exe is built apart and its
# request-to-reply latency measured by the same benchmark in the same run.
set -eu
cd "$(dirname "$0")/.."
results=bench/results.txt
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

say() { printf '%s\n' "$*" | tee -a "$results"; }
# One build's programs in a prefix of its own architecture: 64 or 32.
session() {
    bits=$1
    shift
    if [ "$bits" = 32 ]; then
        WINEARCH=win32 tools/wine-session.sh build/bench32/wineprefix "$@"
    else
        WINEARCH=win64 tools/wine-session.sh build/bench/wineprefix "$@"
    fi
}
bin() { [ "$1" = 32 ] && echo build/windows32/bin || echo build/windows/bin; }
# Wine programs write to files, never into a pipe that Wine could hold open.
wine_run() {
    session "$1" sh -c "wine $(bin "$1")/$2 >'$scratch/out' 2>&1 </dev/null" || true
    tr -d '\r' <"$scratch/out" | tee -a "$results"
}

: >"$results"
builds=64
tools/wine32.sh check >"$scratch/why" && builds="64 32"
say "VDR Camera benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git rev-parse --short HEAD 2>/dev/null || echo unknown)"
say "Machine: $(uname -srm); $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'), $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo)"
cat "$scratch/why" | tee -a "$results"
say "Wine $(wine --version 2>/dev/null </dev/null | tr -d '\r'), Xvfb screens at 24 bits; FreeImage $(dpkg-query -W -f='${Version}' libfreeimage3 2>/dev/null || echo '?') in the host build"
say ""

say "== Storing one photo (host build, real FreeImage; median ms of 5 runs) =="
build/native/bin/pipeline_bench 5 | tee -a "$results"
say ""

say "== Copying the screen under Wine (64-bit build, median ms of 10 runs) =="
say "(Wine never puts a bitmap on the clipboard for Print Screen, so the camera copies the screen directly there; the Print Screen route, forced, is the bounded wait followed by the direct copy.)"
for size in 1280x720 1920x1080 3840x2160; do
    VDR_SCREEN=${size}x24 wine_run 64 "capture_bench.exe 10"
done
say ""

for bits in $builds; do
    for size in 1920x1080 3840x2160; do
        say "== Where a photo's time goes ($bits-bit build, $size screen; each step from the end of the one before) =="
        VDR_SCREEN=${size}x24 wine_run "$bits" "photo_steps_bench.exe 40"
        say ""
    done
done

if [ -n "${BENCH_BEFORE:-}" ]; then
    before=build/before
    rm -rf "$before"
    git worktree prune
    git worktree add --detach "$before" "$BENCH_BEFORE" >/dev/null
    for preset in $( [ "$builds" = 64 ] && echo windows || echo "windows windows32"); do
        (cd "$before" && cmake --preset "$preset" -DBUILD_TESTING=OFF >/dev/null &&
            cmake --build --preset "$preset" --target vdrcam >/dev/null)
    done
fi
for bits in $builds; do
    for size in 1920x1080 3840x2160; do
        say "== Request to reply, BMP only ($bits-bit build, $size screen) =="
        VDR_SCREEN=${size}x24 wine_run "$bits" "latency_bench.exe 120 30"
        if [ -n "${BENCH_BEFORE:-}" ]; then
            say "-- the same for commit $(git rev-parse --short "$BENCH_BEFORE"):"
            VDR_BENCH_CAMERA="Z:$(cd "$before/$(bin "$bits")" && pwd | tr / '\\')" \
                VDR_SCREEN=${size}x24 wine_run "$bits" "latency_bench.exe 120 30"
        fi
        say ""
    done
done

# Where players take photos: requests from another process, photos kept,
# folders of thousands of photos, beside the least camera in alternating
# blocks (bench/players-inside.sh).
python3 bench/make-photos.py build/bench-photos empty mixed20000 jpeg20000 mixed100000 jpeg100000
for bits in $builds; do
    for size in 1920x1080 3840x2160; do
        say "== Request to reply where players take photos ($bits-bit build, $size screen; median / 95th percentile) =="
        windows_writer=
        [ "$size" = 1920x1080 ] && windows_writer=yes
        VDR_SCREEN=${size}x24 VDR_BENCH_WINDOWS_WRITER=$windows_writer session "$bits" \
            sh bench/players-inside.sh "$scratch/players" "$(bin "$bits")" \
            "$(pwd)/build/native/bin/game_writer" "$(pwd)/build/bench-photos" || true
        tee -a "$results" <"$scratch/players"
        if [ -n "${BENCH_BEFORE:-}" ]; then
            say "-- the same for commit $(git rev-parse --short "$BENCH_BEFORE"):"
            VDR_SCREEN=${size}x24 VDR_BENCH_PRESSES=10 session "$bits" \
                sh bench/players-inside.sh "$scratch/players" "$(bin "$bits")" \
                "$(pwd)/build/native/bin/game_writer" "$(pwd)/build/bench-photos" \
                "$(cd "$before/$(bin "$bits")" && pwd)" || true
            tee -a "$results" <"$scratch/players"
        fi
        say ""
    done
done

for bits in $builds; do
    say "== Request to reply with a full-size JPEG of every photo ($bits-bit build, 3840x2160 screen) =="
    VDR_SCREEN=3840x2160x24 wine_run "$bits" "latency_bench.exe 40 10 jpeg"
    say ""
    say "== Request to reply with every photo rescaled to a 6000x4000 JPEG ($bits-bit build, 1920x1080 screen) =="
    VDR_SCREEN=1920x1080x24 wine_run "$bits" "latency_bench.exe 10 3 6000x4000"
    say ""
done

for bits in $builds; do
    say "== Idle cost of polling ($bits-bit build, no request, 60 s, 1280x1024 screen) =="
    session "$bits" sh bench/idle-inside.sh "$scratch/idle" "$(bin "$bits")" || true
    tee -a "$results" <"$scratch/idle"
    say "-- the same with a stored game folder of two million characters:"
    session "$bits" sh bench/idle-inside.sh "$scratch/idle" "$(bin "$bits")" huge || true
    tee -a "$results" <"$scratch/idle"
    say "-- the same with 75 other files made and deleted a second beside the request:"
    session "$bits" sh bench/idle-inside.sh "$scratch/idle" "$(bin "$bits")" churn || true
    tee -a "$results" <"$scratch/idle"
    say ""
done

for bits in $builds; do
    say "== Photos per press for writers other than the game's script ($bits-bit build) =="
    session "$bits" sh bench/writers-inside.sh "$scratch/writers" "$(bin "$bits")" || true
    tee -a "$results" <"$scratch/writers"
    say ""
done

for bits in $builds; do
    say "== A hostile world: the folder replaced, a folder as the request, FreeImage.dll emptied, a read-only request ($bits-bit build) =="
    session "$bits" sh bench/hostile-inside.sh "$scratch/hostile" "$(bin "$bits")" || true
    tee -a "$results" <"$scratch/hostile"
    if [ -n "${BENCH_BEFORE:-}" ]; then
        say "-- the same for commit $(git rev-parse --short "$BENCH_BEFORE"):"
        session "$bits" sh bench/hostile-inside.sh "$scratch/hostile" "$(bin "$bits")" \
            "$(cd "$before/$(bin "$bits")" && pwd)" || true
        tee -a "$results" <"$scratch/hostile"
    fi
    say ""
done

bench/soak.sh | tee -a "$results"
echo "Written to $results"
