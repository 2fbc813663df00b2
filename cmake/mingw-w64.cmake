# Cross build for Windows with Debian's MinGW-w64 (posix threads): 64-bit,
# or 32-bit through mingw-w64-i686.cmake. Tests run under Wine when it is
# there and can run the programs; building them needs none.
if(NOT VDR_MINGW_TARGET)
    set(VDR_MINGW_TARGET x86_64-w64-mingw32)
endif()
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR ${VDR_MINGW_TARGET})
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${VDR_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VDR_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${VDR_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VDR_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The tests run under Wine when it can run programs of this architecture.
# 32-bit programs need Debian's 32-bit loader (wine32:i386), and a kernel
# that runs 32-bit Linux programs: the loader's own --version tells.
find_program(WINE_PROGRAM NAMES wine wine64)
if(WINE_PROGRAM AND VDR_MINGW_TARGET MATCHES "^x86_64")
    set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
elseif(WINE_PROGRAM AND EXISTS /usr/lib/wine/wine)
    execute_process(COMMAND /usr/lib/wine/wine --version RESULT_VARIABLE wine32_failed
                    OUTPUT_QUIET ERROR_QUIET)
    if(NOT wine32_failed)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
    endif()
endif()
