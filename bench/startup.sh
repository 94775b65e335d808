#!/usr/bin/env bash
# Start-up of the calculator window against a bare Qt window of the same controls: time from
# exec to the first frame painted, and resident memory at that moment, median of repeated
# runs on one Xvfb server, the two programs taking turns. Then the cost of a keystroke in the
# speed box and of a Calculate through the real widgets.
# Usage: bench/startup.sh [BUILD_DIR]   Environment: RUNS (default 31).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-startup}"
runs="${RUNS:-31}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DFREEFALL_BENCH=ON >/dev/null
cmake --build "$build" --target freefall freefall_bare_window freefall_window_bench -j "$(nproc)" >/dev/null

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to the descriptor given.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.05
done
display=":$(cat "$work/display")"

# shellcheck source=bench/startuptiming.sh
source "$root/bench/startuptiming.sh"
export DISPLAY=$display QT_QPA_PLATFORM=xcb

# One run: prints "microseconds KiB", the resident memory read when the window is shown.
measure() {
    local ok=1 rss
    start_until_shown 20 "$1" || ok=0
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$shown_pid/status" 2>/dev/null) || rss=0
    stop_program "$shown_pid"
    ((ok)) || { echo "no window from $1" >&2; exit 1; }
    echo "$shown_us $rss"
}

app="$build/app/freefall"
bare="$build/bench/startup/freefall_bare_window"
take_turns "$runs" "$app" "$bare"

app_ms=$(cut -d' ' -f1 "$work/app" | median)
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
app_kib=$(cut -d' ' -f2 "$work/app" | median)
bare_kib=$(cut -d' ' -f2 "$work/bare" | median)

echo "start-up to first frame, median of $runs runs on Xvfb:"
awk -v a="$app_ms" -v b="$bare_ms" -v am="$app_kib" -v bm="$bare_kib" 'BEGIN {
    printf "  %-22s %9s %12s\n", "", "time (ms)", "VmRSS (KiB)"
    printf "  %-22s %9.1f %12d\n", "freefall", a / 1000, am
    printf "  %-22s %9.1f %12d\n", "bare Qt window (floor)", b / 1000, bm
    printf "  %-22s %9.3f %12.3f   (goals: 1.15, 1.10)\n", "ratio", a / b, am / bm
}'

echo "through the real widgets (Qt Test, offscreen), per iteration:"
QT_QPA_PLATFORM=offscreen LC_ALL=C "$build/bench/window/freefall_window_bench" keystroke calculate \
    -median 5 2>/dev/null | awk '/^RESULT/ { name = $3 } /msecs per iteration/ {
        printf "  %-40s %s ms   (goal: under 1 ms)\n", name, $1 }'
