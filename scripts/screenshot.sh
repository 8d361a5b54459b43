#!/usr/bin/env bash
# Starts 109 under Xvfb with openbox, optionally performs xdotool steps, and
# saves screenshots of the whole screen.
#   scripts/screenshot.sh [--page PAGE [--arg ARG]...] [--wait SECONDS] OUT [xdotool arguments ...]
# OUT is a .png file or a folder. Among the xdotool arguments the word "shot"
# takes a screenshot at that point; one more is taken after the last step.
# In a folder they are 01.png, 02.png, ...; next to OUT.png they are
# OUT-1.png, OUT-2.png, ... and the last one is OUT.png itself.
# e.g. scripts/screenshot.sh /tmp/board.png key 1 key 2
#      scripts/screenshot.sh /tmp/shots mousemove 100 100 click 1 shot key Return
#      scripts/screenshot.sh --page page_ChimeiCtl --wait 3.5 /tmp/chimei.png
#      scripts/screenshot.sh --page page_TicketPreview --arg samples/tickets/plain.4SP --arg 3 /tmp/t.png
# Uses the Release build of ./run (build-release/), or with --page a test page
# of the Debug build of ./test (build/tests/). The first step runs --wait
# seconds (default 4) after the start.
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: scripts/screenshot.sh [--page PAGE [--arg ARG]...] [--wait SECONDS] OUT [xdotool arguments ...]"
page=
wait=4
page_args=()
while [ $# -gt 0 ]; do
    case "$1" in
    --page) page=${2:?$usage}; shift 2 ;;
    --wait) wait=${2:?$usage}; shift 2 ;;
    --arg) page_args+=("${2?$usage}"); shift 2 ;;
    *) break ;;
    esac
done
out=${1:?$usage}
shift
case "$out" in /*) ;; *) out=$PWD/$out ;; esac
case "$out" in *.png) ;; *) mkdir -p "$out" ;; esac
# Built every time (quick when nothing changed), so a picture never shows an old build.
if [ -n "$page" ]; then
    [ -d build ] || cmake --preset debug >/dev/null
    cmake --build --preset debug --target "$page" --parallel "$(nproc)" >/dev/null
else
    [ -d build-release ] || cmake --preset release >/dev/null
    cmake --build --preset release --parallel "$(nproc)" >/dev/null
fi

. scripts/xsession.sh
xsession_start
if [ -n "$page" ]; then
    SDL_AUDIODRIVER=dummy "build/tests/$page" "${page_args[@]}" &
else
    (cd build-release/sampledata && SDL_AUDIODRIVER=dummy exec ../109) &
fi
xsession_pids+=($!)
sleep "$wait"

shots=0
shoot() { # the file of the next screenshot; the last one of a .png is OUT itself
    local last=$1 file
    shots=$((shots + 1))
    case "$out" in
    *.png) if [ "$last" = last ]; then file=$out; else file=${out%.png}-$shots.png; fi ;;
    *) file=$(printf '%s/%02d.png' "$out" "$shots") ;;
    esac
    # import paints the shaped-off corners as the desktop, not black.
    import -window root "$file"
    echo "$file"
}
step=()
run_step() {
    if [ ${#step[@]} -gt 0 ]; then
        xdotool "${step[@]}"
        sleep 1
    fi
    step=()
}
for arg in "$@"; do
    if [ "$arg" = shot ]; then
        run_step
        shoot middle
    else
        step+=("$arg")
    fi
done
run_step
shoot last
