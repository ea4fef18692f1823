#!/usr/bin/env bash
# Usage: check-executable.sh EXE OBJDUMP "FILE FORMAT"
# Fails unless EXE is a GUI executable of the given format that imports no DLL beyond Windows' own.
set -euo pipefail
exe=$1 objdump=$2 format=$3
[ -f "$exe" ] || { echo "missing: $exe (build the Windows presets first)"; exit 1; }
description=$(file -b "$exe")
case "$description" in
    "$format"*) echo "format: $description" ;;
    *) echo "wrong format: $description (expected $format)"; exit 1 ;;
esac
# Windows' own libraries; a mingw runtime DLL (libstdc++, libgcc, libwinpthread) would be a fault.
allowed='^((kernel32|user32|gdi32|comctl32|comdlg32|shell32|advapi32|msvcrt|ole32|oleaut32|shlwapi|uxtheme)\.dll|winspool\.drv)$'
imports=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "no imports found"; exit 1; }
status=0
for dll in $imports; do
    if [[ $dll =~ $allowed ]]; then echo "import: $dll"; else echo "foreign import: $dll"; status=1; fi
done
exit $status
