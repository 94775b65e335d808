#!/usr/bin/env bash
# The version is written once, in the newest entry of packaging/debian/changelog, and the build
# takes it from there; the files that cannot take it while building must name the same one:
# the AppStream release (with the entry's date), the manual page, the Windows manifest and the
# README's examples. A release that changes the changelog alone fails here.
# Usage: check_versions.sh SOURCE_DIR
set -uo pipefail
cd "${1:?usage: check_versions.sh SOURCE_DIR}" || exit 1

top=$(head -n 1 packaging/debian/changelog)
if [[ ! $top =~ ^freefall\ \(([0-9]+)\.([0-9][0-9])-[0-9]+\)\  ]]; then
    echo "FAIL: packaging/debian/changelog opens with: $top"
    exit 1
fi
version=${BASH_REMATCH[1]}.${BASH_REMATCH[2]}
major=$((10#${BASH_REMATCH[1]}))
minor=$((10#${BASH_REMATCH[2]}))
stamp=$(sed -n 's/^ -- .*>  //p;T;q' packaging/debian/changelog)
date=$(date -u -d "$stamp" +%F) || { echo "FAIL: the newest entry's date: $stamp"; exit 1; }

checks=0
failures=0
# expect NAME EXPECTED FOUND...: every FOUND is EXPECTED, and there is at least one.
expect() {
    local name=$1 expected=$2
    shift 2
    checks=$((checks + 1))
    if [[ $# -eq 0 ]]; then
        echo "FAIL $name: not found (expected $expected)"
        failures=$((failures + 1))
        return
    fi
    local found
    for found in "$@"; do
        if [[ $found != "$expected" ]]; then
            echo "FAIL $name: $found, but the changelog says $expected"
            failures=$((failures + 1))
            return
        fi
    done
    echo "ok $name: $expected"
}
all() { grep -oE "$1" "$2" | sed -E "s/$1/\\1/"; }

metainfo=resources/org.example.freefall.metainfo.xml
newest=$(grep -m 1 -oE '<release [^>]*>' "$metainfo")
expect "metainfo newest release" "$version" $(sed -nE 's/.*version="([^"]*)".*/\1/p' <<<"$newest")
expect "metainfo newest release date" "$date" $(sed -nE 's/.*date="([^"]*)".*/\1/p' <<<"$newest")
expect "manual page --version" "$version" $(all 'Freefall ([0-9]+\.[0-9]+)' resources/freefall.1)
expect "manifest assembly version" "$major.$minor.0.0" \
    $(all 'name="Freefall" version="([0-9.]+)"' app/win32/freefall.manifest)
expect "README --version" "$version" $(all 'Freefall ([0-9]+\.[0-9]+)"' README.md)
expect "README Debian package" "$version" $(all 'freefall_([0-9]+\.[0-9]+)-[0-9]+_amd64\.deb' README.md)
expect "README Windows downloads" "$version" $(all 'Freefall-([0-9]+\.[0-9]+)-win-x64' README.md)

echo "$((checks - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
