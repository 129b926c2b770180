#!/usr/bin/env bash
# Builds the benchmark programs (the release preset: Release, in
# build-release/) and prints the figures with a summary table:
#   - start-up to the first frame of the game's window, in a reused folder
#     and in a fresh one, and of a bare Qt window of the same shape (menu,
#     card grid, side labels, name entry, hidden table, status bar), run
#     alternately, medians and their ratios;
#   - the peak resident memory of the same runs;
#   - processor time during a real pause(2500) and while idle for 10 s
#     (three runs, medians);
#   - time from a card's mouse release to the end of its paint.
# Usage: bench/run-all.sh [start-up runs, default 21] [language, default en]
# With a language, the game speaks it and the bare window shows the same
# texts in the same faces (en, ja, ko, zh_CN, ar), so a script whose fonts
# are large (Chinese, Japanese, Korean) loads them in both.
# Runs under its own Xvfb (xvfb-run) so figures do not depend on a desktop.
# These are measurements, not tests: nothing here fails on a missed target.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"
runs="${1:-21}"
language="${2:-en}"

if [ -z "${KESTRELON_BENCH_UNDER_XVFB:-}" ]; then
    export KESTRELON_BENCH_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM # the real X11 platform of the Xvfb server

build="$repo/build-release"
(cd "$repo" && cmake --preset release >/dev/null && cmake --build --preset release -j"$(nproc)" >/dev/null)
game="$build/bench/bench_game"
bare="$build/bench/bench_bare"

# The game writes its files into its working folder; a scratch one is used.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

value() { sed -n "s/^$1=//p"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "== start-up and peak memory, $runs rounds, alternating game (reused folder), game (fresh folder), bare"
# The reused folder keeps the pictures, the counter and the list from the run
# before, as a player's folder does; each fresh folder is new and empty, so
# the game writes all of them. One warm-up run each first.
"$game" --language "$language" --startup --since "$EPOCHREALTIME" >/dev/null 2>&1
"$bare" --language "$language" --startup --since "$EPOCHREALTIME" >/dev/null 2>&1
: >game.txt
: >fresh.txt
: >bare.txt
for i in $(seq 1 "$runs"); do
    "$game" --language "$language" --startup --since "$EPOCHREALTIME" 2>/dev/null >>game.txt
    fresh="$(mktemp -d "$work/fresh.XXXXXX")"
    (cd "$fresh" && "$game" --language "$language" --startup --since "$EPOCHREALTIME" 2>/dev/null) >>fresh.txt
    rm -rf "$fresh"
    "$bare" --language "$language" --startup --since "$EPOCHREALTIME" 2>/dev/null >>bare.txt
done
game_ms="$(value startup_ms <game.txt | median)"
fresh_ms="$(value startup_ms <fresh.txt | median)"
bare_ms="$(value startup_ms <bare.txt | median)"
game_kib="$(value maxrss_kib <game.txt | median)"
fresh_kib="$(value maxrss_kib <fresh.txt | median)"
bare_kib="$(value maxrss_kib <bare.txt | median)"
echo "game start-up ms, reused folder: $(value startup_ms <game.txt | tr '\n' ' ')"
echo "game start-up ms, fresh folder:  $(value startup_ms <fresh.txt | tr '\n' ' ')"
echo "bare start-up ms:                $(value startup_ms <bare.txt | tr '\n' ' ')"

echo "== processor time during pause(2500) and 10 s idle, window shown, 3 runs"
: >idle.txt
for i in 1 2 3; do
    "$game" --idle 2>/dev/null | tee -a idle.txt
done

echo "== card click to face painted"
"$game" --click 2>/dev/null | tee click.txt

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
echo
echo "== summary (Xvfb, $(nproc) cores, Release build, language $language)"
printf '%-36s %-12s %-12s %-7s %s\n' "measure" "game" "bare" "ratio" "target"
printf '%-36s %-12s %-12s %-7s %s\n' "start-up to first frame, reused" "$game_ms ms" "$bare_ms ms" \
    "$(ratio "$game_ms" "$bare_ms")" "<= 1.10"
printf '%-36s %-12s %-12s %-7s %s\n' "start-up to first frame, fresh" "$fresh_ms ms" "$bare_ms ms" \
    "$(ratio "$fresh_ms" "$bare_ms")" "<= 1.10"
printf '%-36s %-12s %-12s %-7s %s\n' "peak resident memory, reused" "$(mib "$game_kib")" \
    "$(mib "$bare_kib")" "$(ratio "$game_kib" "$bare_kib")" "<= 1.10"
printf '%-36s %-12s %-12s %-7s %s\n' "peak resident memory, fresh" "$(mib "$fresh_kib")" \
    "$(mib "$bare_kib")" "$(ratio "$fresh_kib" "$bare_kib")" "<= 1.10"
printf '%-36s %-12s %-12s %-7s %s\n' "processor during pause(2500)" \
    "$(value pause_cpu_pct <idle.txt | median) %" "" "" "< 2 % of one core (median)"
printf '%-36s %-12s %-12s %-7s %s\n' "processor while idle 10 s" \
    "$(value idle_cpu_pct <idle.txt | median) %" "" "" "< 2 % of one core (median)"
printf '%-36s %-12s %-12s %-7s %s\n' "click to face painted, median" \
    "$(value click_paint_median_ms <click.txt) ms" "" "" "<= 16 ms"
printf '%-36s %-12s %-12s %-7s %s\n' "click to face painted, 90th pct" \
    "$(value click_paint_p90_ms <click.txt) ms" "" "" "<= 16 ms"
printf '%-36s %-12s %-12s %-7s %s\n' "click to face painted, worst" \
    "$(value click_paint_max_ms <click.txt) ms" "" "" "<= 16 ms"
