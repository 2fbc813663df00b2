# Set-up and everyday commands. Every target installs what it needs first.
# Packages are installed without the ones they only recommend (for Wine a
# desktop's worth of sound, video and printing; for clang LLVM's headers):
# half the download. What Wine loads when it is there, and the suites use,
# is named: X extensions, OpenGL for the stand-in game, its own fonts.
# The host builds (native, sanitize) need only the first line.
HOST_PACKAGES := cmake make g++ libgtest-dev libfreeimage-dev clang libclang-rt-14-dev
WINE_LIBRARIES := libgl1 libgl1-mesa-dri libxcomposite1 libxcursor1 libxfixes3 libxi6 \
                  libxinerama1 libxrandr2 libxrender1 libxxf86vm1
PACKAGES := $(HOST_PACKAGES) \
            g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
            wine wine64 xvfb $(WINE_LIBRARIES) fonts-wine fonts-liberation \
            zip unzip python3 procps dpkg-dev nasm xz-utils

# The builds' own makes keep to their own job counts, not this make's.
unexport MAKEFLAGS

# Only the benchmark and the soak test need these.
MEASURE_PACKAGES := valgrind x11-utils

.PHONY: all host-deps deps wine32 build build32 programs native sanitize test fuzz run demo bench \
        soak package reproducible test-wine10 clean

all: build

host-deps:
	@tools/install-deps.sh $(HOST_PACKAGES)

deps: host-deps
	@tools/install-deps.sh $(PACKAGES)

# 32-bit Wine, for the 32-bit build's tests, where this machine can run it.
wine32: deps
	@tools/wine32.sh install $(addsuffix :i386,$(WINE_LIBRARIES))

build: deps
	cmake --preset windows
	cmake --build --preset windows

# Only what make run and make demo start: the two programs and
# FreeImage.dll (and for the demo the game-side simulator), none of the
# test programs.
programs: deps
	cmake --preset windows
	cmake --build --preset windows --target vdrcam vdrcam-early freeimage_dll

# The 32-bit programs, for 32-bit Windows and 32-bit Wine prefixes.
build32: wine32
	cmake --preset windows32
	cmake --build --preset windows32

native: host-deps
	cmake --preset native
	cmake --build --preset native

# The native tests under ASan and UBSan, and the fuzz targets, with clang.
sanitize: host-deps
	cmake --preset sanitize
	cmake --build --preset sanitize

# Both builds' tests run under Wine, side by side; the 32-bit one's in a
# 32-bit prefix, where this machine can run 32-bit Wine; then the tested
# programs are zipped and compared with a package built afresh elsewhere.
# The builds two at a time: on a new machine the Windows half's packages
# install while the host builds compile, and each build's one-core stretches
# (configuring, unpacking, linking) leave room for another.
test: host-deps
	@$(MAKE) --no-print-directory -j 2 --output-sync=target build32 build native sanitize
	tools/test.sh

# The Windows suites once more under Debian 13's Wine 10 (and its Wayland
# driver), in a Debian 13 root made once under build/wine10; needs root.
test-wine10: build build32
	tools/wine10.sh

# Every fuzz target for FUZZ_SECONDS seconds (60 unless given).
fuzz: sanitize
	tools/fuzz.sh

run: programs
	@tools/run.sh

demo: programs
	cmake --build --preset windows --target gamesim
	@tools/demo.sh

bench: build build32 native
	@tools/install-deps.sh $(MEASURE_PACKAGES)
	cmake --build --preset windows --target benchmarks
	cmake --build --preset windows32 --target benchmarks
	cmake --build --preset native --target benchmarks
	bench/run.sh

soak: build native
	@tools/install-deps.sh $(MEASURE_PACKAGES)
	cmake --build --preset windows --target benchmarks
	cmake --build --preset native --target benchmarks
	bench/soak.sh

package: deps
	tools/package.sh

# Two package builds from the committed HEAD in two places, compared.
reproducible: deps
	tools/reproducible.sh

clean:
	rm -rf build dist
