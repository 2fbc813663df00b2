#!/bin/sh
# Builds the FreeImage.dll that ships beside vdrcam.exe, 64-bit (x86_64) or
# 32-bit (i686), from Debian's own source packages of FreeImage and
# libjpeg-turbo, with the project's MinGW-w64 toolchain. Nothing prebuilt is
# downloaded.
#
#   tools/build-freeimage.sh [OUTPUT_DIR [x86_64|i686]]   (default build/freeimage x86_64)
#
# The result is OUTPUT_DIR/dist: FreeImage.dll and the licence texts of both
# libraries. A finished build is reused; remove OUTPUT_DIR to build afresh.
set -eu
cd "$(dirname "$0")/.."
# File lists in one order whatever the player's language: the link's order.
export LC_ALL=C

out=${1:-build/freeimage}
arch=${2:-x86_64}
dist=$out/dist
# Bump when the way the DLL is made changes, so that a cached copy is rebuilt.
recipe=3
case $arch in
x86_64) processor=AMD64 ;;
# The 32-bit functions are stdcall, which ld would export as Name@N: they
# are exported under their plain names, as the 64-bit DLL's are. Floating
# point in SSE2, as the 64-bit DLL has it, not the x87 unit: the bilinear
# rescale runs 1.5 to 1.8 times as fast, with the same pixels as the 64-bit
# DLL. Every x86 processor since about 2003 has SSE2.
i686) processor=X86 exports=-Wl,--kill-at recipe=$recipe-i686-sse2 fpu="-msse2 -mfpmath=sse" ;;
*)
    echo "unknown architecture $arch" >&2
    exit 2
    ;;
esac
if [ -f "$dist/FreeImage.dll" ] && [ "$(cat "$dist/recipe" 2>/dev/null)" = "$recipe" ]; then
    exit 0
fi

cc=$arch-w64-mingw32-gcc-posix
cxx=$arch-w64-mingw32-g++-posix
windres=$arch-w64-mingw32-windres
jobs=$(nproc 2>/dev/null || echo 2)
started=$(date +%s)
mkdir -p "$out"
out=$(cd "$out" && pwd)
dist=$out/dist
work=$out/work
rm -rf "$work" "$dist"
mkdir -p "$work" "$dist"

# --- Sources, through a private apt state: the system's apt set-up is left alone.
apt_dir=$work/apt
mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial"
# The system's Debian stanzas, as source stanzas. The security suite is left
# out: its mirror does not always carry sources, and the main suites suffice.
for list in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /URIs:[^\n]*debian/ && !/security/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' \
        "$list" >>"$apt_dir/parts/debian-src.sources"
done
if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb \(.*debian.*\)$/deb-src \1/p' /etc/apt/sources.list |
        grep -v security >"$apt_dir/parts/debian-src.list" || true
fi
mkdir -p "$apt_dir/cache/archives/partial"
private_apt() {
    apt-get -q -o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir/parts" \
        -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" \
        -o APT::Sandbox::User=root "$@"
}
echo "FreeImage.dll ($arch): fetching the sources of freeimage and libjpeg-turbo"
private_apt update >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log" >&2
    exit 1
}
(cd "$work" && private_apt source --download-only freeimage libjpeg-turbo \
    >>"$work/apt.log" 2>&1) || {
    cat "$work/apt.log" >&2
    exit 1
}
# apt has checked the files against the archive's signed index; dpkg-source
# would only add that it has no key for the uploaders' own signatures.
(cd "$work" &&
    dpkg-source -x freeimage_*.dsc freeimage >>apt.log 2>&1 &&
    dpkg-source -x libjpeg-turbo_*.dsc libjpeg-turbo >>apt.log 2>&1) || {
    cat "$work/apt.log" >&2
    exit 1
}
# The same DLL from the same sources wherever and whenever it is built: no
# build folder in it (paths in strings; ld would also derive the DLL's
# preferred address from its path), no link time stamp, and no clock
# (libjpeg-turbo's build date, which CMake takes from SOURCE_DATE_EPOCH:
# fixed here, so that a DLL built for the tests is the one a package gets).
same="-ffile-prefix-map=$work=."
export SOURCE_DATE_EPOCH=0
fi_src=$work/freeimage
jpeg_src=$work/libjpeg-turbo

