#!/bin/sh
# Installs the build as a distribution would under /usr and runs the software-centre metadata
# compiler over it, as distributions do to list the program in GNOME Software and Discover: the
# run must succeed, with the icon found and cached at the sizes software centres show.
# Usage: check_compose.sh <cmake> <build dir>
set -u
cmake=$1
build=$2

if ! appstreamcli compose --help >/dev/null 2>&1; then
    echo "SKIP: appstreamcli compose not available (Debian: appstream-compose)"
    exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! "$cmake" --install "$build" --prefix "$scratch/root/usr" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$scratch/root/usr/share/metainfo/"*.metainfo.xml)
if ! appstreamcli compose --no-net --no-color --origin=freefall --result-root="$scratch/out" \
    --hints-dir="$scratch/hints" "$scratch/root" >"$scratch/compose.log" 2>&1; then
    fail "appstreamcli compose: $(cat "$scratch/compose.log")"
fi
# The hints file explains every tag first, then lists the hints raised, each as "- tag: NAME".
[ -f "$scratch/hints/freefall.hints.yaml" ] || fail "compose wrote no hints file"
hints=$(sed -n '/^- Unit:/,$p' "$scratch/hints/freefall.hints.yaml" 2>/dev/null | grep 'tag:')
[ -z "$hints" ] || fail "compose hints: $hints"

catalog=$scratch/out/usr/share/swcatalog/xml/freefall.xml.gz
if [ ! -f "$catalog" ]; then
    fail "no catalog $catalog"
else
    for side in 64 128; do
        zcat "$catalog" | grep -q "<icon type=\"cached\" width=\"$side\" height=\"$side\">" ||
            fail "the catalog has no cached ${side}x$side icon"
        [ -f "$scratch/out/usr/share/swcatalog/icons/freefall/${side}x$side/$id.png" ] ||
            fail "no cached ${side}x$side icon file"
    done
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "composed for software centres, icon found"
