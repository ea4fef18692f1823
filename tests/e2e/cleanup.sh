#!/usr/bin/env bash
# Usage: cleanup.sh RUN_DIR
# Ends what setup.sh started for the run: the Wine server with its programs, and the display.
run_dir=$1
if [ -d "$run_dir/prefix" ]; then
    WINEPREFIX=$run_dir/prefix /usr/lib/wine/wineserver64 -k >/dev/null 2>&1
    WINEPREFIX=$run_dir/prefix timeout 10 /usr/lib/wine/wineserver64 -w >/dev/null 2>&1
fi
if [ -f "$run_dir/xvfb.pid" ]; then
    kill "$(cat "$run_dir/xvfb.pid")" 2>/dev/null
    rm -f "$run_dir/xvfb.pid"
fi
exit 0
