#!/bin/sh
# One Windows build's tests: under Wine in the build's own prefix (a 32-bit
# prefix for the 32-bit build), then the photo test once more on a display
# of two screens of different sizes. Where Wine cannot run the build, its
# files are checked and the reason said.
#   tools/test-build.sh windows|windows32
set -eu
cd "$(dirname "$0")/.."
preset=$1
case $preset in
windows) arch=win64 bits=64 ;;
windows32) arch=win32 bits=32 ;;
*)
    echo "usage: $0 windows|windows32" >&2
    exit 2
    ;;
esac
echo "== The $bits-bit build =="
if [ "$arch" = win32 ] && ! tools/wine32.sh check; then
    exec ctest --preset "$preset"
fi
prefix=${VDR_WINEPREFIX:-build/$preset/wineprefix}
export WINEARCH=$arch
tools/wine-session.sh "$prefix" ctest --preset "$preset" -LE "two_screens|dpi144|managed"
VDR_LOGPIXELS=144 tools/wine-session.sh "$prefix" ctest --preset "$preset" -L dpi144
VDR_MANAGED=yes tools/wine-session.sh "$prefix" ctest --preset "$preset" -L managed
# Wine sees the primary screen apart from the whole there.
VDR_XVFB_SCREENS="+xinerama -extension RANDR -screen 0 800x600x24 -screen 1 1024x768x24" \
    tools/wine-session.sh "$prefix" ctest --preset "$preset" -L two_screens
# Ctrl+C ends a session and its programs, as `make run` has it in a terminal.
if [ "$arch" = win64 ]; then
    tests/ctrl-c.sh "$prefix" "build/$preset/bin/vdrcam.exe"
fi
