#!/bin/sh
# A nearly full disk for the end-to-end suite: an 8 MiB tmpfs shown to Wine
# as drive S:; and beside it a disk with room for one folder and no file in
# it, FOLDER.noroom/Shots. Mounting needs root; elsewhere there are neither
# and the tests that want them are skipped.
#   small-disk.sh up|down FOLDER [all]   (all: the folder without room too)
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
    mkdir -p "$folder.noroom"
    if mountpoint -q "$folder.noroom" ||
        mount -t tmpfs -o size=1m,nr_inodes=2 vdrcam-no-room "$folder.noroom" 2>/dev/null; then
        mkdir -p "$folder.noroom/Shots"
    fi
    ;;
down)
    rm -f "$drive"
    # Lazily: a program may still hold a folder on it, as on a pulled drive.
    if mountpoint -q "$folder"; then
        umount -l "$folder"
    fi
    if [ "${3:-}" = all ] && mountpoint -q "$folder.noroom"; then
        umount -l "$folder.noroom"
    fi
    ;;
esac
exit 0
