#!/bin/sh
# The shipped files, checked as files, for the architecture they are built
# for (x86-64 or i386), whether or not this machine can run them.
#   check-programs.sh ARCH OBJDUMP vdrcam.exe vdrcam-early.exe [FreeImage.dll]
# - each is a PE file for ARCH;
# - the programs are GUI programs whose manifest names ARCH as Windows does;
# - each imports only DLLs that every Windows has (no C++ runtime, no
#   threads library), and the first edition does not mention FreeImage;
# - FreeImage.dll exports the functions vdrcam loads under their plain names.
set -eu
arch=$1
objdump=$2
shift 2
case $arch in
x86-64) manifest=amd64 ;;
i386) manifest=x86 ;;
*)
    echo "unknown architecture $arch"
    exit 2
    ;;
esac
allowed='^(ADVAPI32|COMCTL32|GDI32|KERNEL32|USER32|msvcrt)\.dll$'
status=0
fail() {
    echo "$1"
    status=1
}
for file in "$@"; do
    name=$(basename "$file")
    headers=$("$objdump" -p "$file")
    format=$("$objdump" -f "$file" | sed -n 's/.*file format //p')
    [ "$format" = "pei-$arch" ] || fail "$name is $format, not pei-$arch"
    imports=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p')
    for dll in $imports; do
        printf '%s\n' "$dll" | grep -Eiq "$allowed" || fail "$name imports $dll"
    done
    case $name in
    *.exe)
        printf '%s\n' "$headers" | grep -Eq '^Subsystem[[:space:]].*Windows GUI' ||
            fail "$name is not a GUI program"
        named=$(grep -ao 'name="VDRCamera[^"]*" version="[^"]*" processorArchitecture="[^"]*"' \
            "$file" | sed 's/.*processorArchitecture="\([^"]*\)"/\1/')
        [ "$named" = "$manifest" ] || fail "$name's manifest names '$named', not $manifest"
        ;;
    FreeImage.dll)
        for function in Load OpenMemory SaveToMemory AcquireMemory CloseMemory Rescale \
            ConvertTo24Bits GetBPP Unload; do
            printf '%s\n' "$headers" | grep -Eq "[[:space:]]FreeImage_$function\$" ||
                fail "$name does not export FreeImage_$function"
        done
        ;;
    esac
    case $name in
    vdrcam-early.exe) ! grep -aqi freeimage "$file" || fail "$name refers to FreeImage" ;;
    esac
    echo "$name: $format; imports $(echo $imports)"
done
exit $status
