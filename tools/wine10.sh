#!/bin/sh
# The Windows suites under Debian 13's Wine 10, as players on newer Linux
# run the camera: a Debian 13 root made once with debootstrap and kept in
# build/wine10, Wine from its packages, the project seen inside at its own
# path. The 64-bit build's suites run on Xvfb (the 32-bit build's too where
# this kernel runs 32-bit programs), then the photo test under Wine's
# Wayland driver on a headless weston.
#   tools/wine10.sh [COMMAND...]   needs root, for debootstrap, chroot and
#                                  mounts; a command runs inside instead
set -eu
cd "$(dirname "$0")/.."
project=$(pwd)
root=$project/build/wine10/root
packages="wine wine64 xvfb xauth x11-utils weston twm libgl1-mesa-dri cmake procps bsdutils mount"
packages="$packages binutils-mingw-w64-x86-64 binutils-mingw-w64-i686"
started=$(date +%s)

if [ "$(id -u)" -ne 0 ]; then
    echo "make test-wine10 needs root (debootstrap, chroot and mounts)" >&2
    exit 1
fi
# 32-bit Wine too, where this kernel runs 32-bit programs, with the 32-bit
# OpenGL the full-screen game stand-in draws with.
extra=
case $(tools/wine32.sh check || true) in
*kernel*) ;;
*) extra="wine32:i386 libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386" ;;
esac
# Made again, on top of what is there, when the packages asked for change.
if [ "$(cat "$root/.ready" 2>/dev/null)" != "$packages $extra" ]; then
    tools/install-deps.sh debootstrap
    if [ ! -x "$root/usr/bin/apt-get" ]; then
        rm -rf "$root"
        debootstrap --variant=minbase trixie "$root" http://deb.debian.org/debian
    fi
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    if [ -n "$extra" ]; then
        chroot "$root" dpkg --add-architecture i386
    fi
    # shellcheck disable=SC2086
    chroot "$root" sh -c "apt-get update -q && DEBIAN_FRONTEND=noninteractive \
        apt-get install -q -y --no-install-recommends $packages $extra" ||
        chroot "$root" sh -c "DEBIAN_FRONTEND=noninteractive \
        apt-get install -q -y --no-install-recommends $packages"
    echo "$packages $extra" >"$root/.ready"
    echo "Debian 13 with Wine made in $(($(date +%s) - started)) s."
fi

[ $# -gt 0 ] || set -- tests/wine10-inside.sh
# Everything mounted here goes with this private mount namespace.
exec unshare --mount --propagation private sh -eu -c '
    root=$1 project=$2
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/tmp"
    mkdir -p "$root$project"
    mount --bind "$project" "$root$project"
    shift 2
    exec chroot "$root" sh -eu -c "cd \"\$0\" && exec \"\$@\"" "$project" "$@"
' sh "$root" "$project" "$@"
