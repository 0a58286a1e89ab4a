#!/usr/bin/env bash
# The Windows installer under Wine, as a user without administrator rights
# meets it: a silent install into the per-user default folder, an upgrade
# into another folder that takes the first one away, the Start-menu
# shortcut, the uninstall entry Settings › Apps reads, the installed
# programs starting, and a silent uninstall that leaves nothing behind.
#   installer_test.sh SETUP.EXE VERSION PRODUCT_NAME PUBLISHER
# Runs in the build's Wine prefix (tools/wine-run.sh); needs an X display.
set -uo pipefail
setup=$(realpath "$1")
version=$2
product=$3
publisher=$4
here=$(dirname "$0")
wine_run=$here/../../tools/wine-run.sh
wine() { "$wine_run" "$@"; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }
expect() { if eval "$2"; then ok "$1"; else fail "$1"; fi; }

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ntc-beta'
files="LICENSE.txt README.txt THIRD-PARTY-LICENSES.txt ntc-beta-cli.exe ntc-beta.exe uninstall.exe "
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Where the prefix keeps drive C: and the user's profile.
drive_c=$(wine winepath -u 'C:\' 2>/dev/null)
[ -d "$drive_c" ] || { echo "FAIL: no Wine prefix"; exit 1; }
unix_path() { sed -e 's|^[Cc]:\\|'"$drive_c"'|' -e 's|\\|/|g' <<<"$1"; }
profile=$(unix_path "$(wine cmd /c echo %USERPROFILE% 2>/dev/null | tr -d '\r')")
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$product.lnk"
default_dir="$profile/AppData/Local/Programs/ntc-beta"
second_dir="${drive_c}ntc-beta-test"
# One value of the uninstall entry, as the registry holds it (reg export
# writes UTF-16, so the Chinese name survives).
entry() {
    rm -f "$scratch/entry.reg"
    wine reg export "$key" 'Z:'"${scratch//\//\\}"'\entry.reg' /y >/dev/null 2>&1 || return 1
    iconv -f UTF-16LE -t UTF-8 "$scratch/entry.reg" | tr -d '\r' >"$scratch/entry.txt"
}
value() { sed -n "s/^\"$1\"=//p" "$scratch/entry.txt"; }

# A run that failed half-way must not decide this one.
rm -rf "$default_dir" "$second_dir" "$shortcut"
wine reg delete "$key" /f >/dev/null 2>&1

# Per user: the installer asks for no elevation.
wrestool -x --raw --type=24 "$setup" 2>/dev/null | grep -q 'level="asInvoker"' && ok "installer runs as invoker" ||
    fail "installer asks for elevation"

# 1. A silent install into the default folder.
wine "$setup" /S
expect "installed into %LOCALAPPDATA%\\Programs\\ntc-beta: $files" \
    '[ "$(ls "$default_dir" 2>/dev/null | sort | tr "\n" " ")" = "$files" ]'

# 2. The next version's installer, told another folder, replaces the first.
wine "$setup" /S "/D=C:\\ntc-beta-test"
expect "the upgrade installed into C:\\ntc-beta-test" \
    '[ "$(ls "$second_dir" 2>/dev/null | sort | tr "\n" " ")" = "$files" ]'
expect "the upgrade took the earlier folder away" '[ ! -e "$default_dir" ]'

# The uninstall entry: what Settings › Apps lists.
entry || fail "no uninstall entry under $key"
expect "DisplayName $product" '[ "$(value DisplayName)" = "\"$product\"" ]'
expect "DisplayVersion $version" '[ "$(value DisplayVersion)" = "\"$version\"" ]'
expect "Publisher $publisher" '[ "$(value Publisher)" = "\"$publisher\"" ]'
expect "DisplayIcon is the program" '[ "$(value DisplayIcon)" = "\"C:\\\\ntc-beta-test\\\\ntc-beta.exe,0\"" ]'
expect "InstallLocation is the upgrade's folder" '[ "$(value InstallLocation)" = "\"C:\\\\ntc-beta-test\"" ]'
expect "QuietUninstallString ends in /S" '[[ "$(value QuietUninstallString)" == *uninstall.exe\\\"\ /S\" ]]'
# EstimatedSize is in KiB: the folder's size, rounded down.
size_kib=$(( 0x$(value EstimatedSize | sed 's/^dword://') ))
actual_kib=$(( $(cat "$second_dir"/* | wc -c) / 1024 ))
expect "EstimatedSize $size_kib KiB for $actual_kib KiB of files" '[ "$size_kib" -eq "$actual_kib" ]'

# The Start-menu shortcut, under its Chinese name, points at the program.
expect "shortcut \"$product.lnk\"" '[ -s "$shortcut" ]'
expect "shortcut points at the installed program" \
    'strings -el "$shortcut" | grep -qiF "C:\\ntc-beta-test\\ntc-beta.exe"'

# The installed programs start: the command line answers, the window opens.
expect "installed ntc-beta-cli --version" \
    '[ "$(wine "$second_dir/ntc-beta-cli.exe" --version | tr -d "\r")" = "ntc-beta-cli $version" ]'
"$wine_run" "$second_dir/ntc-beta.exe" >/dev/null 2>&1 &
program=$!
expect "installed ntc-beta.exe opens its window" \
    'timeout 30 xdotool search --sync --onlyvisible --name "^NTC" >/dev/null 2>&1'
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null

# 3. The silent uninstall (it runs from a temporary copy, so wait for it).
wine "$second_dir/uninstall.exe" /S
for _ in $(seq 60); do [ -e "$second_dir" ] || break; sleep 0.5; done
expect "the uninstaller removed the folder" '[ ! -e "$second_dir" ]'
expect "the uninstaller removed the shortcut" '[ ! -e "$shortcut" ]'
expect "the uninstaller removed the uninstall entry" '! wine reg query "$key" >/dev/null 2>&1'

exit $((failures > 0))
