# The start-up benchmarks' clock, sourced by startup.sh and winstartup.sh: the time from exec to
# a program's "shown" line, the two programs' turns, and the median of a column of figures.
# Needs $work, a scratch folder.

# start_until_shown TIMEOUT COMMAND...: starts COMMAND with FREEFALL_REPORT_SHOWN=1 and waits
# for its first line. Sets shown_us (microseconds from just before exec to that line) and
# shown_pid (the program, left running for the caller to look at and stop); fails unless the
# line says the window was shown.
start_until_shown() {
    local timeout=$1 fifo="$work/fifo" line start
    shift
    rm -f "$fifo"
    mkfifo "$fifo"
    start=${EPOCHREALTIME/./}
    FREEFALL_REPORT_SHOWN=1 "$@" >"$fifo" 2>/dev/null &
    shown_pid=$!
    IFS= read -r -t "$timeout" line <"$fifo" || line=""
    shown_us=$((${EPOCHREALTIME/./} - start))
    [[ $line == shown* ]]
}

stop_program() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# take_turns RUNS APP BARE: after one warming run of each, RUNS runs of each, taking turns, with
# the caller's measure function; its lines go to $work/app and $work/bare.
take_turns() {
    local runs=$1 app=$2 bare=$3
    measure "$app" >/dev/null
    measure "$bare" >/dev/null
    : >"$work/app"
    : >"$work/bare"
    for _ in $(seq "$runs"); do
        measure "$app" >>"$work/app"
        measure "$bare" >>"$work/bare"
    done
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
