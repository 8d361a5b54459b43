#!/usr/bin/env bash
# Starts 109 under Xvfb with openbox, optionally performs xdotool steps, and
# saves a screenshot of the whole screen.
#   scripts/screenshot.sh OUT.png [xdotool arguments ...]
# e.g. scripts/screenshot.sh /tmp/board.png key 1 key 2
# Uses the Release build of ./run (build-release/); builds it when missing.
# SCREENSHOT_PROGRAM=path runs another program instead, e.g. a test page:
#   SCREENSHOT_PROGRAM=build/tests/page_Degit scripts/screenshot.sh /tmp/cells.png
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:?usage: scripts/screenshot.sh OUT.png [xdotool arguments ...]}
shift
case "$out" in /*) ;; *) out=$PWD/$out ;; esac
if [ ! -x build-release/109 ]; then
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_109_TESTS=OFF -DBUILD_109_BENCH=OFF >/dev/null
    cmake --build build-release --parallel "$(nproc)" >/dev/null
fi

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$app" "$wm" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
if [ -n "${SCREENSHOT_PROGRAM:-}" ]; then
    SDL_AUDIODRIVER=dummy "$SCREENSHOT_PROGRAM" &
else
    (cd build-release/sampledata && SDL_AUDIODRIVER=dummy exec ../109) &
fi
app=$!
sleep 2
if [ $# -gt 0 ]; then
    xdotool "$@"
    sleep 1
fi
# import paints the shaped-off corners as the desktop, not black.
import -window root "$out"
echo "$out"
