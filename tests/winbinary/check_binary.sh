#!/usr/bin/env bash
# Freefall.exe is a GUI program and freefall.com a console one; both import only DLLs that
# every Windows 10 and 11 has (no C++ runtime DLL travels with them); each stays under 1 MiB.
# Prints each file's size and imports.
# Usage: check_binary.sh OBJDUMP FREEFALL_EXE FREEFALL_COM
set -uo pipefail

objdump=$1 exe=$2 com=$3
allowed=' KERNEL32.dll USER32.dll GDI32.dll COMCTL32.dll OLEAUT32.dll ole32.dll UxTheme.dll msvcrt.dll '
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

check() {
    local file=$1 subsystem=$2 limit=$3 dump size
    dump=$("$objdump" -p "$file") || { fail "$file: objdump failed"; return; }
    size=$(stat -c %s "$file")
    echo "$(basename "$file"): $size bytes; imports:" $(grep 'DLL Name:' <<<"$dump" | awk '{print $3}')
    grep -q "Subsystem.*($subsystem)" <<<"$dump" || fail "$file is not a $subsystem program"
    while read -r dll; do
        [[ $allowed == *" $dll "* ]] || fail "$file imports $dll"
    done < <(grep 'DLL Name:' <<<"$dump" | awk '{print $3}')
    [[ -z $limit || $size -lt $limit ]] || fail "$file is $size bytes, over $limit"
}

check "$exe" "Windows GUI" $((1024 * 1024))
check "$com" "Windows CUI" $((1024 * 1024))
exit $((failures > 0))
