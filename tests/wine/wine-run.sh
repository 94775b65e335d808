#!/usr/bin/env bash
# Runs a Windows program under Wine in the tests' prefix named in STATEFILE; the exit status is
# the program's. Wine takes the user's locale from LC_ALL, which is set here from
# FREEFALL_WINE_LOCALE (default en_US.UTF-8): the build machine need not have that locale, and
# shells warn about a locale they cannot load.
# Usage: wine-run.sh STATEFILE [--needs-display] PROGRAM [ARGUMENTS...]
# --needs-display: exit 77 (skipped) when there is no X display to open windows on.
set -euo pipefail

state=$1
shift
if [[ ${1:-} == --needs-display ]]; then
    shift
    if [[ -z ${DISPLAY:-} ]]; then
        echo "wine-run: no X display (run under xvfb-run); skipped" >&2
        exit 77
    fi
fi
if [[ ! -f $state ]]; then
    echo "wine-run: no Wine prefix; the test fixture wine_prefix creates it" >&2
    exit 1
fi
WINEPREFIX=$(<"$state")
export WINEPREFIX WINEDEBUG=-all
exec env LC_ALL="${FREEFALL_WINE_LOCALE:-en_US.UTF-8}" wine "$@"
