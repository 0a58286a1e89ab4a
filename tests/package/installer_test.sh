#!/usr/bin/env bash
# The Windows installer under Wine, as a user without administrator rights
# meets it, in one install, upgrade and uninstall: a newer version installed
# is not replaced unasked; a silent install into the per-user default folder
# that puts it on the user's PATH; a running program stops an upgrade and an
# uninstall before they touch a file; an upgrade into another folder that
# takes the first one away; the Start-menu shortcut, the uninstall entry
# Settings › Apps reads, the installed programs starting (the command line
# by its name alone, from PATH); a silent uninstall that leaves nothing
# behind, PATH as it was and %TEMP% clean; and a PATH too long for the
# installer to hold, left alone. Wine runs 64-bit programs only: the tests
# run the script built on NSIS's 64-bit stub; of the installer shipped (the
# 32-bit stub, which can say in words that it needs 64-bit Windows) they
# check what can be seen without running it.
#   installer_test.sh SETUP.EXE SETUP-AMD64-FOR-TESTS.EXE VERSION PRODUCT_NAME PUBLISHER WINDOW_TEXTS.EXE
# Runs in the build's Wine prefix (tools/wine-run.sh); needs an X display.
set -uo pipefail
shipped=$(realpath "$1")
setup=$(realpath "$2")
version=$3
product=$4
publisher=$5
window_texts=$6
here=$(dirname "$0")
wine_run=$here/../../tools/wine-run.sh
wine() { "$wine_run" "$@"; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }
expect() { if eval "$2"; then ok "$1"; else fail "$1"; fi; }

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ntc-beta'
files="LICENSE.txt README.txt THIRD-PARTY-LICENSES.txt ntc-beta-cli.exe ntc-beta.exe ntc-beta.html uninstall.exe workbench.html "
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Where the prefix keeps drive C:, the user's profile and %TEMP%.
drive_c=$(wine winepath -u 'C:\' 2>/dev/null)
[ -d "$drive_c" ] || { echo "FAIL: no Wine prefix"; exit 1; }
unix_path() { sed -e 's|^[Cc]:\\|'"$drive_c"'|' -e 's|\\|/|g' <<<"$1"; }
windows_variable() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
profile=$(unix_path "$(windows_variable USERPROFILE)")
temp=$(unix_path "$(windows_variable TEMP)")
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$product.lnk"
workbench_shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/NTC 工具台.lnk"
default_windows="$(windows_variable LOCALAPPDATA)\\Programs\\ntc-beta"
default_dir=$(unix_path "$default_windows")
second_dir="${drive_c}ntc-beta-test"
# A key's values as the registry holds them (reg export writes UTF-16, so
# Chinese survives), and one value of them.
export_key() {
    rm -f "$scratch/export.reg"
    wine reg export "$1" 'Z:'"${scratch//\//\\}"'\export.reg' /y >/dev/null 2>&1 || return 1
    iconv -f UTF-16LE -t UTF-8 "$scratch/export.reg" | tr -d '\r' >"$scratch/export.txt"
}
entry() { export_key "$key"; }
value() { sed -n "s/^\"$1\"=//p" "$scratch/export.txt"; }
# The user's PATH as "TYPE VALUE": REG_EXPAND_SZ (exported as UTF-16 bytes
# in hex), REG_SZ, or "none".
user_path() {
    export_key 'HKCU\Environment' || { echo none; return; }
    local line
    line=$(awk 'tolower($0) ~ /^"path"=/ { on = 1 } on { print; if ($0 !~ /\\$/) exit }' "$scratch/export.txt")
    case $line in
    '') echo none ;;
    *'=hex(2):'*)
        local bytes
        bytes=$(sed -e 's/^[^:]*://' -e 's/[\\ ]//g' <<<"$line" | tr -d '\n' | tr ',' '\n' | sed 's/^/\\x/' | tr -d '\n')
        printf 'REG_EXPAND_SZ %s\n' "$(printf '%b' "$bytes" | iconv -f UTF-16LE -t UTF-8 | tr -d '\0')" ;;
    *) printf 'REG_SZ %s\n' "$(sed -e 's/^[^=]*="//' -e 's/"$//' -e 's/\\\\/\\/g' <<<"$line")" ;;
    esac
}
set_user_path() { wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$1" /f >/dev/null 2>&1; }
leftovers() { (cd "$temp" 2>/dev/null && ls -d ~nsu*.tmp ns*.tmp 2>/dev/null | sort | tr '\n' ' '); }
run_setup() { wine "$setup" "$@"; }

# A run that failed half-way must not decide this one.
rm -rf "$default_dir" "$second_dir" "$shortcut" "$workbench_shortcut"
wine reg delete "$key" /f >/dev/null 2>&1
original_path=$(user_path)
# The user's PATH: a variable, a folder with Chinese and a blank. (An empty
# entry comes later: Wine's Command Prompt stops its search at one.)
path_before='C:\tools;%USERPROFILE%\bin;D:\测量 工具'
set_user_path "$path_before"

# The licence page in Chinese names the button as the button reads (the
# window is found by the version in its title, ASCII as the arguments to
# Wine need to be here, and in no other window's).
LC_ALL=zh_CN.UTF-8 "$wine_run" "$setup" >/dev/null 2>&1 &
page=$!
LC_ALL=zh_CN.UTF-8 wine "$window_texts" "$version" 30 cancel >"$scratch/page.txt" 2>/dev/null
for _ in $(seq 20); do kill -0 "$page" 2>/dev/null || break; sleep 0.25; done
kill "$page" 2>/dev/null
wait "$page" 2>/dev/null
expect "the licence page's button reads 我接受" 'grep -qxF "我接受(&I)" "$scratch/page.txt"'
expect "the licence page says to click [我接受(I)], not 我同意" \
    'grep -qF "请点击 [我接受(I)] 继续" "$scratch/page.txt" && ! grep -qF "我同意" "$scratch/page.txt"'
temp_before=$(leftovers)

# The installer shipped: the 32-bit stub, per user (no elevation asked).
x86_64-w64-mingw32-objdump -f "$shipped" 2>/dev/null | grep -q 'file format pei-i386' &&
    ok "the installer shipped is a 32-bit program" || fail "the installer shipped is not a 32-bit program"
for installer in "$shipped" "$setup"; do
    wrestool -x --raw --type=24 "$installer" 2>/dev/null | grep -q 'level="asInvoker"' &&
        ok "$(basename "$installer") runs as invoker" || fail "$(basename "$installer") asks for elevation"
done

# 1. A newer version installed (its entry and a file of it in the default
# folder): this older installer refuses, silently too, and touches
# nothing; with /ALLOWDOWNGRADE it goes ahead.
mkdir -p "$default_dir" && printf 'newer' >"$default_dir/ntc-beta.exe"
wine reg add "$key" /v DisplayVersion /t REG_SZ /d 9.50 /f >/dev/null 2>&1
wine reg add "$key" /v VersionMajor /t REG_DWORD /d 9 /f >/dev/null 2>&1
wine reg add "$key" /v VersionMinor /t REG_DWORD /d 50 /f >/dev/null 2>&1
wine reg add "$key" /v InstallLocation /t REG_SZ /d "$default_windows" /f >/dev/null 2>&1
run_setup /S
status=$?
expect "a downgrade refused with status 2 (was $status)" '[ "$status" -eq 2 ]'
entry
expect "the newer version's entry kept" '[ "$(value DisplayVersion)" = "\"9.50\"" ]'
expect "the newer version's files kept" '[ "$(ls "$default_dir")" = ntc-beta.exe ] && [ "$(cat "$default_dir/ntc-beta.exe")" = newer ]'
expect "PATH untouched by the refused downgrade" '[ "$(user_path)" = "REG_EXPAND_SZ $path_before" ]'
run_setup /S /ALLOWDOWNGRADE
status=$?
expect "/ALLOWDOWNGRADE installs (status $status)" '[ "$status" -eq 0 ]'

# 2. The install: the default folder, and PATH with it as its last entry.
expect "installed into %LOCALAPPDATA%\\Programs\\ntc-beta: $files" \
    '[ "$(ls "$default_dir" 2>/dev/null | sort | tr "\n" " ")" = "$files" ]'
expect "PATH ends with the install folder, the rest as it was" \
    '[ "$(user_path)" = "REG_EXPAND_SZ $path_before;$default_windows" ]'
expect "ntc-beta-cli runs by its name from any folder" \
    '[ "$(wine cmd /c "cd /d C:\\ && ntc-beta-cli --version" 2>/dev/null | tr -d "\r")" = "ntc-beta-cli $version" ]'

# 3. The program running: neither an upgrade nor an uninstall replaces or
# removes a file; silently they stop with status 2.
"$wine_run" "$default_dir/ntc-beta.exe" >/dev/null 2>&1 &
program=$!
if timeout 30 xdotool search --sync --onlyvisible --name "^NTC" >/dev/null 2>&1; then
    run_setup /S "/D=C:\\ntc-beta-test"
    status=$?
    expect "an upgrade while ntc-beta.exe runs stops (status $status)" '[ "$status" -eq 2 ] && [ ! -e "$second_dir" ]'
    wine "$default_dir/uninstall.exe" /S "_?=$default_windows"
    status=$?
    expect "an uninstall while ntc-beta.exe runs stops (status $status)" '[ "$status" -eq 2 ]'
    expect "every file still there" '[ "$(ls "$default_dir" 2>/dev/null | sort | tr "\n" " ")" = "$files" ]'
    expect "PATH still has the folder" '[ "$(user_path)" = "REG_EXPAND_SZ $path_before;$default_windows" ]'
else
    fail "the installed ntc-beta.exe opened no window"
fi
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null

# 4. The next version's installer, told another folder, replaces the first.
run_setup /S "/D=C:\\ntc-beta-test"
expect "the upgrade installed into C:\\ntc-beta-test" \
    '[ "$(ls "$second_dir" 2>/dev/null | sort | tr "\n" " ")" = "$files" ]'
expect "the upgrade took the earlier folder away" '[ ! -e "$default_dir" ]'
expect "PATH has the new folder instead of the old" '[ "$(user_path)" = "REG_EXPAND_SZ $path_before;C:\\ntc-beta-test" ]'

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
# The workbench's shortcut opens the page that opens the workbench.
# (A link to a document keeps its path in the ANSI code page, not UTF-16.)
expect "shortcut \"NTC 工具台.lnk\" points at workbench.html" \
    '{ strings -el "$workbench_shortcut"; strings "$workbench_shortcut"; } | grep -qiF "C:\\ntc-beta-test\\workbench.html"'
expect "workbench.html opens ntc-beta.html#fit beside it" 'grep -q "url=ntc-beta.html#fit" "$second_dir/workbench.html"'

# The installed programs start: the command line answers, the window opens.
expect "installed ntc-beta-cli --version" \
    '[ "$(wine "$second_dir/ntc-beta-cli.exe" --version | tr -d "\r")" = "ntc-beta-cli $version" ]'
"$wine_run" "$second_dir/ntc-beta.exe" >/dev/null 2>&1 &
program=$!
expect "installed ntc-beta.exe opens its window" \
    'timeout 30 xdotool search --sync --onlyvisible --name "^NTC" >/dev/null 2>&1'
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null

# 5. The silent uninstall, after the user added to PATH (an empty entry
# too). It runs from a copy in %TEMP%, so wait for it and for that copy's
# folder to go too.
set_user_path "$path_before;C:\ntc-beta-test;;E:\later"
wine "$second_dir/uninstall.exe" /S
for _ in $(seq 60); do [ -e "$second_dir" ] || break; sleep 0.5; done
expect "the uninstaller removed the folder" '[ ! -e "$second_dir" ]'
expect "the uninstaller removed the shortcuts" '[ ! -e "$shortcut" ] && [ ! -e "$workbench_shortcut" ]'
expect "the uninstaller removed the uninstall entry" '! wine reg query "$key" >/dev/null 2>&1'
expect "PATH without the folder, the rest as the user left it" \
    '[ "$(user_path)" = "REG_EXPAND_SZ $path_before;;E:\\later" ]'
for _ in $(seq 40); do [ "$(leftovers)" = "$temp_before" ] && break; sleep 0.5; done
expect "%TEMP% as before: '$(leftovers)'" '[ "$(leftovers)" = "$temp_before" ]'

# 6. A PATH longer than the installer can hold (1023 characters) is left
# as it is, by the install and by the uninstall; the install goes on.
long_path="C:\\tools$(printf ';C:\\long\\folder%04d' $(seq 70))"
set_user_path "$long_path"
run_setup /S
status=$?
expect "a long PATH: installed all the same (status $status)" \
    '[ "$status" -eq 0 ] && [ "$(ls "$default_dir" 2>/dev/null | sort | tr "\n" " ")" = "$files" ]'
expect "a long PATH: left as it was by the install" '[ "$(user_path)" = "REG_EXPAND_SZ $long_path" ]'
wine "$default_dir/uninstall.exe" /S "_?=$default_windows"
expect "a long PATH: left as it was by the uninstall" '[ "$(user_path)" = "REG_EXPAND_SZ $long_path" ]'
rm -rf "$default_dir"

# The user's PATH as the prefix had it.
case $original_path in
none) wine reg delete 'HKCU\Environment' /v Path /f >/dev/null 2>&1 ;;
*) wine reg add 'HKCU\Environment' /v Path /t "${original_path%% *}" /d "${original_path#* }" /f >/dev/null 2>&1 ;;
esac

exit $((failures > 0))
