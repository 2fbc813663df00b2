#!/bin/sh
# Inside a Wine session: CPU time that vdrcam.exe, and the wineserver on its
# behalf, spend in one minute of polling with no request. With "huge", the
# stored game folder is two million characters long, as a hand-edited
# registry may leave it; with "churn", another program makes and deletes 75
# files a second beside the request. CAMERA_FOLDER holds the vdrcam.exe to
# measure (BIN_FOLDER's, unless given).
#   idle-inside.sh OUTPUT BIN_FOLDER [huge|churn] [CAMERA_FOLDER]
set -eu
out=$1
bin=$2
seconds=${IDLE_SECONDS:-60}
key='HKEY_CURRENT_USER\Software\VDRCamera'
if [ "${3:-}" = huge ]; then
    reg=$(mktemp --suffix=.reg)
    {
        printf 'REGEDIT4\r\n\r\n[%s]\r\n"VeldrunFolder"="C:\\\\' "$key"
        head -c 2000000 /dev/zero | tr '\0' 'v'
        printf '"\r\n'
    } >"$reg"
    wine regedit /S "$(winepath -w "$reg" 2>/dev/null </dev/null)" >/dev/null 2>&1 </dev/null
    rm -f "$reg"
else
    wine reg delete "$key" /f >/dev/null 2>&1 </dev/null || true
fi
if [ "${3:-}" = churn ]; then
    mkdir -p "$WINEPREFIX/drive_c/vdrcam-idle/tidemark/mdb"
    wine reg add "$key" /v VeldrunFolder /d 'C:\vdrcam-idle' /f >/dev/null 2>&1 </dev/null
    wine "$bin/interferer.exe" 'C:\vdrcam-idle\ready' $(((seconds + 10) * 1000)) flood \
        'C:\vdrcam-idle\tidemark\mdb' 75 >/dev/null 2>&1 </dev/null &
fi
wine "${4:-$bin}/vdrcam.exe" >/dev/null 2>&1 </dev/null &
sleep 5
camera=$(pgrep -n -f 'vdrcam\.exe')
server=$(pgrep -n wineserver)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
camera0=$(ticks "$camera")
server0=$(ticks "$server")
sleep "$seconds"
camera1=$(ticks "$camera")
server1=$(ticks "$server")
hz=$(getconf CLK_TCK)
awk -v c=$((camera1 - camera0)) -v s=$((server1 - server0)) -v hz="$hz" -v t="$seconds" 'BEGIN {
    printf "vdrcam.exe: %.2f CPU-seconds per minute (goal < 0.5)\n", c / hz * 60 / t
    printf "wineserver, for the same minute: %.2f CPU-seconds\n", s / hz * 60 / t
}' >"$out"
kill "$camera" 2>/dev/null || true
pkill -f 'interferer\.exe' 2>/dev/null || true
wine reg delete "$key" /f >/dev/null 2>&1 </dev/null || true
rm -rf "$WINEPREFIX/drive_c/vdrcam-idle"
