#!/bin/sh
# Runs inside a Wine session (see wine-session.sh): makes sure a game folder
# exists, says where the files of the exchange are, then starts the program.
set -eu
. tools/game-folder.sh

# Windows names its System Information tool in the registry. Wine ships the
# tool without the name; naming it lets "System Info..." in the help window start it.
tool_key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
if [ -z "$(registry_text "$tool_key" PATH)" ] &&
    [ -f "$WINEPREFIX/drive_c/windows/system32/msinfo32.exe" ]; then
    wine reg add "$tool_key" /v PATH /t REG_SZ /d 'C:\windows\system32\msinfo32.exe' /f \
        >/dev/null 2>&1 </dev/null
fi

echo
echo "VDR Camera runs in the Wine prefix $WINEPREFIX (display $DISPLAY)."
echo "  Ask for a photo:      touch \"$mdb/takePhoto.db\""
echo "  Photos land in:       $shots_linux"
echo "  The reply appears in: $mdb/currentPhoto.db"
if [ -n "${VDR_PRIVATE_SCREEN:-}" ]; then
    echo "The window is on a private screen that nobody sees: ask for photos with the"
    echo "command above, and press Ctrl+C to stop."
else
    echo "Close the VDR Camera window, or press Ctrl+C, to stop."
fi
echo

wine build/windows/bin/vdrcam.exe >/dev/null 2>&1 </dev/null
