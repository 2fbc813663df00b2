#!/bin/sh
# Installs the given Debian packages with apt-get, as root or through sudo,
# and what they depend on, not what they only recommend.
# A mirror caught mid-sync fails an index now and then ("File has unexpected
# size"): the update is tried again, and an index that still fails is left
# to the install, which fails only if it needed it.
#   tools/apt-install.sh PACKAGE...
set -eu
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
for try in 1 2 3; do
    $sudo apt-get update && break
    echo "apt-get update failed (try $try of 3)"
    sleep 5
done
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "$@"
