#!/usr/bin/env bash
# The icon loader against hostile files of at most 1 MiB: for each, what loading it costs beyond
# loading an ordinary 32 x 32 icon, in peak resident memory, and the load's own time, median of
# RUNS runs, one process per run. BEFORE names a freefall_load_picture built from another
# commit (copy bench/picture and tests/support/iconbytes.h into that tree to build it); the
# two then take turns on every file, except those listed in skip_before.
# Usage: bench/picture.sh [BUILD_DIR]   Environment: RUNS (default 5), BEFORE.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-bench}"
runs="${RUNS:-5}"
before="${BEFORE:-}"
# Loaders that decode every entry would need about 12 GB for this one.
skip_before=(bitmap-256-named-most-times.ico)

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DFREEFALL_BENCH=ON >/dev/null
cmake --build "$build" --target freefall_load_picture -j "$(nproc)" >/dev/null
after="$build/bench/picture/freefall_load_picture"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$after" --write "$work"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One run: "KiB milliseconds outcome".
measure() {
    local program=$1 file=$2 line
    line=$(/usr/bin/time -f '%M' "$program" "$file" 2>"$work/time" | tail -n 1)
    echo "$(tail -n 1 "$work/time") ${line%% ms: *} ${line#* ms: }"
}

# Prints "median-KiB median-ms outcome" for the runs in a file of measure lines.
summarise() {
    local runs=$1
    echo "$(cut -d' ' -f1 "$runs" | median) $(cut -d' ' -f2 "$runs" | median) $(head -n 1 "$runs" | cut -d' ' -f3-)"
}

programs=(after)
[[ -n $before ]] && programs=(before after)
declare -A path=([after]=$after [before]=$before)
declare -A base
for program in "${programs[@]}"; do
    : >"$work/base"
    for _ in $(seq "$runs"); do
        measure "${path[$program]}" "$work/ordinary-32x32.ico" >>"$work/base"
    done
    base[$program]=$(cut -d' ' -f1 "$work/base" | median)
    echo "$program: ordinary 32 x 32 icon, peak ${base[$program]} KiB" \
        "($(cut -d' ' -f2 "$work/base" | median) ms)"
done

printf '%-36s %-8s %14s %10s  %s\n' file loader "extra peak MiB" "load ms" outcome
for file in "$work"/*.ico; do
    name=$(basename "$file")
    [[ $name == ordinary-32x32.ico ]] && continue
    for program in "${programs[@]}"; do
        : >"$work/$program.runs"
    done
    for _ in $(seq "$runs"); do
        for program in "${programs[@]}"; do
            if [[ $program == before && " ${skip_before[*]} " == *" $name "* ]]; then
                continue
            fi
            measure "${path[$program]}" "$file" >>"$work/$program.runs"
        done
    done
    for program in "${programs[@]}"; do
        if [[ ! -s $work/$program.runs ]]; then
            printf '%-36s %-8s %14s %10s  %s\n' "$name" "$program" - - "not run"
            continue
        fi
        read -r kib ms outcome <<<"$(summarise "$work/$program.runs")"
        extra=$(awk -v k="$kib" -v b="${base[$program]}" 'BEGIN { printf "%.1f", (k - b) / 1024 }')
        printf '%-36s %-8s %14s %10s  %s\n' "$name" "$program" "$extra" "$ms" "$outcome"
    done
done
