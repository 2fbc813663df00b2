# Set-up and everyday commands. Every target installs what it needs first.
PACKAGES := cmake make g++ libgtest-dev libfreeimage-dev \
            g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
            wine wine64 xvfb libgl1-mesa-dri zip \
            dpkg-dev nasm xz-utils

# Only the benchmark and the soak test need these.
MEASURE_PACKAGES := valgrind procps

TEST_PREFIX := build/windows/wineprefix

.PHONY: all deps build build32 native test run demo bench soak package clean

all: build

deps:
	@tools/install-deps.sh $(PACKAGES)

build: deps
	cmake --preset windows
	cmake --build --preset windows

# The 32-bit programs, for 32-bit Windows and 32-bit Wine prefixes.
build32: deps
	cmake --preset windows32
	cmake --build --preset windows32

native: deps
	cmake --preset native
	cmake --build --preset native

# Two screens of different sizes, where Wine sees the primary one apart from the whole.
TWO_SCREENS := +xinerama -extension RANDR -screen 0 800x600x24 -screen 1 1024x768x24

test: build build32 native
	ctest --preset native
	ctest --preset windows32
	tools/wine-session.sh $(TEST_PREFIX) ctest --preset windows -LE two_screens
	VDR_XVFB_SCREENS="$(TWO_SCREENS)" tools/wine-session.sh $(TEST_PREFIX) \
		ctest --preset windows -L two_screens

run: build
	tools/run.sh

demo: build
	tools/demo.sh

bench: build native
	@tools/install-deps.sh $(MEASURE_PACKAGES)
	bench/run.sh

soak: build native
	@tools/install-deps.sh $(MEASURE_PACKAGES)
	bench/soak.sh

package: deps
	tools/package.sh

clean:
	rm -rf build dist
