#!/usr/bin/env bash
# The command line's cost with hyperfine, as medians of each command's runs, the commands one
# after another in one invocation: one calculation and --version against a program that links
# QtCore alone and formats one number (the floor); a million speeds in the batch form against
# mawk printing the bare formula for them, to a file and to a pipe, with the batch's peak memory;
# and the same million as single runs, estimated from a sample.
# Usage: bench/commandline.sh [BUILD_DIR]   Environment: RUNS (default 100), BATCH_RUNS (10).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-startup}"
runs="${RUNS:-100}"
batch_runs="${BATCH_RUNS:-10}"

"$root/scripts/deps" hyperfine mawk time
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DFREEFALL_BENCH=ON >/dev/null
cmake --build "$build" --target freefall freefall_qtcore_floor -j "$(nproc)" >/dev/null

app="$build/app/freefall"
floor="$build/bench/commandline/freefall_qtcore_floor"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export LC_ALL=C

# The median of each command of a hyperfine CSV export, in seconds, in the order run.
medians() { awk -F, 'NR > 1 { print $4 }' "$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
ms() { awk -v s="$1" 'BEGIN { printf "%.2f ms", s * 1000 }'; }

# In rounds, so that the three take turns through the machine's changing load; each command's
# figure is the median of its medians.
rounds=5
for round in $(seq "$rounds"); do
    hyperfine -N --warmup 5 --runs "$((runs / rounds))" --style none \
        --export-csv "$work/start$round.csv" \
        "$app --imperial 1000" "$floor" "$app --version" >/dev/null 2>&1
done
start=()
for command in 1 2 3; do
    start+=("$(for round in $(seq "$rounds"); do medians "$work/start$round.csv" | sed -n "${command}p"; done |
        sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')")
done
echo "one process, median of $rounds rounds of $((runs / rounds)) runs:"
echo "  freefall --imperial 1000    $(ms "${start[0]}")   $(ratio "${start[0]}" "${start[1]}") x the floor (goal: 1.2)"
echo "  freefall --version          $(ms "${start[2]}")   $(ratio "${start[2]}" "${start[1]}") x the floor"
echo "  QtCore floor                $(ms "${start[1]}")"

# A million speeds from 0.01 to 10000 feet per minute, every one with a result.
seq 0.01 0.01 10000 >"$work/speeds"
cat >"$work/formula.awk" <<'AWK'
{ s = $1 * $1 / 19320; printf "%s\t%.2f\t%.2f\t%.2f\n", $1, $1 * 0.00508, s, s * 25.4 }
AWK
hyperfine --warmup 1 --runs "$batch_runs" --style none --export-csv "$work/batch.csv" \
    "$app --imperial - <$work/speeds >$work/out" \
    "mawk -f $work/formula.awk <$work/speeds >$work/out" \
    "$app --imperial - <$work/speeds | cat >/dev/null" \
    "mawk -f $work/formula.awk <$work/speeds | cat >/dev/null" >/dev/null 2>&1
mapfile -t batch < <(medians "$work/batch.csv")
peak() { /usr/bin/time -f %M "$app" --imperial - <"$1" 2>&1 >/dev/null | tail -n 1; }
cat "$work/speeds" "$work/speeds" "$work/speeds" >"$work/speeds3"
echo "a million speeds, median of $batch_runs runs:"
echo "  to a file:  freefall --imperial - $(ms "${batch[0]}"), mawk $(ms "${batch[1]}")   $(ratio "${batch[0]}" "${batch[1]}") x mawk (goal: 1.0)"
echo "  to a pipe:  freefall --imperial - $(ms "${batch[2]}"), mawk $(ms "${batch[3]}")   $(ratio "${batch[2]}" "${batch[3]}") x mawk (goal: 1.0)"
echo "  peak memory: $(peak "$work/speeds") KiB for a million lines, $(peak "$work/speeds3") KiB for three million"

# The single runs a table took before: a sample of 500, scaled to the million.
head -n 500 "$work/speeds" >"$work/sample"
hyperfine --warmup 1 --runs 3 --style none --export-csv "$work/single.csv" \
    "xargs -n 1 $app --imperial <$work/sample >/dev/null" >/dev/null 2>&1
single=$(medians "$work/single.csv")
echo "  as single runs: $(awk -v s="$single" 'BEGIN { printf "%.0f s (%.1f hours)", s * 2000, s * 2000 / 3600 }'), estimated from 500 runs in $(ms "$single")"
