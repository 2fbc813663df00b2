#!/bin/sh
# Inside the Debian 13 root that tools/wine10.sh makes: the Windows suites
# under its Wine, in prefixes of their own, then the photo test under Wine's
# Wayland driver.
set -eu
cd "$(dirname "$0")/.."
echo "== $(wine --version) on Debian $(cat /etc/debian_version) =="
VDR_WINEPREFIX=build/wine10/prefix64 tools/test-build.sh windows
if tools/wine32.sh check; then
    VDR_WINEPREFIX=build/wine10/prefix32 tools/test-build.sh windows32
fi

# Under the Wayland driver, on a headless weston with no X display: every
# copy is black, and the camera must say so.
echo "== Wine's Wayland driver, on a headless weston =="
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR WAYLAND_DISPLAY=vdr-wayland
weston --backend=headless --renderer=pixman --socket="$WAYLAND_DISPLAY" \
    --width=1920 --height=1080 >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
weston=$!
tries=0
until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ]; then
        cat "$XDG_RUNTIME_DIR/weston.log" >&2
        exit 1
    fi
    sleep 0.1
done
unset DISPLAY
WINEPREFIX=$(pwd)/build/wine10/prefix-wayland WINEARCH=win64 WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES
status=0
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d wayland /f >/dev/null &&
    VDR_EXPECT_BLACK_COPIES=1 wine build/windows/bin/capture_tests.exe \
        --gtest_filter='PrintScreenTest.TheCaptionSaysSo*' || status=$?
wineserver -k 2>/dev/null || true
kill "$weston" 2>/dev/null || true
exit $status
