#!/bin/sh
# The manual page: no warning from mandoc's checker (nor from groff, where installed), and every
# option and exit status the program's own usage names has its entry there; the README's list
# of exit statuses names each of them too.
# Usage: check_manual.sh <freefall.1> <freefall program> <README.md>
set -u
page=$1
program=$2
readme=$3

if ! command -v mandoc >/dev/null; then
    echo "SKIP: mandoc not installed (Debian: mandoc)"
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

remarks=$(mandoc -T lint -W warning "$page" 2>&1) || fail "mandoc -T lint: $remarks"
[ -z "$remarks" ] || fail "mandoc -T lint: $remarks"
if command -v groff >/dev/null; then
    remarks=$(groff -ww -mandoc -z "$page" 2>&1)
    [ -z "$remarks" ] || fail "groff -ww: $remarks"
fi

usage=$("$program" --help) || fail "$program --help failed"
for option in $(printf '%s\n' "$usage" | sed -n 's/^ *freefall \(--[a-z]*\).*/\1/p'); do
    # Written "Fl \-name" in the page, mdoc's flag macro adding the first dash.
    grep -q "^\\.It Fl \\\\${option#-}\\b" "$page" || fail "$option has no entry in the manual page"
done
# The statuses the usage lists, as entries of the EXIT STATUS section.
statuses=$(printf '%s\n' "$usage" | sed -n '/^Exit status:/,$p' | grep -o '[0-9] [a-z]' | cut -c1)
[ -n "$statuses" ] || fail "the usage lists no exit statuses"
for status in $statuses; do
    sed -n '/^\.Sh EXIT STATUS/,/^\.Sh /p' "$page" | grep -qx "\\.It $status" ||
        fail "exit status $status has no entry in the manual page"
    # The README's paragraph that starts "Exit status:", as "2 usage error".
    sed -n '/^Exit status:/,/^$/p' "$readme" | tr '\n' ' ' | grep -q "[:;] $status [a-z]" ||
        fail "exit status $status is missing from the README"
done

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "manual page clean, with every option and exit status"
