#!/bin/sh
# freefall without a display: one line on standard error that says so and names the
# command-line mode, exit status 2, instead of Qt's abort. Usage: check_no_display.sh FREEFALL
set -u
program=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT
status=0
# Qt's options given to the program, word by word.
options=""

expect_refusal() {
    what=$1
    shift
    # shellcheck disable=SC2086
    env "$@" timeout 10 "$program" $options >"$out" 2>&1
    code=$?
    lines=$(wc -l <"$out")
    if [ "$code" -ne 2 ] || [ "$lines" -ne 1 ] ||
        ! grep -q 'no display' "$out" || ! grep -q -- '--imperial TEXT' "$out" ||
        ! grep -q -- '--metric TEXT' "$out"; then
        echo "FAIL: $what: exit $code, $lines lines:"
        cat "$out"
        status=1
    else
        echo "PASS: $what"
    fi
}

expect_refusal "no display variables" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
expect_refusal "xcb asked for, no DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
expect_refusal "a DISPLAY nobody answers" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:31999
expect_refusal "wayland asked for, none there" -u WAYLAND_DISPLAY -u DISPLAY QT_QPA_PLATFORM=wayland
# Qt's -platform and -display count as QT_QPA_PLATFORM and DISPLAY do, and before them.
options="-platform xcb"
expect_refusal "-platform xcb, no DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen
options="-display :31999"
expect_refusal "-display nobody answers" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
options=""

# The offscreen platform needs no display: the window opens and runs until it is ended.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 2 "$program" >/dev/null 2>&1
code=$?
if [ "$code" -ne 124 ]; then
    echo "FAIL: offscreen: exit $code before the timeout"
    status=1
else
    echo "PASS: offscreen runs"
fi
exit $status
