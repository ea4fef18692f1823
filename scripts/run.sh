#!/usr/bin/env bash
# Builds the program (win64) and starts it under Wine. Without a display it starts a virtual one,
# waits for the window, saves a screenshot and ends the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
scripts/build.sh win64
source scripts/wine-env.sh
wine_prepare_prefix "$PWD/build/run-prefix"

if [ -n "${DISPLAY:-}" ]; then
    exec /usr/lib/wine/wine64 build/win64/Termoclanky.exe
fi

shot="$PWD/build/screenshot.png"
Xvfb :91 -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
program=
trap 'kill $program 2>/dev/null; /usr/lib/wine/wineserver64 -k 2>/dev/null; kill $xvfb 2>/dev/null; true' EXIT
export DISPLAY=:91
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
/usr/lib/wine/wine64 build/win64/Termoclanky.exe &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Term.+l.+nky$' | head -n 1)
sleep 1 # let the first paint finish
import -window "$window" "$shot"
echo "No display: the program ran on a virtual one (window $window); screenshot saved to $shot"
