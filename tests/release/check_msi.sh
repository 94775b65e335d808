#!/usr/bin/env bash
# The Windows installer of a release under Wine, as a user meets it, in a throwaway prefix:
# installed for the current user without a question; the companion run through PATH from
# another folder in a new console; the Start-menu shortcut and the Add/Remove Programs entry;
# a later version upgrading it in place and the earlier one then refused; the uninstall leaving
# nothing behind. Then once more with a PATH of the user's own, which must come back as it was.
# Usage: tests/release/check_msi.sh [DIST_DIR]   (default dist/, made by scripts/release)
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
dist="$(realpath "${1:-$root/dist}")"
"$root/scripts/deps" --windows wine wine64 msitools unzip wixl python3 python3-gi \
    gir1.2-libmsi-1.0 dpkg-dev || exit 1

# The upstream version, without the Debian revision, as scripts/release names the files.
debian_version=$(dpkg-parsechangelog -l "$root/packaging/debian/changelog" -S Version)
version=${debian_version%-*}
msi=$dist/Freefall-$version-win-x64.msi
zip=$dist/Freefall-$version-win-x64.zip
if [[ ! -f $msi || ! -f $zip ]]; then
    echo "FAIL: no $msi or $zip (scripts/release makes them)"
    exit 1
fi

work=$(mktemp -d -t freefall-msi.XXXXXX)
state=$work/prefix.path
trap '"$root/tests/wine/prefix-cleanup.sh" "$state"; rm -rf "$work"' EXIT
# Wine would copy the Start-menu shortcut into the desktop menus of the machine running this.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
"$root/tests/wine/prefix-setup.sh" "$state" >/dev/null || exit 1
run() { "$root/tests/wine/wine-run.sh" "$state" "$@"; }

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}
# same NAME EXPECTED ACTUAL
same() { if [[ $3 == "$2" ]]; then pass; else fail "$1: expected [$2], got [$3]"; fi; }
# holds NAME COMMAND...: the command succeeds
holds() {
    local name=$1
    shift
    if "$@"; then pass; else fail "$name"; fi
}
fails() {
    local name=$1
    shift
    if "$@"; then fail "$name"; else pass; fi
}

