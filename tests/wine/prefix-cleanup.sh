#!/usr/bin/env bash
# Ends the Wine server of the throwaway prefix named in STATEFILE and removes the prefix.
# Usage: prefix-cleanup.sh STATEFILE
set -euo pipefail

state=$1
[[ -f $state ]] || exit 0
prefix=$(<"$state")
case $prefix in
*/freefall-wine.*) ;;
*) echo "prefix-cleanup: $prefix is not a prefix of the tests" >&2; exit 1 ;;
esac
WINEPREFIX=$prefix WINEDEBUG=-all wineserver -k || true
rm -rf "$prefix" "$prefix.wineboot.log" "$state"
