#!/usr/bin/env bash
# Runs a test program as a screen reader would meet it: a private session bus
# with the accessibility bus on it switched on, and an X display.
#   with_screen_reader.sh PROGRAM [ARGS...]
set -u
if [ -z "${NTC_SCREEN_READER_BUS:-}" ]; then
    export NTC_SCREEN_READER_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "FAIL: $launcher missing (Debian package at-spi2-core)"; exit 1; }
"$launcher" >/dev/null 2>&1 &
bus=$!
trap 'kill "$bus" 2>/dev/null' EXIT
# What a desktop does when the user turns the screen reader on.
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null 2>&1 && break
    sleep 0.1
done
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$@"
