#!/usr/bin/env bash
# Usage: setup.sh RUN_DIR [SCREEN]   (SCREEN: WIDTHxHEIGHT, default 1280x1024)
# Prepares one end-to-end test run: a virtual display on a free number (written to RUN_DIR/display) and a
# fresh Wine prefix in RUN_DIR/prefix whose server stays alive until cleanup.sh; no window manager, so
# Wine draws its own frames (Managed=N). Everything of the run lives in RUN_DIR.
set -euo pipefail
run_dir=$1
screen=${2:-1280x1024}
here=$(dirname "$0")
"$here/cleanup.sh" "$run_dir" # what an interrupted run may have left
mkdir -p "$run_dir/output"
rm -rf "$run_dir/prefix" "$run_dir/display" "$run_dir/browser" "$run_dir/output"/*

Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$run_dir/display" >"$run_dir/xvfb.log" 2>&1 </dev/null &
echo $! >"$run_dir/xvfb.pid"
for _ in $(seq 100); do [ -s "$run_dir/display" ] && break; sleep 0.1; done
[ -s "$run_dir/display" ] || { echo "Xvfb did not start: $(cat "$run_dir/xvfb.log")"; exit 1; }

export WINEPREFIX=$run_dir/prefix DISPLAY=:$(cat "$run_dir/display") WINEDEBUG=-all LANG=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# Persistent from the start, so that wineboot and every program of the run share this one server. Wine
# sets up a new prefix by itself at its first program: "wineboot -i" on top would start a second service
# manager, and the two rivals then keep many a program start waiting 3 or 10 s for the RPC service.
/usr/lib/wine/wineserver64 -p >/dev/null 2>&1 </dev/null
/usr/lib/wine/wine64 wineboot -u >"$run_dir/wineboot.log" 2>&1 </dev/null
managers=0
for pid in $(pgrep -f 'services\.exe$'); do
    grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && managers=$((managers + 1))
done
[ "$managers" = 1 ] || { echo "$managers service managers run in $WINEPREFIX, not one"; exit 1; }
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$run_dir/wineboot.log" 2>&1
# Web addresses go to RUN_DIR/browser, which the tests fill with a stand-in browser or leave missing (the
# value is a list of command lines: RUN_DIR must hold no space or comma).
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$run_dir/browser" /f \
    >>"$run_dir/wineboot.log" 2>&1
echo "display $DISPLAY, prefix $WINEPREFIX"
