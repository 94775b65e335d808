#!/bin/sh
# Installs the build into a scratch prefix and checks that the program and its window module, its
# desktop entry, its theme icons, its AppStream metainfo, its manual page and its licence land
# where desktops, software centres and man look, and pass their validators.
# Usage: check_install.sh <cmake> <build dir> <version>
set -u
cmake=$1
build=$2
version=$3

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool not installed (Debian: desktop-file-utils, appstream)"
        exit 77
    fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! "$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

# The program runs from where it was installed.
program=$prefix/bin/freefall
if [ ! -x "$program" ]; then
    fail "no executable $program"
elif [ "$("$program" --version 2>&1)" != "Freefall $version" ]; then
    fail "installed freefall --version printed: $("$program" --version 2>&1)"
else
    # The command line needs no window library; the window comes from the installed module,
    # found from where the program was installed.
    if readelf -d "$program" | grep NEEDED | grep -q -e Qt6Gui -e Qt6Widgets; then
        fail "installed freefall links a window library: $(readelf -d "$program" | grep NEEDED)"
    fi
    [ -n "$(find "$prefix" -name freefall-window.so)" ] || fail "no window module installed"
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
        fail "the installed freefall opened no window: $(cat "$scratch/shown.err")"
fi

# The desktop entry: valid with nothing to remark, and what it names is installed.
entry=$prefix/share/applications/freefall.desktop
key() { sed -n "s/^$1=//p" "$entry"; }
if [ ! -f "$entry" ]; then
    fail "no desktop entry $entry"
else
    remarks=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate failed"
    [ -z "$remarks" ] || fail "desktop-file-validate: $remarks"
    [ "$(key StartupNotify)" = true ] || fail "StartupNotify is '$(key StartupNotify)', not true"
    exec=$(key Exec)
    [ -x "$prefix/bin/${exec%% *}" ] || fail "Exec=$exec is not an installed program"
    icon=$(key Icon)
    [ -n "$icon" ] || fail "no Icon key"
    for side in 256 128 64 48 32 16; do
        png=$prefix/share/icons/hicolor/${side}x$side/apps/$icon.png
        if [ ! -f "$png" ]; then
            fail "Icon=$icon has no $png"
            continue
        fi
        # PNG signature, then the IHDR chunk's width and height.
        header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
        size=$(printf '%08x%08x' "$side" "$side")
        case $header in
        89504e470d0a1a0a0000000d49484452$size) ;;
        *) fail "$png is not a ${side}x$side PNG" ;;
        esac
    done
fi

# The AppStream metainfo: one file, named after its id, valid offline, pointing at the entry.
set -- "$prefix"/share/metainfo/*.metainfo.xml
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    fail "expected one metainfo file, found: $*"
else
    metainfo=$1
    id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
    [ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "$metainfo does not carry id $id"
    # Not even a pedantic remark.
    appstreamcli validate --no-net --strict --pedantic "$metainfo" >"$scratch/appstream.log" 2>&1 ||
        fail "appstreamcli validate: $(cat "$scratch/appstream.log")"
    ! grep -q '^[EWIP]: ' "$scratch/appstream.log" ||
        fail "appstreamcli validate --pedantic: $(cat "$scratch/appstream.log")"
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
    [ -f "$prefix/share/applications/$launchable" ] || fail "launchable $launchable not installed"
    # The tree check also finds the entry the metainfo names among the installed files.
    appstreamcli validate-tree --no-net --strict "$prefix" >"$scratch/tree.log" 2>&1 ||
        fail "appstreamcli validate-tree: $(cat "$scratch/tree.log")"
    summary=$(sed -n 's:.*<summary>\(.*\)</summary>.*:\1:p' "$metainfo")
    [ "$summary" = "Calculate gravity stopping distances" ] || fail "summary is '$summary'"
fi

# The manual page, where man looks for section 1.
[ -f "$prefix/share/man/man1/freefall.1" ] || fail "no manual page share/man/man1/freefall.1"

# The licence in Debian's machine-readable form, its text that of LICENSE.
copyright=$prefix/share/doc/freefall/copyright
if [ ! -f "$copyright" ]; then
    fail "no $copyright"
else
    [ "$(head -n 1 "$copyright")" = \
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
        fail "$copyright does not start with the machine-readable Format line"
    license=$(dirname "$0")/../../LICENSE
    holder=$(sed -n 's/^Copyright (c) //p' "$license")
    grep -qx "Copyright: $holder" "$copyright" || fail "$copyright does not name '$holder'"
    # The last stanza's text, unindented, against LICENSE below its copyright line.
    awk '/^License: Expat$/ { n = NR } { line[NR] = $0 } END { for (i = n + 1; i <= NR; i++) print line[i] }' \
        "$copyright" | sed 's/^ \.$//; s/^ //' >"$scratch/copyright.text"
    sed '1,/^Copyright (c) /d' "$license" | sed '1{/^$/d;}' >"$scratch/license.text"
    cmp -s "$scratch/copyright.text" "$scratch/license.text" ||
        fail "the licence text in $copyright differs from LICENSE"
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "installed and valid under a scratch prefix"
