#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them, reporting mean and median.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench --parallel "$(nproc)" >/dev/null
for b in build-bench/bench/bench_*; do
    [ -x "$b" ] && [ -f "$b" ] || continue
    "$b" --benchmark_repetitions=20 --benchmark_report_aggregates_only=true
done
# A whole start-up, five times over: each run is a new process on its own display.
(
    cd build-bench/sampledata
    for _ in 1 2 3 4 5; do
        SDL_AUDIODRIVER=dummy xvfb-run -a ../bench/startup_App 2>/dev/null
    done
)
# A long name scrolling with the board filling a screen of 1920 x 1080.
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24" build-bench/bench/scroll_Board --seconds 10 2>/dev/null
