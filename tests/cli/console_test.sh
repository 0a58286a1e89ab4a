#!/usr/bin/env bash
# ntc-beta-cli.exe in a Windows console of its own, as a double click from
# Explorer starts it: Wine gives a program started on a terminal such a
# console, so `script` (a pseudo-terminal) stands in for Explorer.
#   console_test.sh WINE-RUN NTC-BETA-CLI.EXE
set -uo pipefail
wine_run=$1
cli=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Runs the program in a console; KEY, when given, is typed after 2 s.
in_console() {
    local key=$1 seconds=$2
    shift 2
    { if [ -n "$key" ]; then sleep 2; printf '%s' "$key"; else sleep "$seconds"; fi; } |
        timeout "$seconds" script -qec "$(printf '%q ' "$wine_run" "$cli" "$@")" /dev/null >"$scratch/screen" 2>/dev/null
}

# No arguments: the help, then it waits for a key before the console closes.
in_console "" 6
status=$?
[ "$status" -eq 124 ] && ok "waits for a key" || fail "ended with status $status without a key"
grep -q 'Usage: ntc-beta-cli' "$scratch/screen" && ok "shows the help" || fail "shows no help"
grep -q 'Press any key to close this window' "$scratch/screen" && ok "asks for a key" || fail "asks for no key"
grep -q "(°C)" "$scratch/screen" && ok "standard output shows °C" || fail "standard output garbles °C"
in_console x 20
status=$?
[ "$status" -eq 0 ] && ok "a key closes it (status 0)" || fail "a key gave status $status"

# Standard error shows "Ω" (UTF-8 on the terminal) as standard output
# shows "°": both are written the same way.
in_console x 20 beta 10x 25 1k 100
grep -q "or 680Ω" "$scratch/screen" && ok "standard error shows 680Ω" || fail "standard error: $(grep -a 680 "$scratch/screen")"

# A file dragged onto the program's icon: Explorer starts it with the file's
# full path. B for each row goes into a new file beside it, never over one
# (parts-B.csv is there already), in a folder with Chinese and a space.
drop="$scratch/热敏 数据"
mkdir -p "$drop"
cp "$(dirname "$0")/data/parts.csv" "$drop/"
printf 'keep' >"$drop/parts-B.csv"
in_console x 20 "Z:${drop//\//\\}\\parts.csv"
# (The console draws a blank before a word as a cursor move.)
sed 's/\x1b\[[0-9;?]*[A-Za-z]/ /g' "$scratch/screen" | grep -q "Written beside it: *parts-B (2).csv" &&
    ok "a dropped file: says where B went" || fail "a dropped file: $(tr -d '\r' <"$scratch/screen" | head -c 600)"
grep -q '^103AT-2,10k,25°C,1451Ω,85°C,3435\.42566510336,B25/85' "$drop/parts-B (2).csv" 2>/dev/null &&
    ok "a dropped file: B for each row in parts-B (2).csv" || fail "a dropped file: no results beside it"
[ "$(cat "$drop/parts-B.csv")" = keep ] && ok "a dropped file: parts-B.csv not written over" ||
    fail "a dropped file: parts-B.csv written over"
cmp -s "$drop/parts.csv" "$(dirname "$0")/data/parts.csv" && ok "a dropped file: the file itself unchanged" ||
    fail "a dropped file: the file itself changed"

exit $((failures > 0))
