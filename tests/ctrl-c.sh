#!/bin/sh
# Ctrl+C typed in a terminal reaches every process of the command there; a
# Wine program may not end at it, and a shell waits for its foreground
# program. A Wine session must still end at once, its Wine programs with it,
# on the player's display as on a private one, and say so last. Programs of
# the same name elsewhere (a player's own camera, another checkout's tests)
# are none of its business, and are left running.
#   tests/ctrl-c.sh PREFIX PROGRAM.exe
set -eu
prefix=$1
program=$2
name=$(basename "$program")
mkdir -p "$prefix"
ours=$(cd "$prefix" && pwd)
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
# Another program of the same name, from another prefix.
cp /bin/sleep "$work/$name"
WINEPREFIX="$work/another-prefix" "$work/$name" 600 &
another=$!
trap 'kill $xvfb $another 2>/dev/null; rm -rf "$work"' EXIT
until [ -s "$work/display" ]; do sleep 0.1; done
players=":$(head -n 1 "$work/display")"
# This session's programs of that name: a Wine program carries its prefix
# in its environment. Running ones only, not those merely not yet reaped by
# an init that may never reap them.
session_programs() {
    ps -eo pid=,stat=,comm= | awk -v name="$name" '$3 == name && $2 !~ /^Z/ { print $1 }' |
        while read -r pid; do
            if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$ours"; then
                echo "$pid"
            fi
        done
}
running() { [ -n "$(session_programs)" ]; }

# The command stands for one that does not end at Ctrl+C: it ignores it and
# starts the program again when that ends.
command="trap \"\" INT; echo started; wine $program; wine $program"
for display in keep private; do
    keep=
    [ $display = private ] || keep=--keep-display
    rm -f "$work/keys" "$work/out"
    mkfifo "$work/keys"
    # A terminal of its own, as a player's: `script` gives one, and passes on
    # Ctrl+C, which a command started in the background would otherwise ignore.
    DISPLAY=$players env --default-signal=INT script -qfec "sh tools/wine-session.sh $prefix $keep sh -c '$command'" \
        /dev/null <"$work/keys" >"$work/out" 2>&1 &
    session=$!
    exec 4>"$work/keys"
    tries=0
    until grep -q started "$work/out" && running; do
        tries=$((tries + 1))
        if [ $tries -gt 600 ]; then
            echo "the session did not start $name"
            exit 1
        fi
        sleep 0.1
    done
    printf '\003' >&4
    tries=0
    while kill -0 "$session" 2>/dev/null || running; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ]; then
            echo "on the $display display, still running 10 s after Ctrl+C"
            kill $(session_programs) 2>/dev/null || true
            WINEPREFIX=$ours wineserver -k || true
            exit 1
        fi
        sleep 0.1
    done
    exec 4>&-
    last=$(tr -d '\r' <"$work/out" | sed 's/\^C//g' | grep -v '^$' | tail -n 1)
    if [ "$last" != "Stopped: the Wine session has ended." ]; then
        echo "on the $display display, the last line after Ctrl+C was: $last"
        exit 1
    fi
    echo "on the $display display, the session ended at Ctrl+C, saying so"
done
if ! kill -0 "$another" 2>/dev/null; then
    echo "another $name, from another prefix, was ended too"
    exit 1
fi
