#!/usr/bin/env bash
# Starts 109 under Xvfb with openbox, optionally performs xdotool steps, and
# saves a screenshot of the whole screen.
#   scripts/screenshot.sh [--page PAGE] [--wait SECONDS] OUT.png [xdotool arguments ...]
# e.g. scripts/screenshot.sh /tmp/board.png key 1 key 2
#      scripts/screenshot.sh --page page_ChimeiCtl --wait 3.5 /tmp/chimei.png
# Uses the Release build of ./run (build-release/), or with --page a test page
# of the Debug build of ./test (build/tests/); builds it when missing. The
# screenshot is taken --wait seconds (default 2) after the start.
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: scripts/screenshot.sh [--page PAGE] [--wait SECONDS] OUT.png [xdotool arguments ...]"
page=
wait=2
while [ $# -gt 0 ]; do
    case "$1" in
    --page) page=${2:?$usage}; shift 2 ;;
    --wait) wait=${2:?$usage}; shift 2 ;;
    *) break ;;
    esac
done
out=${1:?$usage}
shift
case "$out" in /*) ;; *) out=$PWD/$out ;; esac
if [ -n "$page" ]; then
    [ -x "build/tests/$page" ] || cmake --build build --target "$page" >/dev/null
elif [ ! -x build-release/109 ]; then
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
if [ -n "$page" ]; then
    SDL_AUDIODRIVER=dummy "build/tests/$page" &
else
    (cd build-release/sampledata && SDL_AUDIODRIVER=dummy exec ../109) &
fi
app=$!
sleep "$wait"
if [ $# -gt 0 ]; then
    xdotool "$@"
    sleep 1
fi
# import paints the shaped-off corners as the desktop, not black.
import -window root "$out"
echo "$out"
