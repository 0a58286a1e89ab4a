#!/usr/bin/env bash
# Runs a Windows program under Wine, as CTest's emulator for the Windows
# build. The Wine prefix is a throw-away one beside the build (WINEPREFIX, or
# wineprefix/ in the current folder's build tree); the first run creates it
# and maps 宋体 to the AR PL UMing Song face, as a Chinese Windows has it.
# Needs an X display: `make windows` runs the tests under xvfb-run.
#   tools/wine-run.sh PROGRAM.exe [ARGS...]
set -euo pipefail
wine=/usr/lib/wine/wine64
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

mkdir -p "$WINEPREFIX"
(
    flock 9
    if [ ! -f "$WINEPREFIX/.ntc-ready" ]; then
        "$wine" wineboot --init >/dev/null 2>&1 || true
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v '宋体' /t REG_SZ /d 'AR PL UMing CN' /f >/dev/null 2>&1 || true
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'SimSun' /t REG_SZ /d 'AR PL UMing CN' /f >/dev/null 2>&1 || true
        /usr/lib/wine/wineserver -w 2>/dev/null || true
        touch "$WINEPREFIX/.ntc-ready"
    fi
) 9>"$WINEPREFIX/.lock"
exec "$wine" "$@"