# A registry value's data, or status 1 when the key or value is missing.
regvalue() {
    local out
    out=$(run reg query "$1" /v "$2" 2>/dev/null) || return 1
    printf '%s\n' "$out" | tr -d '\r' | sed -n "s/^    $2    REG_[A-Z_]*    //p;T;q" | grep ''
}
haskey() { run reg query "$1" >/dev/null 2>&1; }
# The Add/Remove Programs entry: with the user on Windows, under HKLM on Wine 8.
uninstall_key() {
    local hive key
    for hive in HKCU HKLM; do
        key="$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1"
        if haskey "$key"; then
            echo "$key"
            return 0
        fi
    done
    return 1
}
# A GUID as Windows Installer writes it in key names: each group reversed, the last two by bytes.
packed() {
    local g=${1//[\{\}-]/} out="" i part
    for part in "${g:0:8}" "${g:8:4}" "${g:12:4}"; do
        for ((i = ${#part} - 1; i >= 0; i--)); do out+=${part:i:1}; done
    done
    for ((i = 16; i < 32; i += 2)); do out+=${g:i+1:1}${g:i:1}; done
    echo "$out"
}
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
unixpath() { run winepath -u "$1" | tr -d '\r'; }
wintext() { run cmd /c "echo $1" | tr -d '\r'; }

# The companion from the Windows temporary folder, in a new console: its output, or status 1.
companion() { run cmd /c 'cd /d %TEMP% && freefall --imperial 100' 2>/dev/null; }
expected_output=$(printf 'FPM 100\r\nMPS 0.51\r\nIN 0.52\r\nMM 13.21\r')

local_appdata=$(wintext '%LOCALAPPDATA%')
folder="$local_appdata\\Programs\\Freefall\\"
lnk="$(wintext '%APPDATA%')\\Microsoft\\Windows\\Start Menu\\Programs\\Freefall.lnk"
profile=$(unixpath "$(wintext '%USERPROFILE%')")
env_key='HKCU\Environment'

# What the shell reads from a shortcut, with a helper built for the purpose.
x86_64-w64-mingw32-g++-posix -std=c++20 -municode -O1 -static -o "$work/shortcuttarget.exe" \
    "$here/shortcuttarget.cpp" -lole32 -luuid || exit 1
unzip -q "$zip" Freefall.exe freefall.com -d "$work/zip" || exit 1

# The next version, for the upgrade: the same programs, a higher version and its own codes.
next="$((${version%%.*} + 1)).00"
SOURCE_DATE_EPOCH=$(date +%s) "$root/packaging/windows/makemsi.py" "$next" \
    "$work/zip/Freefall.exe" "$work/zip/freefall.com" "$work/next.msi" || exit 1
code=$(product_code "$msi")
next_code=$(product_code "$work/next.msi")
[[ -n $code && -n $next_code && $code != "$next_code" ]] || fail "product codes: [$code] [$next_code]"

# Everything under the user's profile and in the user's registry, to compare after uninstalling:
# all but Wine's own settings and the empty keys where Windows Installer registers products,
# which it keeps.
snapshot() {
    (cd "$profile" && find . | LC_ALL=C sort) >"$work/$1.files"
    run reg export HKCU "$work/$1.reg" /y >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$work/$1.reg" | tr -d '\r' | grep -v '^$' |
        awk '/^\[/ { wine = index($0, "[HKEY_CURRENT_USER\\Software\\Wine\\") == 1 } !wine' |
        grep -vxE '\[HKEY_CURRENT_USER\\Software\\Microsoft\\Installer(\\(Features|Products|UpgradeCodes))?\]' \
            >"$work/$1.hkcu"
}

# installed VERSION CODE: what an installation of that version holds.
installed() {
    local key
    holds "$1: Freefall.exe is the zip's" cmp -s "$(unixpath "${folder}Freefall.exe")" "$work/zip/Freefall.exe"
    holds "$1: freefall.com is the zip's" cmp -s "$(unixpath "${folder}freefall.com")" "$work/zip/freefall.com"
    same "$1: the program folder holds the two programs" $'Freefall.exe\nfreefall.com' \
        "$(ls "$(unixpath "$folder")" | LC_ALL=C sort)"
    same "$1: freefall through PATH in a new console" "$expected_output" "$(companion)"
    same "$1: shortcut opens Freefall.exe in its folder" "${folder}Freefall.exe"$'\n'"$folder" \
        "$(run "$work/shortcuttarget.exe" "$lnk" | tr -d '\r')"
    if ! key=$(uninstall_key "$3"); then
        fail "$1: no Add/Remove Programs entry $3"
        return
    fi
    same "$1: entry name" "Freefall" "$(regvalue "$key" DisplayName)"
    same "$1: entry version" "$2" "$(regvalue "$key" DisplayVersion)"
    same "$1: entry publisher" "Freefall developers" "$(regvalue "$key" Publisher)"
    same "$1: entry without Modify" "0x1" "$(regvalue "$key" NoModify)"
    same "$1: entry location" "$folder" "$(regvalue "$key" InstallLocation)"
    # Add/Remove Programs shows a Windows Installer product's icon from its registration.
    local icon
    icon=$(regvalue "HKCU\\Software\\Microsoft\\Installer\\Products\\$(packed "$3")" ProductIcon)
    holds "$1: entry icon is the program's" cmp -s "$(unixpath "$icon")" "$root/resources/freefall.ico"
}
# path_entries: how often the program folder is on the user's PATH
path_entries() { regvalue "$env_key" Path | tr ';' '\n' | grep -cxF "$folder"; }

# 1. A user without a PATH of their own.
snapshot before
fails "before installing, freefall is not found from another folder" companion
holds "msiexec /i /qn installs" run msiexec /i "$msi" /qn
installed "$version" "$version" "$code"
same "the program folder is on the user's PATH once" 1 "$(path_entries)"

holds "msiexec /i /qn upgrades to $next" run msiexec /i "$work/next.msi" /qn
installed "$next" "$next" "$next_code"
fails "the upgrade removed the entry of $version" uninstall_key "$code"
same "after the upgrade, the program folder is on PATH once" 1 "$(path_entries)"
fails "$version is refused over $next" run msiexec /i "$msi" /qn
same "after the refusal, $next is still installed" "$next" "$(regvalue "$(uninstall_key "$next_code")" DisplayVersion)"

holds "msiexec /x /qn uninstalls" run msiexec /x "$work/next.msi" /qn
fails "after uninstalling, freefall is not found" companion
holds "no program folder" test ! -e "$(unixpath "$folder")"
holds "no shortcut" test ! -e "$(unixpath "$lnk")"
fails "no Add/Remove Programs entry" uninstall_key "$next_code"
fails "no PATH value (there was none)" regvalue "$env_key" Path
snapshot after
# Windows Installer keeps its own folder of cached packages and icons; only that may be new.
same "no file left in the profile" "" \
    "$(diff "$work/before.files" "$work/after.files" | grep '^[<>]' |
        grep -v '^> ./AppData/Roaming/Microsoft/Installer$')"
same "nothing left in the user's registry" "" \
    "$(diff "$work/before.hkcu" "$work/after.hkcu" | grep '^[<>]')"

# 2. A user with a PATH of their own, kept as an expandable string as Windows keeps it.
own='%USERPROFILE%\bin;C:\Tools'
run reg add "$env_key" /v Path /t REG_EXPAND_SZ /d "$own" /f >/dev/null 2>&1
holds "msiexec /i /qn installs beside the user's PATH" run msiexec /i "$msi" /qn
same "the program folder is put in front" "$folder;$own" "$(regvalue "$env_key" Path)"
same "freefall through PATH" "$expected_output" "$(companion)"
holds "msiexec /x /qn uninstalls" run msiexec /x "$msi" /qn
same "the user's PATH is as it was" "$own" "$(regvalue "$env_key" Path)"

echo "MSI under Wine: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
