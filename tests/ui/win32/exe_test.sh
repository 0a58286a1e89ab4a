#!/usr/bin/env bash
# The Windows program as Windows sees it: it imports nothing but the
# system's own DLLs, carries the version record and the six-image icon, is
# under 1 MiB, and the zip a user downloads holds it with the licence.
#   exe_test.sh NTC-BETA.EXE VERSION ZIP NTC-BETA-CLI.EXE
set -uo pipefail
exe=$1
version=$2
zip=$3
cli=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }

# Every Windows 10/11 has these; no libstdc++, libgcc or winpthread DLL.
system_dlls='^(KERNEL32|USER32|GDI32|COMCTL32|OLE32|OLEAUT32|OLEACC|MSVCRT|ADVAPI32|SHELL32)\.DLL$'
for program in "$exe" "$cli"; do
    name=$(basename "$program")
    imports=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p')
    [ -n "$imports" ] || fail "no imports read from $name"
    for dll in $imports; do
        if grep -qiE "$system_dlls" <<<"$dll"; then ok "$name imports $dll"; else fail "$name imports $dll, not a system DLL"; fi
    done
done

size=$(stat -c %s "$exe")
[ "$size" -lt 1048576 ] && ok "size $size bytes" || fail "size $size bytes, not under 1 MiB"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The version record (type 16): numbers, language block and strings.
wrestool -x -R --type=16 "$exe" >"$scratch/version" 2>/dev/null
[ -s "$scratch/version" ] && ok "version record present" || fail "no version record"
iconv -f UTF-16LE -t UTF-8 -c <"$scratch/version" | tr "\0" "\n" >"$scratch/version.txt"
for expected in 080404B0 FileVersion ProductVersion "$version" "NTC电阻B值计算"; do
    grep -aqF "$expected" "$scratch/version.txt" && ok "version record has $expected" || fail "version record lacks $expected"
done
# VS_FIXEDFILEINFO: signature 0xFEEF04BD, then file version 1.0 as (minor, major) words.
od -An -tx1 -v "$scratch/version" | tr -d ' \n' | grep -q 'bd04effe00000100000001000000' &&
    ok "FILEVERSION 1,0,0,0" || fail "FILEVERSION is not 1,0,0,0"
# Translation 0x0804 (Chinese, PRC), code page 1200 (Unicode).
od -An -tx1 -v "$scratch/version" | tr -d ' \n' | grep -q '0408b004' && ok "translation 0804/1200" ||
    fail "translation is not 0804/1200"

# The icon group: six images, 16, 32 and 48 px, each at 8 and 4 bits.
icons=$(wrestool -l --type=3 "$exe" 2>/dev/null | wc -l)
[ "$icons" -eq 6 ] && ok "six icon images" || fail "$icons icon images, not 6"
wrestool -x --type=14 "$exe" -o "$scratch/ntc.ico" 2>/dev/null
listing=$(icotool -l "$scratch/ntc.ico" 2>/dev/null)
for size in 16 32 48; do
    for depth in 8 4; do
        grep -qE -- "--width=$size --height=$size --bit-depth=$depth" <<<"$listing" &&
            ok "icon ${size}x${size} at $depth bits" || fail "no icon ${size}x${size} at $depth bits"
    done
done

# The download: the two programs and the licence, nothing else needed.
listing=$(unzip -Z1 "$zip" 2>/dev/null | sort | tr '\n' ' ')
[ "$listing" = "LICENSE ntc-beta-cli.exe ntc-beta.exe " ] && ok "zip holds: $listing" || fail "zip holds: '$listing'"

exit $((failures > 0))
