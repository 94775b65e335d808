#!/usr/bin/env bash
# Runs the command with a FIFO at C:\freefall-fifo.ico in the tests' Wine prefix, named to the
# test in FREEFALL_TEST_FIFO, and removes it afterwards.
# Usage: with_fifo.sh STATEFILE COMMAND...
set -uo pipefail

state=$1
shift
fifo="$(<"$state")/drive_c/freefall-fifo.ico"
rm -f "$fifo"
mkfifo "$fifo" || exit 1
FREEFALL_TEST_FIFO='C:\freefall-fifo.ico' "$@"
status=$?
rm -f "$fifo"
exit $status
