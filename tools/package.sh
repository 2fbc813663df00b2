#!/bin/sh
# Builds the two programs from a clean export of the committed tree and zips
# them with FreeImage.dll, its licence texts and the players' README:
# dist/vdrcam-<version>-win64.zip. The versions come from CMakeLists.txt.
set -eu
cd "$(dirname "$0")/.."
work=build/package

if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
    echo "Note: the working tree has changes that are not committed; the package is built from HEAD."
fi
rm -rf "$work"
mkdir -p "$work/src" dist
git archive --format=tar HEAD | tar -x -C "$work/src"

# FreeImage.dll is built once and kept in build/freeimage, as for the tests.
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/$work/src/cmake/mingw-w64.cmake" \
    -DBUILD_TESTING=OFF -DVDR_FREEIMAGE_DIR="$PWD/build/freeimage" >/dev/null
cmake --build "$work/build" --target vdrcam vdrcam-early freeimage_dll -j 2

version=$(sed -n 's/^vdrcam //p' "$work/build/versions.txt")
early_version=$(sed -n 's/^vdrcam-early //p' "$work/build/versions.txt")
name=vdrcam-$version
mkdir -p "$work/$name/licences"
cp "$work/build/bin/vdrcam.exe" "$work/build/bin/vdrcam-early.exe" \
    "$work/build/bin/FreeImage.dll" "$work/$name/"
x86_64-w64-mingw32-strip "$work/$name/vdrcam.exe" "$work/$name/vdrcam-early.exe"
for licence in build/freeimage/dist/license-*; do
    sed 's/\r*$/\r/' "$licence" >"$work/$name/licences/$(basename "$licence")"
done
sed -e "s/@VDRCAM_VERSION@/$version/g" -e "s/@VDRCAM_EARLY_VERSION@/$early_version/g" \
    -e 's/$/\r/' "$work/src/tools/package/README-players.txt" >"$work/$name/README.txt"
rm -f "dist/$name-win64.zip"
(cd "$work" && zip -q -X -r "../../dist/$name-win64.zip" "$name")
echo "dist/$name-win64.zip:"
unzip -l "dist/$name-win64.zip"
