#!/usr/bin/env bash
# Builds all three builds and runs every test (unit, end-to-end under Wine, executable checks) with ctest.
# Extra arguments go to ctest, e.g.: scripts/test.sh -R Thermo
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/build.sh win64 win32 native
ctest --preset native -j "$(nproc)" "$@"
