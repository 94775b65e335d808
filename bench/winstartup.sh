#!/usr/bin/env bash
# Start-up of Freefall.exe under Wine against a bare Win32 window of the same controls
# (bench/winstartup): time from exec to the first frame painted, median of repeated runs in one
# throwaway prefix with a persistent Wine server, on one Xvfb display with a window manager, the
# two programs taking turns. Besides the ratio of the medians, the median of the ratios of each
# pair of neighbouring runs, which a load that comes and goes on the machine sways less.
# Usage: bench/winstartup.sh   Environment: RUNS (default 21); FREEFALL_EXE, another build
# of Freefall.exe to measure.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${RUNS:-21}"
if [[ -z ${FREEFALL_BENCH_DISPLAY:-} ]]; then
    "$root/scripts/deps" --windows wine wine64 fonts-wine xvfb xauth openbox x11-utils
    "$root/scripts/build-windows" >/dev/null
    cmake --build "$root/build-windows" --target freefall_bare_win32_window -j2 >/dev/null
    exec env FREEFALL_BENCH_DISPLAY=1 xvfb-run -a -s '-screen 0 1024x768x24' \
        "$root/tests/wine/with-window-manager.sh" "$0"
fi

app="${FREEFALL_EXE:-$root/build-windows/Freefall.exe}"
bare="$root/build-windows/bench/winstartup/freefall_bare_win32_window.exe"
work="$(mktemp -d)"
state="$work/prefix"
"$root/tests/wine/prefix-setup.sh" "$state" >/dev/null
export WINEPREFIX=$(<"$state") WINEDEBUG=-all
cleanup() {
    "$root/tests/wine/prefix-cleanup.sh" "$state" || true
    rm -rf "$work"
}
trap cleanup EXIT
# The server stays up between runs, as it does on a desktop where Wine programs have run before.
wineserver -p

# shellcheck source=bench/startuptiming.sh
source "$root/bench/startuptiming.sh"

# One run: prints the microseconds from just before exec to the "shown" line.
measure() {
    local ok=1
    start_until_shown 30 env LC_ALL=en_US.UTF-8 wine "$1" || ok=0
    stop_program "$shown_pid"
    ((ok)) || { echo "no window from $1" >&2; exit 1; }
    echo "$shown_us"
}

take_turns "$runs" "$app" "$bare"

app_us=$(median <"$work/app")
bare_us=$(median <"$work/bare")
paired=$(paste -d' ' "$work/app" "$work/bare" | awk '{ printf "%.6f\n", $1 / $2 }' | median)
echo "start-up to first frame under Wine, median of $runs runs:"
awk -v a="$app_us" -v b="$bare_us" -v p="$paired" 'BEGIN {
    printf "  %-26s %9s\n", "", "time (ms)"
    printf "  %-26s %9.1f\n", "Freefall.exe", a / 1000
    printf "  %-26s %9.1f\n", "bare Win32 window (floor)", b / 1000
    printf "  %-26s %9.3f   (goal: 1.10)\n", "ratio of the medians", a / b
    printf "  %-26s %9.3f\n", "median of paired ratios", p
}'
