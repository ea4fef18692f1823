#!/usr/bin/env bash
# Configures and builds the given presets (native, win64, win32) in build/<preset>.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in "$@"; do
    cmake --preset "$preset" >/dev/null # cheap, and picks up changes to the presets
    cmake --build --preset "$preset" -j "$(nproc)"
done
