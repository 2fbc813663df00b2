#!/bin/sh
# The folders lean one way only: each may include its own headers and those
# of the folders below it, never one above.
#   core      the windows-free core            ui      the window layer
#   settings, help, capture   the parts        app     the capture window
#   early     the first edition                programs  the two programs
set -eu
cd "$(dirname "$0")/.."
allowed() {
    case $1 in
    core) echo "core" ;;
    ui) echo "ui" ;;
    settings | help | capture) echo "core ui $1" ;;
    app) echo "core ui settings capture app" ;;
    early) echo "core ui settings capture app early" ;;
    programs) echo "core ui settings help capture app early programs" ;;
    esac
}
status=0
for folder in core ui settings help capture app early programs; do
    for file in $(find "$folder" -name '*.cpp' -o -name '*.h' | sort); do
        for used in $(sed -n 's/^#include "\([a-z]*\)\/.*"$/\1/p' "$file" | sort -u); do
            case " $(allowed "$folder") " in
            *" $used "*) ;;
            *)
                echo "$file includes from $used/, which $folder/ may not use"
                status=1
                ;;
            esac
        done
    done
done
[ $status -eq 0 ] && echo "every include goes down or sideways within its folder"
exit $status
