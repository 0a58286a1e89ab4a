#!/usr/bin/env bash
# The Windows programs as Windows sees them: they import nothing but the
# system's own DLLs and nothing Windows 7 SP1 lacks, load the others from
# the system folder alone, carry the version record and the icon (in
# Chinese (PRC), every resource), the window is under 1 MiB, and the zip a
# user downloads holds them with a readme and the licences that Notepad
# opens right.
#   exe_test.sh NTC-BETA.EXE VERSION ZIP NTC-BETA-CLI.EXE
set -uo pipefail
exe=$1
version=$2
zip=$3
cli=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Every Windows has these; no libstdc++, libgcc or winpthread DLL.
system_dlls='^(KERNEL32|USER32|GDI32|COMCTL32|OLE32|OLEAUT32|OLEACC|MSVCRT|ADVAPI32|SHELL32)\.DLL$'
for program in "$exe" "$cli"; do
    name=$(basename "$program")
    imports=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p')
    [ -n "$imports" ] || fail "no imports read from $name"
    for dll in $imports; do
        if grep -qiE "$system_dlls" <<<"$dll"; then ok "$name imports $dll"; else fail "$name imports $dll, not a system DLL"; fi
    done
done

# Windows 7 SP1 has every function the programs import (a missing one
# stops a program from loading at all): each import is in the list of those
# checked against that Windows.
known=$(dirname "$0")/windows7_imports.txt
for program in "$exe" "$cli"; do
    x86_64-w64-mingw32-objdump -p "$program" |
        awk '/DLL Name:/ { dll = toupper($3) } /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll "!" $3 }'
done | sort -u >"$scratch/imports"
[ -s "$scratch/imports" ] || fail "no imported functions read"
newer=$(grep -vxF -f <(grep -v '^#' "$known") "$scratch/imports" | tr '\n' ' ')
[ -z "$newer" ] && ok "$(wc -l <"$scratch/imports") imports, all in Windows 7 SP1" ||
    fail "imports not known to be in Windows 7 SP1: $newer"

size=$(stat -c %s "$exe")
[ "$size" -lt 1048576 ] && ok "size $size bytes" || fail "size $size bytes, not under 1 MiB"

