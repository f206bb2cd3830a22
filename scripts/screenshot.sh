#!/usr/bin/env bash
# Photographs the main window as it opens, under a virtual X server, into docs/main-window.png.
# Usage: scripts/screenshot.sh [program]   (default build/app/morvane; build it first)
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/morvane}
output=docs/main-window.png
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the given descriptor.
Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
[[ -s "$work/display" ]] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

QT_QPA_PLATFORM=xcb "$program" &
pids+=($!)
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Morvane1\.3$' | head -n1)
[[ -n "$window" ]] || { echo "the window did not appear" >&2; exit 1; }
sleep 1 # the first paint of the sheet
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "wrote $output"