# --- libjpeg-turbo as a static library, with its SIMD code.
echo "FreeImage.dll: building libjpeg-turbo"
cat >"$work/toolchain.cmake" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR $processor)
set(CMAKE_C_COMPILER $cc)
set(CMAKE_CXX_COMPILER $cxx)
set(CMAKE_RC_COMPILER $windres)
set(CMAKE_C_FLAGS "${fpu:-} $same")
EOF
# The install prefix defaults to a Windows path on this target; give it a real one.
cmake -S "$jpeg_src" -B "$work/jpeg-build" -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF \
    -DCMAKE_INSTALL_PREFIX="$work/jpeg-install" >"$work/jpeg.log" 2>&1 &&
    cmake --build "$work/jpeg-build" -j "$jobs" --target jpeg-static >>"$work/jpeg.log" 2>&1 || {
    tail -40 "$work/jpeg.log" >&2
    exit 1
}

# --- FreeImage: its core, the BMP and JPEG plugins, metadata and toolkit.
echo "FreeImage.dll: building FreeImage"
# Debian's repack removes the bundled libraries; the other formats' plugins
# need them. Their place in the plugin list stays taken by placeholders that
# name the format and load nothing, so every format keeps its number.
placeholders=$work/Placeholders.cpp
{
    echo '#include "FreeImage.h"'
    echo '#include "Utilities.h"'
    echo '#include "Plugin.h"'
    # Init function, format name, description, extension list.
    while read -r init format extensions; do
        cat <<EOF
static const char *DLL_CALLCONV Format$init() { return "$format"; }
static const char *DLL_CALLCONV Extension$init() { return "$extensions"; }
static const char *DLL_CALLCONV Description$init() { return "$format (not in this build)"; }
void DLL_CALLCONV Init$init(Plugin *plugin, int) {
    plugin->format_proc = Format$init;
    plugin->description_proc = Description$init;
    plugin->extension_proc = Extension$init;
}
EOF
    done <<'EOF'
ICO ICO ico
JNG JNG jng
KOALA KOALA koa
IFF IFF iff,lbm
MNG MNG mng
PNM PNM pbm,pgm,ppm
PCD PCD pcd
PCX PCX pcx
PNG PNG png
RAS RAS ras
TARGA TARGA tga,targa
TIFF TIFF tif,tiff
WBMP WBMP wap,wbmp,wbm
PSD PSD psd,psb
CUT CUT cut
XBM XBM xbm
XPM XPM xpm
DDS DDS dds
GIF GIF gif
HDR HDR hdr
G3 G3 g3
SGI SGI sgi,rgb,rgba,bw
EXR EXR exr
J2K J2K j2k,j2c
JP2 JP2 jp2
PFM PFM pfm
PICT PICT pct,pict,pic
RAW RAW 3fr,arw,bay,bmq,cap,cine,cr2,crw,cs1,dc2,dcr,drf,dsc,dng,erf,fff,ia,iiq,k25,kc2,kdc,mdc,mef,mos,mrw,nef,nrw,orf,pef,ptx,pxn,qtk,raf,raw,rdc,rw2,rwl,rwz,sr2,srf,srw,sti,x3f
WEBP WebP webp
JXR JPEG-XR jxr,wdp,hdp
EOF
} >"$placeholders"

