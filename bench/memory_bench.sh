#!/usr/bin/env bash
# memory_bench.sh RUNS BARE_WINDOW PROGRAM RESULTS_FILE [NAME]
#
# Peak resident memory (VmHWM) of the program showing the report of RESULTS_FILE, against the
# bare Qt window, both on the current display. Each run starts the process, waits until its
# window is on screen (for the program: the report window) and its peak has stopped growing,
# reads the peak from /proc and ends the process. The two take turns; the last line is
# "ratio NAME R" (NAME is "memory" unless given), the program's median peak over the bare
# window's. Needs xdotool.
set -euo pipefail

runs=$1
bare=$2
program=$3
results=$4
name=${5:-memory}

# window_of PID [NAME-PREFIX]: the id of a visible window of PID (whose name starts so), or "".
window_of() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        if [ -z "${2:-}" ] || [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == "$2"* ]]; then
            echo "$id"
            return
        fi
    done
}

peak_kib() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }

# measure NAME-PREFIX COMMAND...: prints the peak in KiB once the window is up and settled.
measure() {
    local name=$1 pid peak last steady=0
    shift
    "$@" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 300); do
        [ -n "$(window_of "$pid" "$name")" ] && break
        kill -0 "$pid" 2>/dev/null || { echo "$1 ended before its window showed" >&2; return 1; }
        sleep 0.1
    done
    [ -n "$(window_of "$pid" "$name")" ] || { echo "no window from $1" >&2; kill "$pid"; return 1; }
    # Painted and settled: the peak has not grown for half a second.
    last=$(peak_kib "$pid")
    while [ "$steady" -lt 5 ]; do
        sleep 0.1
        peak=$(peak_kib "$pid")
        if [ "$peak" = "$last" ]; then steady=$((steady + 1)); else steady=0; fi
        last=$peak
    done
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$last"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

bare_peaks=()
program_peaks=()
for _ in $(seq "$runs"); do
    bare_peaks+=("$(measure "" "$bare")")
    program_peaks+=("$(measure "Результаты теста" "$program" "$results")")
done
bare_median=$(printf '%s\n' "${bare_peaks[@]}" | median)
program_median=$(printf '%s\n' "${program_peaks[@]}" | median)
awk -v p="$program_median" -v b="$bare_median" -v n="$runs" -v bare="$bare" -v name="$name" '
BEGIN {
    printf "peak resident memory, %d runs each: the program with its report open takes %.3f x %s",
        n, p / b, bare
    printf " (medians)\n"
    printf "ratio %s %.3f\n", name, p / b
}'
