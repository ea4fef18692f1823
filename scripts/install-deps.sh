#!/usr/bin/env bash
# Installs the Debian packages a command needs, once: packages already present are not touched.
# Usage: install-deps.sh run|test
set -euo pipefail

run_packages=(
    ca-certificates cmake ninja-build g++-mingw-w64-x86-64 g++-mingw-w64-i686
    wine64 xvfb xdotool x11-utils imagemagick fonts-liberation
)
test_packages=(
    "${run_packages[@]}" g++ file procps python3 clang-format
    libgtest-dev libgmock-dev libbenchmark-dev libx11-dev libxtst-dev libxfixes-dev libpng-dev
    cups printer-driver-cups-pdf poppler-utils python3-matplotlib
)
case "${1:-}" in
    run) wanted=("${run_packages[@]}") ;;
    test) wanted=("${test_packages[@]}") ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages: ${missing[*]} - run this as root (or install them)." >&2
    exit 1
fi
# wine32 cannot run on a 64-bit-only kernel and would take over /usr/bin/wine: never pull it in.
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
