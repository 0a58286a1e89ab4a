#!/usr/bin/env bash
# Runs a Windows program under Wine, as CTest's emulator for the Windows
# build. The Wine prefix is a throw-away one beside the build (WINEPREFIX, or
# wineprefix/ in the current folder's build tree); the first run creates it
# and maps 宋体 to the AR PL UMing Song face, as a Chinese Windows has it.
# Needs an X display: `make windows` runs the tests under xvfb-run.
#   tools/wine-run.sh PROGRAM.exe [ARGS...]
#   tools/wine-run.sh --session COMMAND [ARGS...]
# The second form runs COMMAND (the test run) inside one Wine session: one
# wineserver kept running and Wine's services started once, so that each
# program COMMAND starts through this script is up in a tenth of a second
# rather than in one and a half (a first program of a session starts them).
set -euo pipefail
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
if [ -z "${WINEPREFIX:-}" ]; then
    dir=$PWD
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
    [ -f "$dir/CMakeCache.txt" ] || dir=$PWD
    export WINEPREFIX="$dir/wineprefix"
fi
export WINEDEBUG=${WINEDEBUG:--all}
# No .NET or browser engine (Wine would offer to download them), and no
# menu entries on the host for shortcuts a test installs.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export LC_ALL=${LC_ALL:-C.UTF-8}

# The window test's own windows are left unmanaged: a virtual display has no
# window manager, and Wine waits two seconds for one whenever a managed
# top-level window is hidden or destroyed, which every case of that test does.
unmanaged="win32_form1_tests.exe"

mkdir -p "$WINEPREFIX"
(
    flock 9
    if [ ! -f "$WINEPREFIX/.ntc-ready-2" ]; then
        "$wine" wineboot --init >/dev/null 2>&1 || true
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v '宋体' /t REG_SZ /d 'AR PL UMing CN' /f >/dev/null 2>&1 || true
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'SimSun' /t REG_SZ /d 'AR PL UMing CN' /f >/dev/null 2>&1 || true
        for program in $unmanaged; do
            "$wine" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" /v Managed /t REG_SZ /d N /f \
                >/dev/null 2>&1 || true
        done
        "$wineserver" -w 2>/dev/null || true
        touch "$WINEPREFIX/.ntc-ready-2"
    fi
) 9>"$WINEPREFIX/.lock"

if [ "${1:-}" = --session ]; then
    shift
    "$wineserver" -p </dev/null >/dev/null 2>&1 || true
    "$wine" wineboot </dev/null >/dev/null 2>&1 || true
    status=0
    "$@" || status=$?
    "$wineserver" -k 2>/dev/null || true
    exit "$status"
fi
exec "$wine" "$@"