# The version record (type 16) and the icon of each program: what
# Explorer's Properties › Details and its file views show.
check_resources() {
    local program=$1 name
    name=$(basename "$program")
    wrestool -x -R --type=16 "$program" >"$scratch/version" 2>/dev/null
    [ -s "$scratch/version" ] && ok "$name: version record present" || fail "$name: no version record"
    iconv -f UTF-16LE -t UTF-8 -c <"$scratch/version" | tr "\0" "\n" >"$scratch/version.txt"
    for expected in 080404B0 FileVersion ProductVersion "$version" "NTC电阻B值计算" CompanyName LegalCopyright \
                    "$name"; do
        grep -aqF "$expected" "$scratch/version.txt" && ok "$name: version record has $expected" ||
            fail "$name: version record lacks $expected"
    done
    # VS_FIXEDFILEINFO: signature 0xFEEF04BD, then file version 1.0 as (minor, major) words.
    od -An -tx1 -v "$scratch/version" | tr -d ' \n' | grep -q 'bd04effe00000100000001000000' &&
        ok "$name: FILEVERSION 1,0,0,0" || fail "$name: FILEVERSION is not 1,0,0,0"
    # Translation 0x0804 (Chinese, PRC), code page 1200 (Unicode).
    od -An -tx1 -v "$scratch/version" | tr -d ' \n' | grep -q '0408b004' && ok "$name: translation 0804/1200" ||
        fail "$name: translation is not 0804/1200"

    # The icon group: the six images every Windows reads (16, 32 and 48 px
    # at 8 and 4 bits), then 32-bit images with alpha from 16 to 64 px and
    # at 256 px, that one PNG-compressed, for scaled displays and Explorer.
    icons=$(wrestool -l --type=3 "$program" 2>/dev/null | wc -l)
    [ "$icons" -eq 14 ] && ok "$name: 14 icon images" || fail "$name: $icons icon images, not 14"
    wrestool -x --type=14 "$program" -o "$scratch/ntc.ico" 2>/dev/null
    listing=$(icotool -l "$scratch/ntc.ico" 2>/dev/null)
    for image in 16:8 32:8 48:8 16:4 32:4 48:4 16:32 20:32 24:32 32:32 40:32 48:32 64:32 256:32; do
        size=${image%:*} depth=${image#*:}
        grep -qE -- "--width=$size --height=$size --bit-depth=$depth" <<<"$listing" &&
            ok "$name: icon ${size}x${size} at $depth bits" || fail "$name: no icon ${size}x${size} at $depth bits"
    done
    # The 256 px image is the group's last; it starts with PNG's signature.
    largest=$(wrestool -l --type=3 "$program" 2>/dev/null | sed -n 's/.*--name=\([0-9]*\) .*/\1/p' | sort -n | tail -1)
    [ "$(wrestool -x --raw --type=3 --name="$largest" "$program" 2>/dev/null | head -c 8 | od -An -tx1 | tr -d ' ')" = \
      89504e470d0a1a0a ] && ok "$name: the 256 px image is PNG" || fail "$name: the 256 px image is not PNG"
    # Every resource in Chinese (PRC), as the version record is.
    others=$(wrestool -l "$program" 2>/dev/null | grep -v -- '--language=2052')
    [ -z "$others" ] && ok "$name: every resource is Chinese (PRC)" || fail "$name: resources not 2052: $others"
}
check_resources "$exe"
check_resources "$cli"
# The command line's manifest: UTF-8 as its code page where Windows has it.
wrestool -x --raw --type=24 "$cli" 2>/dev/null | grep -q '<activeCodePage[^>]*>UTF-8</activeCodePage>' &&
    ok "ntc-beta-cli.exe: manifest asks for UTF-8" || fail "ntc-beta-cli.exe: no UTF-8 code page in its manifest"

# The download: the two programs, the readme and the licences; the texts
# open right in Notepad on Windows 7 too (UTF-8 with a BOM, CRLF only).
texts="LICENSE.txt README.txt THIRD-PARTY-LICENSES.txt"
listing=$(unzip -Z1 "$zip" 2>/dev/null | sort | tr '\n' ' ')
[ "$listing" = "$texts ntc-beta-cli.exe ntc-beta.exe ntc-beta.html workbench.html " ] && ok "zip holds: $listing" || fail "zip holds: '$listing'"
for text in $texts; do
    unzip -p "$zip" "$text" >"$scratch/$text" 2>/dev/null
    [ "$(head -c 3 "$scratch/$text" | od -An -tx1 | tr -d ' ')" = efbbbf ] && ok "$text starts with a BOM" ||
        fail "$text has no BOM"
    [ "$(grep -c $'\r$' "$scratch/$text")" -eq "$(wc -l <"$scratch/$text")" ] && ok "$text has CRLF line ends" ||
        fail "$text has bare LF line ends"
    # Every character is one GBK has: the faces of a Chinese Windows 7 (宋体)
    # draw those, and a box for others (such as "›").
    tail -c +4 "$scratch/$text" | iconv -f UTF-8 -t GBK >/dev/null 2>&1 && ok "$text has GBK's characters only" ||
        fail "$text has a character GBK lacks: $(tail -c +4 "$scratch/$text" | iconv -f UTF-8 -t GBK 2>&1 >/dev/null)"
done
# The readme: Chinese first, then English; it names the supported Windows.
readme="$scratch/README.txt"
chinese=$(grep -n -m1 '支持的 Windows 版本' "$readme" | cut -d: -f1)
english=$(grep -n -m1 'Supported Windows versions' "$readme" | cut -d: -f1)
[ -n "$chinese" ] && [ -n "$english" ] && [ "$chinese" -lt "$english" ] && ok "readme: Chinese, then English" ||
    fail "readme: no Chinese part before the English one"
grep -q 'Windows 7 SP1' "$readme" && ok "readme names Windows 7 SP1" || fail "readme names no Windows 7 SP1"

# Each program, as it starts, has Windows look for DLLs in the system folder
# alone (SetDefaultDllDirectories with LOAD_LIBRARY_SEARCH_SYSTEM32, 0x800):
# Wine's relay trace, narrowed to that call, shows it and its flag.
wine_run=$(dirname "$0")/../../../tools/wine-run.sh
relay_key='HKCU\Software\Wine\Debug'
"$wine_run" reg add "$relay_key" /v RelayInclude /t REG_SZ /d 'kernel32.SetDefaultDllDirectories' /f >/dev/null 2>&1
call='Call KERNEL32.SetDefaultDllDirectories('
for program in "$cli" "$exe"; do
    name=$(basename "$program")
    WINEDEBUG=+relay "$wine_run" "$program" --version >"$scratch/relay" 2>&1 &
    started=$!
    for _ in $(seq 100); do
        grep -qF "$call" "$scratch/relay" && break
        kill -0 "$started" 2>/dev/null || break
        sleep 0.1
    done
    kill "$started" 2>/dev/null
    wait "$started" 2>/dev/null
    grep -qF "${call}00000800)" "$scratch/relay" &&
        ok "$name searches the system folder alone for DLLs" || fail "$name leaves the DLL search as it is"
done
"$wine_run" reg delete "$relay_key" /v RelayInclude /f >/dev/null 2>&1

exit $((failures > 0))
