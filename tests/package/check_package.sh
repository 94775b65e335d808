#!/bin/sh
# Installs the Debian package with dpkg as a user would, runs the program from where it landed,
# validates the installed desktop entry and metainfo, checks the manual page, the licence, the
# changelog and the stripped program, then removes the package again. Needs root, so it runs on
# a throwaway machine (CI) and is no part of the CTest suite; it leaves alone a machine where
# freefall is already installed.
# Usage: check_package.sh <freefall_VERSION_ARCH.deb>
set -u
deb=$1

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing a package with dpkg -i needs root; run as root on a throwaway machine"
    exit 77
fi
if [ ! -f "$deb" ]; then
    echo "FAIL: no package $deb (make it with scripts/package)"
    exit 1
fi
package=$(dpkg-deb -f "$deb" Package)
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: $package is installed already; not replacing or removing it"
    exit 77
fi
for tool in desktop-file-validate appstreamcli mandoc; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool not installed (scripts/deps installs it)"
        exit 77
    fi
done

scratch=$(mktemp -d)
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
remove() {
    dpkg -r "$package" >"$scratch/remove.log" 2>&1 || { cat "$scratch/remove.log"; fail "dpkg -r"; }
}
trap 'rm -rf "$scratch"' EXIT

if ! dpkg -i "$deb" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    fail "dpkg -i $deb"
    remove
    exit 1
fi

# The program, run from the path the package installed it to.
program=/usr/bin/freefall
dpkg -L "$package" | grep -qx "$program" || fail "$program is not in the package"
version=$("$program" --version 2>&1) || fail "$program --version failed: $version"
# The program's version is the package's without the Debian revision.
packaged=$(dpkg-deb -f "$deb" Version)
[ "$version" = "Freefall ${packaged%-*}" ] || fail "$program --version printed: $version"
printf 'FPM 100\nMPS 0.51\nIN 0.52\nMM 13.21\n' >"$scratch/expected"
LC_ALL=C "$program" --imperial 100 >"$scratch/actual" 2>&1 || fail "$program --imperial 100 failed"
cmp -s "$scratch/expected" "$scratch/actual" ||
    fail "$program --imperial 100 printed: $(cat "$scratch/actual")"
if readelf -S "$program" | grep -q '\.symtab'; then
    fail "$program is not stripped"
fi
# The window, from the module the package installed where the program looks for it.
module=$(dpkg -L "$package" | grep '/freefall-window\.so$')
if [ -z "$module" ]; then
    fail "the package holds no window module"
else
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen FREEFALL_REPORT_SHOWN=1 \
        "$program" >"$scratch/shown" 2>"$scratch/shown.err" &
    pid=$!
    tries=0
    while [ "$tries" -lt 100 ] && ! grep -q shown "$scratch/shown"; do
        sleep 0.1
        tries=$((tries + 1))
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    grep -qx shown "$scratch/shown" ||
        fail "$program opened no window: $(cat "$scratch/shown.err")"
    if readelf -S "$module" | grep -q '\.symtab'; then
        fail "$module is not stripped"
    fi
fi

# The desktop entry and metainfo where they were installed, the icon the entry names.
entry=/usr/share/applications/freefall.desktop
remarks=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate $entry failed"
[ -z "$remarks" ] || fail "desktop-file-validate: $remarks"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "/usr/share/icons/hicolor/128x128/apps/$icon.png" ] || fail "no 128x128 icon $icon"
metainfo=/usr/share/metainfo/org.example.freefall.metainfo.xml
appstreamcli validate --no-net --strict --pedantic "$metainfo" >"$scratch/appstream.log" 2>&1 ||
    fail "appstreamcli validate $metainfo: $(cat "$scratch/appstream.log")"

# The manual page, licence and changelog in their places.
manual=/usr/share/man/man1/freefall.1.gz
if [ -f "$manual" ]; then
    remarks=$(zcat "$manual" | mandoc -T lint -W warning 2>&1) || fail "mandoc -T lint $manual"
    [ -z "$remarks" ] || fail "mandoc -T lint: $remarks"
else
    fail "no manual page $manual"
fi
head -n 1 /usr/share/doc/freefall/copyright 2>/dev/null |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "no machine-readable /usr/share/doc/freefall/copyright"
zcat /usr/share/doc/freefall/changelog.Debian.gz 2>/dev/null |
    grep -q "^freefall ($(dpkg-deb -f "$deb" Version))" ||
    fail "no changelog.Debian.gz with this version"

remove
[ ! -e "$program" ] || fail "$program is still there after dpkg -r"
[ ! -e "$entry" ] || fail "$entry is still there after dpkg -r"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "installed, ran, validated and removed $deb"
