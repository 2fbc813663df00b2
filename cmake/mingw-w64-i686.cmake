# Cross build for 32-bit Windows with Debian's MinGW-w64 (posix threads).
set(VDR_MINGW_TARGET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
