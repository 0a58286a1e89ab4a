#!/usr/bin/env bash
# Started where no display can be opened, the program says so in one line
# and exits with code 1 instead of aborting.
set -u
exe=$1
failures=0
check() { # description, then the environment to run under
    local what=$1; shift
    local err rc
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY "$@" "$exe" 2>&1 >/dev/null </dev/null)
    rc=$?
    if [ "$rc" -ne 1 ] || [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ] ||
       ! grep -q 'Cannot open a display' <<<"$err" || ! grep -q '无法打开显示屏' <<<"$err"; then
        echo "FAIL: $what: exit $rc, said: $err"
        failures=$((failures + 1))
    else
        echo "ok: $what"
    fi
}
check "no DISPLAY set" QT_QPA_PLATFORM=xcb
check "DISPLAY names no server" QT_QPA_PLATFORM=xcb DISPLAY=:4242
check "platform left to the toolkit" -u QT_QPA_PLATFORM
check "unknown platform" QT_QPA_PLATFORM=nosuchplatform
exit $((failures > 0))
