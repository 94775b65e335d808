#!/usr/bin/env bash
# Checks a release made by scripts/release: dist/ holds exactly the Debian package, the zip, the
# installer and SHA256SUMS, whose sums hold; then the same commit is released a second time from
# a fresh clone at another path, in another time zone, locale and umask, and every file must be
# the same, byte for byte.
# Usage: tests/release/check_reproducible.sh [DIST_DIR]   (default dist/, made by scripts/release)
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
dist="$(realpath "${1:-$root/dist}")"
passed=0
failed=0
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}
# check NAME COMMAND...: the command succeeds
check() {
    local name=$1
    shift
    if "$@"; then passed=$((passed + 1)); else fail "$name"; fi
}

# The files' names as scripts/release makes them.
debian_version=$(dpkg-parsechangelog -l "$root/packaging/debian/changelog" -S Version)
upstream=${debian_version%-*}
expected=("freefall_${debian_version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
    "Freefall-$upstream-win-x64.zip"
    "Freefall-$upstream-win-x64.msi" SHA256SUMS)
listed=$(cd "$dist" 2>/dev/null && ls -A | LC_ALL=C sort)
check "dist/ holds [$listed], not ${expected[*]}" \
    test "$listed" = "$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)"
summed=$(cut -d' ' -f3- "$dist/SHA256SUMS" | LC_ALL=C sort)
check "SHA256SUMS lists [$summed], not the other three" \
    test "$summed" = "$(printf '%s\n' "${expected[@]:0:3}" | LC_ALL=C sort)"
check "SHA256SUMS does not hold" sh -c 'cd "$1" && sha256sum --quiet --strict -c SHA256SUMS' _ "$dist"

# The second release: a clone of the commit two folders deeper under another name, with the
# clock 14 hours ahead of UTC, the C locale and a umask that leaves files group-writable.
work=$(mktemp -d -t freefall-release.XXXXXX)
trap 'rm -rf "$work"' EXIT
other="$work/second/place"
commit=$(git -C "$root" rev-parse HEAD)
if ! git clone -q --no-local "$root" "$other" || ! git -C "$other" checkout -q --detach "$commit"; then
    fail "cloning $commit"
elif ! (cd "$other" && umask 0002 && TZ='<+14>-14' LC_ALL=C scripts/release >"$work/release.log" 2>&1); then
    tail -n 30 "$work/release.log"
    fail "the second scripts/release"
else
    for name in "${expected[@]}"; do
        check "$name differs between the two builds" cmp "$dist/$name" "$other/dist/$name"
    done
fi

echo "Reproducible release $upstream: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
