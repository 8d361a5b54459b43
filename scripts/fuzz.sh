#!/usr/bin/env bash
# Builds the fuzz targets with clang, ASan and UBSan, and runs one.
#   scripts/fuzz.sh TARGET [SECONDS]     e.g. scripts/fuzz.sh fuzz_hy3 300
# The corpus grows in fuzz/corpus-TARGET (not kept in git), seeded from the samples.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: scripts/fuzz.sh fuzz_hy3|fuzz_in4|fuzz_csv|fuzz_tape|fuzz_yomi|fuzz_mp3|fuzz_4sp|fuzz_startup|fuzz_gtfs|fuzz_sound [SECONDS]}
seconds=${2:-300}
scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel "$(nproc)" --target "$target" hy3conv samples
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
corpus=fuzz/corpus-$target
mkdir -p "$corpus"
case "$target" in
    # Also a file of 302 empty rows, one past what the table holds.
    fuzz_hy3) printf '\001' | cat - build-fuzz/sampledata/12.hy3 > "$corpus/seed-12"
              { printf '\001\056\001'; head -c $((302 * 304)) /dev/zero; } > "$corpus/seed-302-rows" ;;
    fuzz_csv) cp samples/12.csv "$corpus/seed-12" ;;
    fuzz_in4) head -c 382 /dev/zero > "$corpus/seed-empty" ;;
    fuzz_tape) cp samples/12tp.csv "$corpus/seed-12tp" ;;
    fuzz_yomi) cp samples/yomi.csv "$corpus/seed-yomi" ;;
    # Also one longer than the decoder's 64 KiB feed.
    fuzz_mp3) cp samples/sounds/buzzer.mp3 "$corpus/seed-buzzer"
              for i in $(seq 14); do cat samples/sounds/buzzer.mp3; done > "$corpus/seed-buzzer-long" ;;
    fuzz_4sp) cp samples/tickets/plain.4SP "$corpus/seed-plain"
              cp samples/tickets/barcode.4SP "$corpus/seed-barcode" ;;
    # The files of real quits, the records they start from, and the settings files' own corpus.
    fuzz_startup) head -c 382 /dev/zero > "$corpus/seed-empty"
                  FUZZ_STARTUP_SEEDS=$corpus "build-fuzz/fuzz/$target"
                  if [ -d fuzz/corpus-fuzz_in4 ]; then cp -n fuzz/corpus-fuzz_in4/* "$corpus/"; fi ;;
    # The sample feed as tables and as an archive with a sub-folder.
    # The first byte picks the kind: even WAV, odd MIDI.
    fuzz_sound) { printf '\000'; cat samples/sounds/chime.wav; } > "$corpus/seed-chime"
                { printf '\001'; cat samples/sounds/tune.mid; } > "$corpus/seed-tune" ;;
    fuzz_gtfs) FUZZ_GTFS_SEEDS=$corpus "build-fuzz/fuzz/$target" ;;
    fuzz_state) printf '[Board]\nZoom=150\n\n[Route]\nRoute=12\nSection=1\nCompany=Sample\n' > "$corpus/seed-state" ;;
    fuzz_remote) printf 'route 12 1\nnext\nstatus\ntape-next\nbacklight on1\nlate-night\nerase\nhelp\n' > "$corpus/seed-commands" ;;
esac
extra=()
[ -f "fuzz/${target#fuzz_}.dict" ] && extra+=(-dict="fuzz/${target#fuzz_}.dict")
# Long enough for a fare data file of 302 rows.
exec "build-fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=100000 -print_final_stats=1 "${extra[@]}" "$corpus"
