#!/usr/bin/env bash
# Started on a desktop without a session bus, the program starts no other
# process (the D-Bus library would launch a bus daemon that outlives the
# window), and once it has ended none of its processes is left running.
#   no_session_bus_test.sh EXECUTABLE
set -u
exe=$(realpath "$1")
if [ -z "${NTC_INNER:-}" ]; then
    export NTC_INNER=1
    exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$exe"
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime" # a runtime directory with no bus socket in it
mark="ntc-beta-test-$$"

env -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb NTC_TEST_MARK="$mark" \
    strace -f -qq -o "$scratch/trace" -e trace=execve "$exe" >/dev/null 2>&1 &
tracer=$!
timeout 20 xdotool search --sync --onlyvisible --name 'NTC' >/dev/null
sleep 1 # the accessibility bridge and the theme look for a bus after the first frame
program=$(pgrep -P "$tracer" | head -n 1)
kill -TERM "$program" 2>/dev/null
wait "$tracer"
sleep 0.5

failures=0
started=$(grep -c 'execve(' "$scratch/trace")
if [ "$started" -eq 1 ]; then
    echo "ok: no process started"
else
    echo "FAIL: the program started other processes:"
    grep 'execve(' "$scratch/trace" | tail -n +2 | head -n 5
    failures=$((failures + 1))
fi
left=$(grep -l "NTC_TEST_MARK=$mark" /proc/[0-9]*/environ 2>/dev/null | wc -l)
[ "$left" -eq 0 ] && echo "ok: nothing left running" || { echo "FAIL: $left processes left running"; failures=$((failures + 1)); }
exit $((failures > 0))
