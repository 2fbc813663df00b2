#!/bin/sh
# Makes the players' zips twice from the committed HEAD: here, from the
# programs the tests ran where both test builds are there and nothing is
# uncommitted (otherwise built from HEAD, reusing the FreeImage.dll built
# for the tests), and in a clone at another path with another umask, locale
# and time zone, which builds everything afresh, its FreeImage.dll too.
# Compares them byte for byte. Prints both sums; fails when they differ,
# naming the files inside that differ.
#
#   tools/reproducible.sh [--programs]
#
# With --programs (make test), the clone elsewhere builds only the 64-bit
# programs afresh, beside the FreeImage.dll built here, and the 64-bit zips
# are compared: the DLL's recipe changes seldom, the 32-bit build is made
# the same way, and building all of it twice more was a third of make test.
set -eu
cd "$(dirname "$0")/.."
started=$(date +%s)
commit=$(git rev-parse HEAD)
places=$(mktemp -d)
package() {
    place=$1
    shift
    (cd "$place" && env "$@" >"$places/$(basename "$place").log" 2>&1) || {
        tail -30 "$places/$(basename "$place").log" >&2
        exit 1
    }
}
if [ -f build/windows/CMakeCache.txt ] && [ -f build/windows32/CMakeCache.txt ] &&
    [ -z "$(git status --porcelain)" ]; then
    made="Zipped the tested programs"
    package "$PWD" TZ=UTC LANG=C.UTF-8 tools/package.sh --tested
else
    made="Built here"
    package "$PWD" TZ=UTC LANG=C.UTF-8 make package
fi
mkdir -p "$places/first"
cp dist/*.zip dist/SHA256SUMS "$places/first/"
echo "$made in $(($(date +%s) - started)) s."
other=$places/second/somewhere/deeper
git clone -q "$PWD" "$other"
git -C "$other" checkout -q "$commit"
bits=
if [ "${1:-}" = "--programs" ]; then
    bits=64
    mkdir -p "$other/build/freeimage"
    cp -R build/freeimage/dist "$other/build/freeimage/"
fi
package "$other" TZ=Pacific/Auckland LANG=C VDR_PACKAGE_BITS=$bits sh -c 'umask 077; exec make package'
mkdir -p "$places/second/dist"
cp "$other"/dist/*.zip "$other/dist/SHA256SUMS" "$places/second/dist/"
rm -rf "$other"
cd "$places"
echo "here:      $(cat first/SHA256SUMS | tr '\n' ' ')"
echo "elsewhere: $(cat second/dist/SHA256SUMS | tr '\n' ' ')"
status=0
for other in second/dist/*.zip; do
    zip=first/$(basename "$other")
    if ! cmp -s "$zip" "$other"; then
        status=1
        echo "$(basename "$zip") differs:"
        mkdir -p a b
        (cd a && unzip -qo "../$zip") && (cd b && unzip -qo "../$other")
        diff -rq a b || true
        rm -rf a b
    fi
done
echo "Two builds of $commit, here and elsewhere, took $(($(date +%s) - started)) s."
if [ $status -eq 0 ]; then
    echo "The same commit gave the same zips, byte for byte."
    rm -rf "$places"
else
    echo "Both builds' zips are kept in $places."
fi
exit $status
