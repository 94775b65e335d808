#!/usr/bin/env bash
# Builds the page and the bare page in build-web and compares how soon each is ready to
# calculate in headless Chromium. Usage: bench/web/readiness.sh [--runs N]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
"$root/scripts/deps" --web chromium chromium-driver python3-selenium
"$root/scripts/build-web" freefall_html freefall_barepage >/dev/null
exec /usr/bin/python3 "$root/bench/web/readiness.py" "$@" "$root/build-web/freefall.html" \
    "$root/build-web/bench/web/barepage.html"
