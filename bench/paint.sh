#!/usr/bin/env bash
# Paint benchmark (not a test): the chart's repaints under Wine, timed by the program's test-only
# PaintBenchmark build (tests/variants/PaintBenchmark.cpp), beside matplotlib drawing the same chart with
# Agg (bench/matplotlib_chart.py), at 726 x 455 and 1920 x 1080, on a virtual display large enough for
# the bigger size. The two take turns for ROUNDS rounds, so that the load of a shared machine falls on
# both alike; each figure is the median of the rounds' medians, in milliseconds.
#   draw  a full repaint into the off-screen bitmap: layout and drawing of the whole chart
#   full  the window's immediate repaint with the picture out of date: draw, copy to the screen
#   copy  the same repaint with the picture up to date: copy only
# Goal: draw at least 20 times as fast as matplotlib's draw at both sizes.
# Usage: bench/paint.sh [ROUNDS]   (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-5}
scripts/build.sh win64 >/dev/null
run_dir=$PWD/build/bench-paint
tests/e2e/setup.sh "$run_dir" 2560x1600 >/dev/null
trap "\"$PWD/tests/e2e/cleanup.sh\" \"$run_dir\"" EXIT
export WINEPREFIX=$run_dir/prefix DISPLAY=:$(cat "$run_dir/display") WINEDEBUG=-all LANG=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$run_dir/cwd"
cd "$run_dir/cwd"
matplotlib=../../../bench/matplotlib_chart.py

: >rounds.txt
for round in $(seq "$rounds"); do
    rm -f paint-times.txt
    timeout 300 /usr/lib/wine/wine64 ../../win64/Termoclanky-PaintBenchmark.exe >/dev/null 2>&1 || true
    [ -s paint-times.txt ] || { echo "the PaintBenchmark build wrote no times" >&2; exit 1; }
    if grep -q error paint-times.txt; then cat paint-times.txt >&2; exit 1; fi
    # "SIZE DRAW FULL COPY" and "matplotlib SIZE MS" become "SIZE draw|full|copy|matplotlib MS".
    awk '{ print $1, "draw", $2; print $1, "full", $3; print $1, "copy", $4 }' paint-times.txt >>rounds.txt
    /usr/bin/python3 "$matplotlib" 726x455 1920x1080 | awk '{ print $2, "matplotlib", $3 }' >>rounds.txt
done

awk -v rounds="$rounds" '
    { values[$1 " " $2] = values[$1 " " $2] " " $3; sizes[$1] = 1 }
    function median(list,    n, v, i, j, t) {
        n = split(list, v, " ")
        for (i = 2; i <= n; ++i)
            for (j = i; j > 1 && v[j - 1] + 0 > v[j] + 0; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
        return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    }
    END {
        printf "medians of %d rounds, ms        draw     full     copy   matplotlib   matplotlib/draw   matplotlib/full\n", rounds
        split("726x455 1920x1080", order, " ")
        for (k = 1; k <= 2; ++k) {
            s = order[k]
            d = median(values[s " draw"]); f = median(values[s " full"]); c = median(values[s " copy"])
            m = median(values[s " matplotlib"])
            printf "%-30s %8.2f %8.2f %8.2f %12.1f %17.1f %17.1f\n", s, d, f, c, m, m / d, m / f
        }
        print "goal: matplotlib/draw >= 20 at both sizes"
    }' rounds.txt
