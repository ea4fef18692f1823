#!/usr/bin/env bash
# Configures and builds the given presets (native, win64, win32) in build/<preset>.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in "$@"; do
    [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
done
