#!/usr/bin/env bash
# Start-up benchmark (not a test): the time from starting the process to the end of the first paint of
# its window under Wine with a warm server, for the program (its test-only FirstPaint build, which quits
# there) and for a bare Win32 program that opens an empty window of the same size. The two alternate in
# one run on one display and one prefix; the medians and their ratio are printed. Goal: ratio <= 1.10.
# Usage: bench/startup.sh [RUNS]   (default 21)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
scripts/build.sh win64 >/dev/null
run_dir=$PWD/build/bench-startup
tests/e2e/setup.sh "$run_dir" >/dev/null
trap "\"$PWD/tests/e2e/cleanup.sh\" \"$run_dir\"" EXIT
export WINEPREFIX=$run_dir/prefix DISPLAY=:$(cat "$run_dir/display") WINEDEBUG=-all LANG=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$run_dir/cwd"
cd "$run_dir/cwd"

# Prints milliseconds from the start of wine64 to the time the program wrote to first-paint.txt.
startup_ms() {
    rm -f first-paint.txt
    local start
    start=$(date +%s%N)
    timeout 60 /usr/lib/wine/wine64 "$1" >/dev/null 2>&1
    [ -s first-paint.txt ] || { echo "$1 reported no first paint" >&2; exit 1; }
    awk -v painted="$(cat first-paint.txt)" -v start="$start" 'BEGIN { printf "%.1f\n", (painted - start) / 1e6 }'
}

program=../../win64/Termoclanky-FirstPaint.exe
bare=../../win64/BareWindow.exe
startup_ms "$program" >/dev/null # warm the server and the file cache
startup_ms "$bare" >/dev/null
: >program.ms
: >bare.ms
for _ in $(seq "$runs"); do
    startup_ms "$program" >>program.ms
    startup_ms "$bare" >>bare.ms
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
program_median=$(median program.ms)
bare_median=$(median bare.ms)
echo "runs:                  $runs each, alternating"
echo "Termočlánky (median):  $program_median ms to the first complete paint"
echo "bare window (median):  $bare_median ms"
awk -v a="$program_median" -v b="$bare_median" 'BEGIN { printf "ratio:                 %.3f (goal <= 1.10)\n", a / b }'