# A rational as text without iostreams, which would add most of a megabyte
# of C++ library to the DLL for this one function.
rational=$fi_src/Source/Metadata/FIRational.cpp
if grep -q 'std::ostringstream s;' "$rational"; then
    awk '
        /^std::string FIRational::toString\(\)/ { replacing = 1 }
        replacing && /^}/ {
            print "std::string FIRational::toString() {"
            print "\tchar text[64];"
            print "\tif(isInteger()) {"
            print "\t\tsnprintf(text, sizeof(text), \"%ld\", (long)intValue());"
            print "\t} else {"
            print "\t\tsnprintf(text, sizeof(text), \"%ld/%ld\", (long)_numerator, (long)_denominator);"
            print "\t}"
            print "\treturn text;"
            print "}"
            replacing = 0
            next
        }
        !replacing { print }
    ' "$rational" >"$rational.new"
    mv "$rational.new" "$rational"
fi
grep -q 'std::ostringstream' "$rational" && {
    echo "FIRational.cpp has changed shape; update the toString replacement" >&2
    exit 1
}

sources=$(
    cd "$fi_src/Source" &&
        ls FreeImage/*.cpp Metadata/*.cpp FreeImageToolkit/*.cpp |
        grep -v -E 'FreeImage/Plugin[A-Z]' |
            grep -v -E '(J2KHelper|MNGHelper|PSDParser|TIFFLogLuv|ZLibInterface|XTIFF)\.cpp$'
)
sources="$sources FreeImage/PluginBMP.cpp FreeImage/PluginJPEG.cpp"
objects=$work/objects
mkdir -p "$objects"
# One make rule per source, so that the compiles run side by side.
{
    printf 'all:'
    for source in $sources; do printf ' %s' "$objects/$(echo "$source" | tr / _).o"; done
    printf ' %s\n' "$objects/Placeholders.o"
    for source in $sources; do
        printf '%s: %s\n\t$(CXX) $(FLAGS) -c $< -o $@\n' \
            "$objects/$(echo "$source" | tr / _).o" "$fi_src/Source/$source"
    done
    printf '%s: %s\n\t$(CXX) $(FLAGS) -c $< -o $@\n' "$objects/Placeholders.o" "$placeholders"
} >"$work/objects.mk"
make -s -j "$jobs" -f "$work/objects.mk" CXX="$cxx" \
    FLAGS="-O2 ${fpu:-} $same -DNDEBUG -DFREEIMAGE_EXPORTS -DWINVER=0x0601 -D_WIN32_WINNT=0x0601 -fexceptions -w \
 -I$fi_src/Source -I$fi_src/Source/Metadata -I$fi_src/Source/FreeImageToolkit \
 -I$jpeg_src -I$work/jpeg-build" >"$work/compile.log" 2>&1 || {
    tail -40 "$work/compile.log" >&2
    exit 1
}

# FreeImage's own version resource.
$windres -I"$fi_src" -i "$fi_src/FreeImage.rc" -o "$work/version.o"

# Only system DLLs at run time: the C++ and threads libraries go inside.
$cxx -shared -static -s -Wl,--no-insert-timestamp -Wl,--disable-auto-image-base ${exports:-} \
    -o "$dist/FreeImage.dll" "$objects"/*.o "$work/version.o" \
    "$work/jpeg-build/libjpeg.a" -Wl,--out-implib,"$work/libFreeImage.dll.a" \
    >>"$work/compile.log" 2>&1 || {
    tail -40 "$work/compile.log" >&2
    exit 1
}

cp "$fi_src/license-fi.txt" "$dist/license-FreeImage-FIPL.txt"
cp "$fi_src/license-gplv2.txt" "$dist/license-FreeImage-GPLv2.txt"
cp "$fi_src/license-gplv3.txt" "$dist/license-FreeImage-GPLv3.txt"
cp "$jpeg_src/LICENSE.md" "$dist/license-libjpeg-turbo.md"
cp "$jpeg_src/README.ijg" "$dist/license-libjpeg-turbo-IJG.txt"
echo "$recipe" >"$dist/recipe"
rm -rf "$work"
echo "FreeImage.dll: built in $(($(date +%s) - started)) s ($(stat -c %s "$dist/FreeImage.dll") bytes)"
