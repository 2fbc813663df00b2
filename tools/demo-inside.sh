#!/bin/sh
set -eu
. tools/game-folder.sh

wine build/windows/bin/vdrcam.exe >/dev/null 2>&1 </dev/null &
camera=$!
# The program has started once it has stored its settings.
tries=0
while [ -z "$(registry_text "$settings_key" ScreenDir)" ] && [ $tries -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
sleep 1
ls -1 "$shots_linux" 2>/dev/null | sort >"$scratch/before" || true

echo "The game's script runs in $mdb;"
echo "the player presses H at passes 2, 4 and 5 (one pass a second):"
wine build/windows/bin/gamesim.exe --folder "$game\\tidemark\\mdb" --keys 010110 --pause 1000 \
    --wait-reply >"$scratch/game" 2>&1 </dev/null || true
tr -d '\r' <"$scratch/game" | sed 's/^/  /'

echo
echo "New photos in $shots_linux:"
ls -1 "$shots_linux" | sort >"$scratch/after"
comm -13 "$scratch/before" "$scratch/after" | while read -r name; do
    printf '  %s (%s bytes)\n' "$name" "$(stat -c %s "$shots_linux/$name")"
done
printf '\nThe reply file now holds: '
tr -d '\r' <"$mdb/currentPhoto.db"

kill "$camera" 2>/dev/null || true
