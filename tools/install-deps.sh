#!/bin/sh
# Installs, with apt-get, whichever of the given Debian packages is missing.
set -eu

missing=
for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
# shellcheck disable=SC2086
"$(dirname "$0")/apt-install.sh" $missing
