#!/usr/bin/env bash
# Start-up of the Windows programs under Wine against the bare Win32 floor,
# measured by bench/startup on the X display in $DISPLAY (`make bench-windows`
# runs it under xvfb-run with a white root).
#   tools/bench-windows.sh STARTUP RUNS PROGRAM.exe FLOOR.exe [OTHER.exe...]
# The Wine prefix is WINEPREFIX, or wineprefix-bench/ beside the programs'
# build tree; it is made ready before anything is timed, and one wineserver
# (with Wine's system processes) stays up for the whole run, so no start pays
# for a fresh server.
set -euo pipefail
startup=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${WINEPREFIX:-}" ]; then
    dir=$(cd "$(dirname "$2")" && pwd)
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
    [ -f "$dir/CMakeCache.txt" ] || dir=$PWD
    export WINEPREFIX="$dir/wineprefix-bench"
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=${LC_ALL:-C.UTF-8}

# Creates the prefix (and its 宋体 mapping) on the first run, then lets
# that server end so the persistent one takes its place.
"$here/wine-run.sh" cmd /c exit
/usr/lib/wine/wineserver -w
/usr/lib/wine/wineserver -p
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
"$startup" --launcher /usr/lib/wine/wine64 "$@"
