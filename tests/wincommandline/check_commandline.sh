#!/usr/bin/env bash
# The console companion freefall.com under Wine: the four lines (Windows line ends, UTF-8), the
# exit statuses of the README, errors as one line on standard error and nothing on standard
# output, and the regional settings of the user's locale.
# Usage: FREEFALL_VERSION=1.00 check_commandline.sh STATEFILE FREEFALL_COM
# STATEFILE names the tests' Wine prefix, as tests/wine/wine-run.sh takes it.
set -uo pipefail
: "${FREEFALL_VERSION:?the version --version prints, which CTest gives from the changelog}"

state=$1 com=$2
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
run=("$here/../wine/wine-run.sh" "$state")
# The settings each check runs with, when withSettings gives it some.
via=()
failures=0
nbsp=$'\u00a0'

# The lines as the program writes them: each ended by CR LF.
crlfLines() { printf '%s\n' "$@" | sed 's/$/\r/'; }

# check NAME LOCALE STATUS EXPECTED_STDOUT ARGUMENTS... ; EXPECTED_STDOUT "-" means: empty, with
# one line on standard error.
check() {
    local name=$1 locale=$2 status=$3 expected=$4
    shift 4
    local out err got
    out=$(mktemp) err=$(mktemp)
    FREEFALL_WINE_LOCALE=$locale "${via[@]}" "${run[@]}" "$com" "$@" >"$out" 2>"$err"
    got=$?
    local problems=()
    [[ $got == "$status" ]] || problems+=("exit status $got, expected $status")
    if [[ $expected == - ]]; then
        [[ ! -s $out ]] || problems+=("standard output not empty: $(cat -A "$out")")
        [[ $(wc -l <"$err") == 1 ]] || problems+=("standard error is not one line: $(cat -A "$err")")
    else
        local want
        want=$(mktemp)
        crlfLines "$expected" >"$want"
        cmp -s "$want" "$out" || problems+=("standard output $(cat -A "$out"), expected $(cat -A "$want")")
        [[ ! -s $err ]] || problems+=("standard error not empty: $(cat "$err")")
        rm -f "$want"
    fi
    if [[ ${#problems[@]} -eq 0 ]]; then
        echo "PASS $name"
    else
        echo "FAIL $name: ${problems[*]}"
        failures=$((failures + 1))
    fi
    rm -f "$out" "$err"
}

lines() { printf '%s\n' "$@"; }

check "imperial 100" en_US.UTF-8 0 "$(lines 'FPM 100' 'MPS 0.51' 'IN 0.52' 'MM 13.21')" --imperial 100
check "metric 50, cut to nine characters" en_US.UTF-8 0 \
    "$(lines 'FPM 9,842.52' 'MPS 50' 'IN 5,014.02' 'MM 127,356.0')" --metric 50
check "Val reads 12abc as 12" en_US.UTF-8 0 "$(lines 'FPM 12abc' 'MPS 0.06' 'IN 0.01' 'MM 0.25')" --imperial 12abc
check "1 ft/min: 5.17e-5 inches shows 0.00" en_US.UTF-8 0 "$(lines 'FPM 1' 'MPS 0.01' 'IN 0.00' 'MM 0.00')" --imperial 1
check "German regional settings" de_DE.UTF-8 0 "$(lines 'FPM 1000' 'MPS 5,08' 'IN 51,76' 'MM 1.314,70')" --imperial 1000
check "French regional settings" fr_FR.UTF-8 0 \
    "$(lines "FPM 9${nbsp}842,52" 'MPS 50' "IN 5${nbsp}014,02" "MM 127${nbsp}356,0")" --metric 50
check "version" en_US.UTF-8 0 "$(lines "Freefall $FREEFALL_VERSION")" --version
check "zero" en_US.UTF-8 1 - --imperial 0
check "negative" en_US.UTF-8 1 - --metric -5
check "not a number" en_US.UTF-8 1 - --imperial abc
check "unknown option" en_US.UTF-8 2 - --speed 100
check "TEXT missing" en_US.UTF-8 2 - --imperial
check "too many arguments" en_US.UTF-8 2 - --metric 1 2
check "TEXT longer than nine characters" en_US.UTF-8 2 - --imperial 1234567890
check "TEXT with a control character" en_US.UTF-8 2 - --imperial $'1\n00'
check "a ten-digit millimetre result does not fit" en_US.UTF-8 3 - --metric 1000
check "overflow" en_US.UTF-8 3 - --imperial 1E300

# The user's own changes to the number settings, written from settings/*.reg into the prefix's
# registry where Control Panel keeps them, for one check, and taken back afterwards.
settingsRun=("$here/../wine/with-settings.sh" "$state")
withSettings() { # REGFILE -- check ARGUMENTS...
    via=("${settingsRun[@]}" "$here/settings/$1")
    shift 2
    "$@"
    via=()
}
withSettings decimal-comma.reg -- check "decimal symbol and grouping symbol swapped" \
    en_US.UTF-8 0 "$(lines 'FPM 1000' 'MPS 5,08' 'IN 51,76' 'MM 1.314,70')" --imperial 1000
withSettings decimal-point.reg -- check "German with the English symbols" \
    de_DE.UTF-8 0 "$(lines 'FPM 100' 'MPS 0.51' 'IN 0.52' 'MM 13.21')" --imperial 100
# Negatives in parentheses leave every number to the platform, and Wine 8's VarFormatNumber fails
# with "," as decimal symbol: status 3 with the failure named, not called an overflow. Where the
# platform formats them, the figures are those of the swapped symbols.
out=$(mktemp) message=$(mktemp) want=$(mktemp)
crlfLines 'FPM 1000' 'MPS 5,08' 'IN 51,76' 'MM 1.314,70' >"$want"
FREEFALL_WINE_LOCALE=en_US.UTF-8 "${settingsRun[@]}" \
    "$here/settings/decimal-comma-negatives-in-parentheses.reg" "${run[@]}" "$com" --imperial 1000 \
    >"$out" 2>"$message"
got=$?
if [[ $got == 3 && $(tr -d '\r' <"$message") == *"number functions failed"* && ! -s $out ]]; then
    echo "PASS a failure of the number functions is named"
elif [[ $got == 0 ]] && cmp -s "$want" "$out" && [[ ! -s $message ]]; then
    echo "PASS the platform formats with negatives in parentheses"
else
    echo "FAIL negatives in parentheses: exit $got, standard output $(cat -A "$out"), expected" \
        "status 3 or $(cat -A "$want"); standard error $(cat "$message")"
    failures=$((failures + 1))
fi
rm -f "$out" "$message" "$want"

# A result that cannot be written is not reported as shown: status 4 and one line on standard
# error, for a full disk and for a closed standard output.
for target in full closed; do
    err=$(mktemp)
    if [[ $target == full ]]; then
        "${run[@]}" "$com" --imperial 100 >/dev/full 2>"$err"
    else
        "${run[@]}" "$com" --imperial 100 >&- 2>"$err"
    fi
    got=$?
    if [[ $got == 4 && $(wc -l <"$err") == 1 ]]; then
        echo "PASS output not written ($target)"
    else
        echo "FAIL output not written ($target): exit $got, standard error $(cat -A "$err")"
        failures=$((failures + 1))
    fi
    rm -f "$err"
done

# The batch form: a line per input line, tab-separated, CR LF out whatever the line ends in; a
# refused line keeps its place and is named on standard error; the first failing line's status.
batch() {
    local name=$1 input=$2 status=$3 expected=$4 errors=$5
    local out err got problems=()
    out=$(mktemp) err=$(mktemp)
    printf '%b' "$input" | FREEFALL_WINE_LOCALE=en_US.UTF-8 "${run[@]}" "$com" --imperial - \
        >"$out" 2>"$err"
    got=$?
    [[ $got == "$status" ]] || problems+=("exit status $got, expected $status")
    [[ $(cat "$out") == "$(printf '%b' "$expected")" ]] ||
        problems+=("standard output $(cat -A "$out")")
    [[ $(tr -d '\r' <"$err") == "$(printf '%b' "$errors")" ]] ||
        problems+=("standard error $(cat -A "$err")")
    if [[ ${#problems[@]} -eq 0 ]]; then
        echo "PASS batch: $name"
    else
        echo "FAIL batch: $name: ${problems[*]}"
        failures=$((failures + 1))
    fi
    rm -f "$out" "$err"
}
batch "LF and CR LF, last line without a line end" '100\n200\r\n1000' 0 \
    '100\t0.51\t0.52\t13.21\r\n200\t1.02\t2.07\t52.58\r\n1000\t5.08\t51.76\t1,314.70\r' ''
batch "bad lines among good ones" '100\r\nabc\r\n1E300\r\n5' 1 \
    '100\t0.51\t0.52\t13.21\r\n\t\t\t\r\n\t\t\t\r\n5\t0.03\t0.00\t0.00\r' \
    'freefall: line 2: the speed must be a number greater than zero\nfreefall: line 3: no result: the calculation overflowed'
batch "empty input" '' 0 '' ''

# --help and /?: the same usage text, and nothing else; it speaks of Windows' regional settings
# and cmd.exe rather than POSIX variables and a POSIX shell.
help=$("${run[@]}" "$com" --help 2>/dev/null)
status=$?
slash=$("${run[@]}" "$com" '/?' 2>/dev/null)
slashStatus=$?
problems=()
[[ $status == 0 && $slashStatus == 0 ]] || problems+=("exit statuses $status and $slashStatus")
[[ $help == Usage:* ]] || problems+=("--help gives $help")
[[ $slash == "$help" ]] || problems+=("/? gives $slash")
[[ $help == *"regional settings of Windows"* && $help == *"type speeds.txt | freefall"* ]] ||
    problems+=("no Windows settings or cmd.exe example")
[[ $help != *LC_ALL* && $help != *LANG* && $help != *seq* ]] || problems+=("POSIX words: $help")
if [[ ${#problems[@]} -eq 0 ]]; then echo "PASS help"; else echo "FAIL help: ${problems[*]}"; failures=$((failures + 1)); fi

exit $((failures > 0))
