#!/bin/sh
# Builds the players' zips twice from the committed HEAD, in two clones at
# different paths, with another umask, locale and time zone, one after the
# other, and compares them byte for byte. Prints both sums; fails when they
# differ, naming the files inside that differ.
set -eu
cd "$(dirname "$0")/.."
started=$(date +%s)
commit=$(git rev-parse HEAD)
places=$(mktemp -d)
build() {
    place=$1
    shift
    git clone -q "$PWD" "$place"
    git -C "$place" checkout -q "$commit"
    (cd "$place" && env "$@" sh -c 'make package' >"$place.log" 2>&1) || {
        tail -30 "$place.log" >&2
        exit 1
    }
}
build "$places/first" TZ=UTC LANG=C.UTF-8
build "$places/second/somewhere/deeper" TZ=Pacific/Auckland LANG=C \
    sh -c 'umask 077; exec "$@"' sh
cd "$places"
echo "first:  $(cat first/dist/SHA256SUMS | tr '\n' ' ')"
echo "second: $(cat second/somewhere/deeper/dist/SHA256SUMS | tr '\n' ' ')"
status=0
for zip in first/dist/*.zip; do
    other=second/somewhere/deeper/dist/$(basename "$zip")
    if ! cmp -s "$zip" "$other"; then
        status=1
        echo "$(basename "$zip") differs:"
        mkdir -p a b
        (cd a && unzip -qo "../$zip") && (cd b && unzip -qo "../$other")
        diff -rq a b || true
        rm -rf a b
    fi
done
echo "Two builds of $commit in two places took $(($(date +%s) - started)) s."
if [ $status -eq 0 ]; then
    echo "The same commit gave the same zips, byte for byte."
    rm -rf "$places"
else
    echo "Both builds are kept in $places."
fi
exit $status
