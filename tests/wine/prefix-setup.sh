#!/usr/bin/env bash
# Creates a throwaway Wine prefix for the Windows tests and writes its path to STATEFILE.
# Usage: prefix-setup.sh STATEFILE
# The prefix gets Wine's own fonts in its font folder, where a Windows installation has its
# fonts; Debian installs them (package fonts-wine) where Wine 8 does not look for them.
set -euo pipefail

state=$1
prefix=$(mktemp -d -t freefall-wine.XXXXXX)
export WINEPREFIX=$prefix WINEDEBUG=-all
# wineboot's output goes to a file: Wine's start-up waits on a pipe attached to it.
if ! wine wineboot -i >"$prefix.wineboot.log" 2>&1; then
    echo "prefix-setup: wine wineboot -i failed; see $prefix.wineboot.log" >&2
    exit 1
fi
wineserver -w
if [[ -d /usr/share/wine/fonts ]]; then
    cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
fi
echo "$prefix" >"$state"
echo "Wine prefix: $prefix"
