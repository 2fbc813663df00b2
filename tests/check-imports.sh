#!/bin/sh
# The programs, and the FreeImage.dll shipped with them, must run on their
# own: they may import only DLLs that every Windows has (no C++ runtime, no
# threads library), and the first edition must not mention FreeImage at all.
set -eu
objdump=$1
shift
allowed='^(ADVAPI32|COMCTL32|GDI32|KERNEL32|USER32|msvcrt)\.dll$'
status=0
for program in "$@"; do
    imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
    for dll in $imports; do
        if ! printf '%s\n' "$dll" | grep -Eq "$allowed"; then
            echo "$program imports $dll"
            status=1
        fi
    done
    echo "$(basename "$program"): $(echo $imports)"
done
for program in "$@"; do
    case "$program" in
    *vdrcam-early.exe)
        if grep -aqi freeimage "$program"; then
            echo "$program refers to FreeImage"
            status=1
        fi
        ;;
    esac
done
exit $status
