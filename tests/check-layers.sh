#!/bin/sh
# The folders lean one way only: each may include its own headers and those
# of the folders below it, never one above.
#   core      the windows-free core            ui      the window layer, on the core
#   settings, help, capture   the parts        mainwindow  the capture window both editions share
#   current, early  each edition's own windows programs  the two programs
set -eu
cd "$(dirname "$0")/.."
allowed() {
    case $1 in
    core) echo "core" ;;
    ui) echo "core ui" ;;
    settings | help | capture) echo "core ui $1" ;;
    mainwindow) echo "core ui mainwindow" ;;
    current | early) echo "core ui settings capture mainwindow $1" ;;
    programs) echo "core ui settings help capture mainwindow current early programs" ;;
    esac
}
status=0
for folder in core ui settings help capture mainwindow current early programs; do
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
