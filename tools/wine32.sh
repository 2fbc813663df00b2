#!/bin/sh
# 32-bit Wine, which runs the 32-bit build's tests.
#   tools/wine32.sh install [PACKAGE...]
#                             installs it where this machine can run it, with
#                             the 32-bit libraries named that it loads
#   tools/wine32.sh check     exit status 0 when it runs here; otherwise
#                             says why not in one line, exit status 1
#
# It is installed the Debian way (wine32:i386 beside wine64): /usr/bin/wine
# then runs 32- and 64-bit programs alike, and a new 64-bit prefix gets its
# 32-bit half, as most players' prefixes have it. The other way, a private
# copy of the 32-bit loader unpacked from its package, would leave
# /usr/bin/wine as it was, but it needs the i386 libraries installed just
# the same and a hand-made copy of Debian's layout that no update keeps.
set -eu

runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# A 96-byte 32-bit Linux program that exits with 42: whether the kernel
# runs 32-bit programs at all, which 32-bit Wine needs.
kernel_runs_32bit() {
    probe=$(mktemp)
    printf '\177\105\114\106\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\140\0\0\0\140\0\0\0\5\0\0\0\0\20\0\0\270\1\0\0\0\273\52\0\0\0\315\200' >"$probe"
    chmod +x "$probe"
    status=0
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    [ "$status" -eq 42 ]
}

cannot() {
    echo "No 32-bit Wine here: $1, so the 32-bit build is checked as files only."
    exit 1
}

case ${1:-} in
check)
    runs && exit 0
    kernel_runs_32bit || cannot "this machine's kernel does not run 32-bit programs"
    cannot "wine32:i386 is not installed (make test tries to install it)"
    ;;
install)
    # Where it cannot run, the check says so when the tests come.
    if runs || ! kernel_runs_32bit; then
        exit 0
    fi
    echo "Installing 32-bit Wine (wine32:i386)"
    sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    # A mirror out of step can leave the i386 packages uninstallable: the
    # tests then say so and check the 32-bit build as files only.
    shift
    if ! "$(dirname "$0")/apt-install.sh" wine32:i386 "$@"; then
        echo "32-bit Wine could not be installed (apt-get failed above)."
        exit 0
    fi
    runs || cannot "wine32:i386 was installed but does not start"
    ;;
*)
    echo "usage: $0 install|check" >&2
    exit 2
    ;;
esac
