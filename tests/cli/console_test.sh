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

exit $((failures > 0))
