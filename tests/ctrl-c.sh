#!/bin/sh
# Ctrl+C typed in a terminal reaches every process of the command there; a
# Wine program may not end at it, and a shell waits for its foreground
# program. A Wine session must still end at once, its Wine programs with it,
# on the player's display as on a private one.
#   tests/ctrl-c.sh PREFIX PROGRAM.exe
set -eu
prefix=$1
program=$2
name=$(basename "$program")
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
until [ -s "$work/display" ]; do sleep 0.1; done
players=":$(head -n 1 "$work/display")"
# Running, not merely not yet reaped by an init that may never reap it.
running() { ps -eo stat=,comm= | awk -v name="$name" '$2 == name && $1 !~ /^Z/' | grep -q .; }

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
            pkill -x "$name" || true
            WINEPREFIX=$(cd "$prefix" && pwd) wineserver -k || true
            exit 1
        fi
        sleep 0.1
    done
    exec 4>&-
    echo "on the $display display, the session ended at Ctrl+C"
done
