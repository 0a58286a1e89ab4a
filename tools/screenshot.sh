#!/usr/bin/env bash
# Starts the real window on a private Xvfb display and writes a PNG of it.
#   tools/screenshot.sh EXECUTABLE OUTPUT.png
set -euo pipefail
exe=$(realpath "$1")
out=$(realpath -m "$2")

if [ -z "${NTC_SCREENSHOT_INNER:-}" ]; then
    export NTC_SCREENSHOT_INNER=1
    exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$0" "$exe" "$out"
fi

"$exe" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'NTC' | head -n 1)
sleep 1 # let the first frame reach the screen
import -window "$window" "$out"
echo "screenshot: $out"
