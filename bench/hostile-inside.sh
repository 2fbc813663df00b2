#!/bin/sh
# Inside a Wine session: what vdrcam.exe does in a hostile world, photos
# counted per press. The game's folder replaced under the running camera
# while a writer holds its requests; a folder named takePhoto.db, then the
# game's presses; FreeImage.dll emptied in place while the camera runs with
# JPEGs; a read-only request.
#   hostile-inside.sh OUTPUT BIN_FOLDER [CAMERA_FOLDER]
set -eu
out=$1
bin=$2
camera=${3:-$2}
root=$WINEPREFIX/drive_c/vdrcam-hostile
key='HKEY_CURRENT_USER\Software\VDRCamera'
mdb=$root/game/tidemark/mdb
winmdb='C:\vdrcam-hostile\game\tidemark\mdb'
: >"$out"

start() {
    rm -rf "$root"
    mkdir -p "$mdb" "$root/shots" "$root/install"
    cp "$camera/vdrcam.exe" "$root/install/"
    cp "$bin/FreeImage.dll" "$root/install/" 2>/dev/null || true
    wine reg add "$key" /v VeldrunFolder /d 'C:\vdrcam-hostile\game' /f >/dev/null 2>&1 </dev/null
    wine reg add "$key" /v ScreenDir /d 'C:\vdrcam-hostile\shots' /f >/dev/null 2>&1 </dev/null
    wine reg add "$key" /v Resize /d "${1:-0}" /f >/dev/null 2>&1 </dev/null
    wine "$root/install/vdrcam.exe" >/dev/null 2>&1 </dev/null &
    pid=$!
    sleep 4
}
stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    wine reg delete "$key" /f >/dev/null 2>&1 </dev/null || true
}
photos() { ls "$root/shots" | grep -c "^_bmp_" || true; }
game() { wine "$bin/gamesim.exe" --folder "$winmdb" --pause "$2" ${3:-} --keys "$1" >/dev/null 2>&1 </dev/null || true; }
caption() { xwininfo -root -tree 2>/dev/null | grep -o '"VDR Camera[^"]*"' | head -n 1; }

# The folder deleted with all in it and made again, from Linux, as a game
# reinstalling its extension may; the game holds each request while it writes.
start
game 1 1000 --hold-request
rm -rf "$mdb" && mkdir "$mdb"
sleep 1.5
before=$(photos)
game 1111111111 1000 --hold-request
sleep 1.5
echo "the game's folder replaced, requests held while written: $(($(photos) - before)) photos for 10 presses" >>"$out"
stop

# A folder under the request's name: no request; then the game's presses.
start
mkdir "$mdb/takePhoto.db"
sleep 1.5
folder=$(photos)
reply=$(tr -d '\r\n' <"$mdb/currentPhoto.db" 2>/dev/null || echo none)
sign=$(caption)
rmdir "$mdb/takePhoto.db" 2>/dev/null || rm -rf "$mdb/takePhoto.db"
game 111 1000
sleep 1.5
echo "a folder named takePhoto.db: $folder photos, reply $reply, caption $sign; then $(($(photos) - folder)) photos for 3 presses" >>"$out"
stop

# FreeImage.dll emptied in place after the first JPEG, JPEGs on.
start 1
game 1 1000
sleep 1
: >"$root/install/FreeImage.dll"
game 11 1000
sleep 3
alive=no
kill -0 "$pid" 2>/dev/null && alive=yes
jpegs=$(ls "$root/shots" | grep -c '\.jpg$' || true)
echo "FreeImage.dll emptied in place after the first JPEG: $jpegs JPEGs for 3 photos, camera running: $alive, caption $(caption)" >>"$out"
stop

# A read-only request.
start
printf 'take 1' >"$mdb/takePhoto.db"
chmod a-w "$mdb/takePhoto.db"
sleep 1.5
left=no
[ -e "$mdb/takePhoto.db" ] && left=yes
echo "a read-only takePhoto.db: $(photos) photos, left there: $left, caption $(caption)" >>"$out"
chmod u+w "$mdb/takePhoto.db"
stop
rm -rf "$root"
