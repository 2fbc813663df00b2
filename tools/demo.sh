#!/bin/sh
# The whole exchange in one command: vdrcam.exe runs against the demo game
# folder of "make run" while the game-side simulator presses the photo key
# three times; the photos and replies that came back are listed.
set -eu
cd "$(dirname "$0")/.."
VDR_STOPPED="The demo was stopped: Ctrl+C ended it and its Wine session." \
    exec tools/wine-session.sh build/run/wineprefix --keep-display tools/demo-inside.sh
