#!/bin/sh
# Starts vdrcam.exe under Wine in its own prefix (build/run/wineprefix), on
# the current display or, without one, on a private virtual screen.
set -eu
cd "$(dirname "$0")/.."
VDR_STOPPED="VDR Camera was stopped: Ctrl+C ended it and its Wine session." \
    exec tools/wine-session.sh build/run/wineprefix --keep-display tools/run-inside.sh "$@"
