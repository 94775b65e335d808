#!/usr/bin/env bash
# Runs a command with the settings of a .reg file written into the tests' Wine prefix, and
# takes them back afterwards: the keys the file names are saved first and restored as they were
# (a key the prefix did not have is removed again). The Wine server keeps some settings (the
# system colours) from its start, so each time it is let end before the next program starts.
# Usage: with-settings.sh STATEFILE REGFILE COMMAND...
set -uo pipefail

state=$1 regfile=$2
shift 2
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
wine_run=("$here/wine-run.sh" "$state")
server_ended() { WINEPREFIX=$(<"$state") WINEDEBUG=-all wineserver -w; }
saved=$(mktemp -d)
mapfile -t keys < <(sed -n 's/^\[\(.*\)\]\r\{0,1\}$/\1/p' "$regfile")
for i in "${!keys[@]}"; do
    "${wine_run[@]}" reg export "${keys[$i]}" "Z:$saved/$i.reg" /y >/dev/null 2>&1 || true
done
"${wine_run[@]}" reg import "Z:$(realpath "$regfile")" >/dev/null 2>&1 || {
    echo "with-settings: cannot import $regfile" >&2
    rm -rf "$saved"
    exit 1
}
server_ended
"$@"
status=$?
for i in "${!keys[@]}"; do
    "${wine_run[@]}" reg delete "${keys[$i]}" /f >/dev/null 2>&1
    [[ -f $saved/$i.reg ]] && "${wine_run[@]}" reg import "Z:$saved/$i.reg" >/dev/null 2>&1
done
server_ended
rm -rf "$saved"
exit $status
