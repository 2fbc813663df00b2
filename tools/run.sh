#!/bin/sh
# Starts vdrcam.exe under Wine in its own prefix (build/run/wineprefix), on
# the current display or, without one, on a private virtual screen.
set -eu
cd "$(dirname "$0")/.."
exec tools/wine-session.sh build/run/wineprefix --keep-display tools/run-inside.sh "$@"
