# Sourced inside a Wine session: makes sure the prefix has a game folder
# (a demo one when the game is not installed) and sets
#   game, shots   the program's game and screenshot folders (Windows paths)
#   mdb           the Linux path of the game's "tidemark\mdb" folder
#   shots_linux   the Linux path of the screenshot folder

game_key='HKLM\Software\Brakemont\Operation Veldrun'
settings_key='HKCU\Software\VDRCamera'
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Wine's output goes to files, never to a pipe that the server could hold open.
registry_text() {
    if wine reg query "$1" /v "$2" >"$scratch/reg" 2>/dev/null </dev/null; then
        sed -n 's/^ *'"$2"' *REG_SZ *//p' "$scratch/reg" | tr -d '\r'
    fi
}
linux_path() {
    winepath -u "$1" >"$scratch/path" 2>/dev/null </dev/null
    tr -d '\r' <"$scratch/path" | sed 's|/$||; s|/dosdevices/c:|/drive_c|'
}

if [ -z "$(registry_text "$game_key" MAIN)" ]; then
    mkdir -p "$WINEPREFIX/drive_c/Veldrun Demo/tidemark/mdb"
    wine reg add "$game_key" /v MAIN /t REG_SZ /d 'C:\Veldrun Demo' /f >/dev/null 2>&1 </dev/null
    echo "No Operation Veldrun in this Wine prefix: made a demo game folder, C:\\Veldrun Demo."
fi

game=$(registry_text "$settings_key" VeldrunFolder)
[ -n "$game" ] || game=$(registry_text "$game_key" MAIN)
shots=$(registry_text "$settings_key" ScreenDir)
[ -n "$shots" ] || shots='C:\ScreenShots'
mdb=$(linux_path "$game\\tidemark\\mdb")
shots_linux=$(linux_path "$shots")
