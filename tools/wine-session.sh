#!/bin/sh
# Runs a command with a private Wine prefix, a persistent wineserver and a
# virtual X display, and tears them down afterwards.
#   tools/wine-session.sh PREFIX_DIR [--keep-display] COMMAND...
# With --keep-display an existing $DISPLAY is used; otherwise a private Xvfb
# screen (1280x1024, 24 bits, or VDR_SCREEN) is started so test windows never
# land on a real desktop. VDR_XVFB_SCREENS replaces Xvfb's screen arguments.
# WINEARCH=win32 asks for a 32-bit prefix; otherwise it is a 64-bit one.
# Ctrl+C ends the session, its Wine programs with it, and says so last
# (VDR_STOPPED, or a plain line); being how a session is meant to be
# stopped, it is no failure: the exit status is 0.
# VDR_LOGPIXELS=N gives the session a screen of N DPI; VDR_MANAGED=yes
# leaves a private screen's windows to be managed, as on a player's display.
set -eu

prefix=$1
shift
use_display=no
if [ "${1:-}" = "--keep-display" ]; then
    use_display=yes
    shift
fi

# A prefix of the other architecture cannot be used at all, and a 64-bit
# one made before 32-bit Wine was installed has no 32-bit system: every wine
# command in it then fails, 64-bit ones too. Either is made again.
arch=${WINEARCH:-win64}
if [ -f "$prefix/system.reg" ]; then
    made=$(sed -n 's/^#arch=//p' "$prefix/system.reg")
    if [ "$made" != "$arch" ]; then
        echo "The Wine prefix $prefix is $made, not $arch: making it again."
        rm -rf "$prefix"
    elif [ "$arch" = win64 ] && /usr/lib/wine/wine --version >/dev/null 2>&1 &&
        [ ! -f "$prefix/drive_c/windows/syswow64/kernel32.dll" ]; then
        echo "The Wine prefix $prefix was made without 32-bit Wine: making it again."
        rm -rf "$prefix"
    fi
fi
mkdir -p "$prefix"
WINEPREFIX=$(cd "$prefix" && pwd)
export WINEPREFIX WINEARCH=$arch
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"

xvfb_pid=
stopped=
cleanup() {
    if [ -n "${VDR_LOGPIXELS:-}" ]; then
        wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 </dev/null || true
    fi
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -f "${fdfile:-}"
    if [ -n "$stopped" ]; then
        echo "${VDR_STOPPED:-Stopped: the Wine session has ended.}"
    fi
}
trap cleanup EXIT
# The command runs in the background (below) so that Ctrl+C is seen at once:
# a Wine GUI program ignores SIGINT, and the shell would wait for it.
child=
stop() {
    stopped=yes
    if [ -n "$child" ]; then
        kill "$child" 2>/dev/null || true
    fi
    exit "$1"
}
trap 'stop 0' INT
trap 'stop 143' TERM
trap 'stop 129' HUP

if [ "$use_display" = no ] || [ -z "${DISPLAY:-}" ]; then
    fdfile=$(mktemp)
    # shellcheck disable=SC2086
    Xvfb -displayfd 1 ${VDR_XVFB_SCREENS:--screen 0 ${VDR_SCREEN:-1280x1024x24}} -nolisten tcp \
        >"$fdfile" 2>/dev/null &
    xvfb_pid=$!
    tries=0
    while [ ! -s "$fdfile" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ]; then
            echo "Xvfb did not start" >&2
            exit 1
        fi
        sleep 0.1
    done
    DISPLAY=":$(head -n 1 "$fdfile")"
    VDR_PRIVATE_SCREEN=yes
    export DISPLAY VDR_PRIVATE_SCREEN
fi

# One persistent server for the whole session, started before anything else
# uses the prefix. Its output goes to /dev/null: a caller reading ours
# through a pipe would otherwise wait for the server to exit.
wineserver -p >/dev/null 2>&1 </dev/null
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 </dev/null
fi

# A screen of another DPI (VDR_LOGPIXELS): Wine 10, as Windows at a new
# logon, takes it only as its session starts. (The next wine command starts
# the session's own programs again, with no output of ours.)
if [ -n "${VDR_LOGPIXELS:-}" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$VDR_LOGPIXELS" \
        /f >/dev/null 2>&1 </dev/null
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1 </dev/null
fi

# On a private screen there is no window manager: Wine then draws the frames
# itself and does not wait for one when a window goes away.
if [ -n "$xvfb_pid" ] && [ -z "${VDR_MANAGED:-}" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
else
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 </dev/null || true
fi

# A command in the background ignores SIGINT; stop() ends it, and the Wine
# programs end with the server.
"$@" &
child=$!
status=0
wait "$child" || status=$?
child=
exit "$status"
