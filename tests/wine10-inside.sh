#!/bin/sh
# Inside the Debian 13 root that tools/wine10.sh makes: the Windows suites
# under its Wine, in prefixes of their own, the camera beside a full-screen
# game with a window manager, then the photo test under Wine's Wayland
# driver.
set -eu
cd "$(dirname "$0")/.."
# Every part runs; the run fails when any did.
failed=
echo "== $(wine --version) on Debian $(cat /etc/debian_version) =="
VDR_WINEPREFIX=build/wine10/prefix64 tools/test-build.sh windows || failed="$failed 64-bit"
if tools/wine32.sh check; then
    # 32-bit Wine 10 stops the thread of a window that covers the screen
    # when it is told to manage no window (Managed=N, the sessions' setting
    # without a window manager). The stand-in game keeps Wine's default, as
    # a player's game has it; the camera stays unmanaged.
    WINEARCH=win32 tools/wine-session.sh build/wine10/prefix32 wine reg add \
        'HKCU\Software\Wine\AppDefaults\interferer.exe\X11 Driver' /v Managed /d Y /f
    VDR_WINEPREFIX=build/wine10/prefix32 tools/test-build.sh windows32 || failed="$failed 32-bit"
fi

# The camera started beside a full-screen game once more with a window
# manager, a small one, as on a player's desktop.
echo "== The same beside a window manager (twm) =="
VDR_MANAGED=yes WINEARCH=win64 tools/wine-session.sh build/wine10/prefix64 sh -c '
    twm >/dev/null 2>&1 &
    ctest --preset windows -L managed' || failed="$failed window-manager"

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
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d wayland /f >/dev/null &&
    VDR_EXPECT_BLACK_COPIES=1 wine build/windows/bin/capture_tests.exe \
        --gtest_filter='PrintScreenTest.TheCaptionSaysSo*' || failed="$failed Wayland"
wineserver -k 2>/dev/null || true
kill "$weston" 2>/dev/null || true
if [ -n "$failed" ]; then
    echo "Under $(wine --version), failed:$failed"
    exit 1
fi
echo "Under $(wine --version), everything passed."
