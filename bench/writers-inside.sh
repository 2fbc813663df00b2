#!/bin/sh
# Inside a Wine session: photos per press of vdrcam.exe for two writers of
# the request other than the game's script. One holds its request two
# seconds, letting others delete it meanwhile; the other holds it 300 ms
# before writing it, while another program floods the folder with files of
# other names as fast as it can.
#   writers-inside.sh OUTPUT BIN_FOLDER [CAMERA_FOLDER]
set -eu
out=$1
bin=$2
camera=${3:-$2}
root=$WINEPREFIX/drive_c/vdrcam-writers
rm -rf "$root"
mkdir -p "$root/game/tidemark/mdb" "$root/shots"
key='HKEY_CURRENT_USER\Software\VDRCamera'
wine reg add "$key" /v VeldrunFolder /d 'C:\vdrcam-writers\game' /f >/dev/null 2>&1 </dev/null
wine reg add "$key" /v ScreenDir /d 'C:\vdrcam-writers\shots' /f >/dev/null 2>&1 </dev/null
wine "$camera/vdrcam.exe" >/dev/null 2>&1 </dev/null &
pid=$!
sleep 5
mdb='C:\vdrcam-writers\game\tidemark\mdb'
photos() { ls "$root/shots" | grep -c '^_bmp_' || true; }
# Each press deletes the request first, as the game's script does at every pass.
presses() {
    count=$1
    shift
    while [ "$count" -gt 0 ]; do
        rm -f "$root/game/tidemark/mdb/takePhoto.db"
        wine "$bin/interferer.exe" 'C:\vdrcam-writers\ready' "$@" "$mdb\\takePhoto.db" \
            >/dev/null 2>&1 </dev/null || true
        sleep 1
        count=$((count - 1))
    done
}
presses 10 2000 write-and-hold-sharing-all
shared=$(photos)
wine "$bin/interferer.exe" 'C:\vdrcam-writers\flooding' 120000 flood "$mdb" >/dev/null 2>&1 </dev/null &
flood=$!
sleep 1
presses 6 300 hold-then-write
flooded=$(($(photos) - shared))
kill "$flood" 2>/dev/null || true
{
    echo "held 2 s, sharing deletion: $shared photos for 10 presses"
    echo "held 300 ms before writing, in a flood of other files: $flooded photos for 6 presses"
} >"$out"
kill "$pid" 2>/dev/null || true
wine reg delete "$key" /f >/dev/null 2>&1 </dev/null || true
rm -rf "$root"
