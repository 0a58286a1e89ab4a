#!/usr/bin/env bash
# Compiles the Windows resource script with the MinGW resource compiler and
# reads back the version record, so the script cannot rot on Linux; no
# field Explorer's Properties › Details shows is left blank.
#   windres_test.sh PROGRAM.RC PROGRAM PUBLISHER
set -uo pipefail
rc=$1
program=$2
publisher=$3
copyright=$(grep -m1 '^Copyright ' "$(dirname "$0")/../../LICENSE")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
windres=x86_64-w64-mingw32-windres
"$windres" --preprocessor=cpp --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED \
    -i "$rc" -O coff -o "$scratch/ntc-beta.res.o" || { echo "FAIL: windres could not compile $rc"; exit 1; }
"$windres" -i "$scratch/ntc-beta.res.o" -O rc -o "$scratch/back.rc" 2>/dev/null ||
    "$windres" -J coff -i "$scratch/ntc-beta.res.o" -O rc -o "$scratch/back.rc"
failures=0
for pattern in 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' 'BLOCK "080404b0"' \
               'VALUE "FileVersion", "1.00"' 'VALUE "ProductVersion", "1.00"' 'VALUE "Translation", 0x804, 1200' \
               "VALUE \"OriginalFilename\", \"$program.exe\"" "VALUE \"CompanyName\", \"$publisher\"" \
               "VALUE \"LegalCopyright\", \"$copyright\""; do
    if grep -qiF "$pattern" "$scratch/back.rc"; then echo "ok: $pattern"; else echo "FAIL: $pattern"; failures=$((failures + 1)); fi
done
[ "$failures" -eq 0 ] || cat "$scratch/back.rc"
exit $((failures > 0))
