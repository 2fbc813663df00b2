#!/bin/sh
# Runs inside a Wine session (see wine-session.sh): makes sure a game folder
# exists, says where the files of the exchange are, then starts the program.
set -eu
. tools/game-folder.sh

echo
echo "VDR Camera runs in the Wine prefix $WINEPREFIX (display $DISPLAY)."
echo "  Ask for a photo:      touch \"$mdb/takePhoto.db\""
echo "  Photos land in:       $shots_linux"
echo "  The reply appears in: $mdb/currentPhoto.db"
echo "Close the VDR Camera window, or press Ctrl+C, to stop."
echo

wine build/windows/bin/vdrcam.exe >/dev/null 2>&1 </dev/null
