#!/bin/sh
# A nearly full disk for the end-to-end suite: an 8 MiB tmpfs shown to Wine
# as drive S:. Mounting needs root; elsewhere there is no S: and the test
# that wants it is skipped.
#   small-disk.sh up|down FOLDER
set -u
action=$1
folder=$2
drive=${WINEPREFIX:?}/dosdevices/s:
case $action in
up)
    mkdir -p "$folder"
    if ! mountpoint -q "$folder" &&
        ! mount -t tmpfs -o size=8m vdrcam-small-disk "$folder" 2>/dev/null; then
        echo "no small disk: tmpfs cannot be mounted here"
        rm -f "$drive"
        exit 0
    fi
    rm -rf "${folder:?}"/*
    ln -sfn "$(cd "$folder" && pwd)" "$drive"
    echo "S: is an 8 MiB disk at $folder"
    ;;
down)
    rm -f "$drive"
    # Lazily: a program may still hold a folder on it, as on a pulled drive.
    if mountpoint -q "$folder"; then
        umount -l "$folder"
    fi
    ;;
esac
exit 0
