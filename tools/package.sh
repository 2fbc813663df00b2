#!/bin/sh
# Builds the two programs from a clean export of the committed tree, for
# 64-bit and for 32-bit Windows, and zips each build with its own
# FreeImage.dll, the licence texts and the players' README:
# dist/vdrcam-<version>-win64.zip and dist/vdrcam-<version>-win32.zip,
# and their sums in dist/SHA256SUMS. The versions come from CMakeLists.txt.
# The same commit gives the same zips, byte for byte, wherever and whenever
# it is built: the time they carry is the commit's.
#
#   tools/package.sh [--tested]
#
# With --tested, the programs the tests ran are zipped instead (build/windows
# and build/windows32, brought up to date): the same files as a package
# build, for the tests' builds are made the same way. Only from a working
# tree with nothing uncommitted, so that they are the commit's.
set -eu
cd "$(dirname "$0")/.."
work=build/package
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH

tested=no
if [ "${1:-}" = "--tested" ]; then
    tested=yes
    if [ -n "$(git status --porcelain)" ]; then
        echo "The working tree has changes that are not committed: its builds are not the commit's." >&2
        exit 1
    fi
elif [ -n "$(git status --porcelain 2>/dev/null)" ]; then
    echo "Note: the working tree has changes that are not committed; the package is built from HEAD."
fi
rm -rf "$work"
mkdir -p "$work/src" dist
git archive --format=tar HEAD | tar -x -C "$work/src"

# One build: its toolchain and preset, where its FreeImage.dll is built and
# kept (as for the tests), its strip, and the name players see.
package() {
    bits=$1 toolchain=$2 preset=$3 freeimage=$4 strip=$5
    if [ "$tested" = yes ]; then
        build=build/$preset
        cmake --build --preset "$preset" --target vdrcam vdrcam-early freeimage_dll
    else
        build=$work/build$bits
        cmake -S "$work/src" -B "$build" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$PWD/$work/src/cmake/$toolchain" \
            -DBUILD_TESTING=OFF -DVDR_FREEIMAGE_DIR="$PWD/$freeimage" >/dev/null
        cmake --build "$build" --target vdrcam vdrcam-early freeimage_dll -j 2
    fi

    version=$(sed -n 's/^vdrcam //p' "$build/versions.txt")
    early_version=$(sed -n 's/^vdrcam-early //p' "$build/versions.txt")
    name=vdrcam-$version-win$bits
    mkdir -p "$work/$name/licences"
    cp "$build/bin/vdrcam.exe" "$build/bin/vdrcam-early.exe" "$build/bin/FreeImage.dll" \
        "$work/$name/"
    $strip "$work/$name/vdrcam.exe" "$work/$name/vdrcam-early.exe"
    for licence in "$freeimage"/dist/license-*; do
        sed 's/\r*$/\r/' "$licence" >"$work/$name/licences/$(basename "$licence")"
    done
    sed -e "s/@VDRCAM_VERSION@/$version/g" -e "s/@VDRCAM_EARLY_VERSION@/$early_version/g" \
        -e "s/@BITS@/$bits/g" -e 's/$/\r/' \
        "$work/src/tools/package/README-players.txt" >"$work/$name/README.txt"
    rm -f "dist/$name.zip"
    tools/zip-dir.py "dist/$name.zip" "$work/$name"
    echo "dist/$name.zip:"
    unzip -l "dist/$name.zip"
}

package64() { package 64 mingw-w64.cmake windows build/freeimage x86_64-w64-mingw32-strip; }
package32() { package 32 mingw-w64-i686.cmake windows32 build/freeimage-win32 i686-w64-mingw32-strip; }
made="32 64"
if [ "$tested" = yes ]; then
    package64
    package32
elif [ "${VDR_PACKAGE_BITS:-}" = 64 ]; then
    made=64
    package64
else
    # Both architectures at once: each build has stretches on one core
    # (configuring, unpacking FreeImage's sources, linking) that the other fills.
    package64 >"$work/64.log" 2>&1 &
    building64=$!
    package32 >"$work/32.log" 2>&1 &
    building32=$!
    failed=
    wait "$building64" || failed="$failed 64-bit"
    wait "$building32" || failed="$failed 32-bit"
    cat "$work/64.log" "$work/32.log"
    if [ -n "$failed" ]; then
        echo "The package build failed:$failed" >&2
        exit 1
    fi
fi
version=$(sed -n 's/^set(VDRCAM_VERSION \(.*\))$/\1/p' "$work/src/CMakeLists.txt")
zips=$(for bits in $made; do printf 'vdrcam-%s-win%s.zip ' "$version" "$bits"; done)
(cd dist && sha256sum $zips >SHA256SUMS)
cat dist/SHA256SUMS
