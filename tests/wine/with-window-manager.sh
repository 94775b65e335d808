#!/usr/bin/env bash
# Runs a command on the current X display with a window manager (openbox) beside it, as a
# desktop has one: Wine's windows then take the keyboard focus reliably, and a closed window is
# gone at once (without one Wine waits two seconds for each top-level window to be withdrawn).
# Usage: with-window-manager.sh COMMAND...
set -uo pipefail

openbox >/dev/null 2>&1 &
manager=$!
# The manager has started once it owns the window-manager selection of screen 0.
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
"$@"
status=$?
kill "$manager" 2>/dev/null
wait "$manager" 2>/dev/null
exit $status
