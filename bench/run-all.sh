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
# Usage: bench/run-all.sh [start-up runs, default 21] [language ...]
# Each language given (default en; "all" for every language the game speaks)
# gets its own start-up and memory rounds: the game speaks it, and the bare
# window draws the texts of the game's first frame in that language (taken
# from the game, bench_game --texts) in the same faces, so a script whose
# fonts are large (Chinese, Japanese, Korean) or of its own (Arabic, Thai,
# Devanagari) loads them in both. The summary ends with a row per language.
# Runs under its own Xvfb (xvfb-run) so figures do not depend on a desktop.
# These are measurements, not tests: nothing here fails on a missed target.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"

if [ -z "${KESTRELON_BENCH_UNDER_XVFB:-}" ]; then
    export KESTRELON_BENCH_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
runs="${1:-21}"
shift || true
languages=("${@:-en}")
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
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }

if [ "${languages[0]}" = all ]; then
    mapfile -t languages < <("$game" --languages)
fi

: >languages.txt
for language in "${languages[@]}"; do
    echo "== $language: start-up and peak memory, $runs rounds, alternating game (reused folder), game (fresh folder), bare"
    # The reused folder keeps the pictures, the counter and the list from the
    # run before, as a player's folder does; each fresh folder is new and
    # empty, so the game writes all of them. One warm-up run each first.
    "$game" --language "$language" --texts >texts.txt 2>/dev/null
    "$game" --language "$language" --startup --since "$EPOCHREALTIME" >/dev/null 2>&1
    "$bare" --texts texts.txt --startup --since "$EPOCHREALTIME" >/dev/null 2>&1
    : >game.txt
    : >fresh.txt
    : >bare.txt
    # A pause before each start lets the X server and the file system finish
    # with the program before, so no program pays for the one it follows.
    for i in $(seq 1 "$runs"); do
        fresh="$(mktemp -d "$work/fresh.XXXXXX")"
        sleep 0.2
        "$game" --language "$language" --startup --since "$EPOCHREALTIME" 2>/dev/null >>game.txt
        sleep 0.2
        (cd "$fresh" && "$game" --language "$language" --startup --since "$EPOCHREALTIME" 2>/dev/null) >>fresh.txt
        sleep 0.2
        "$bare" --texts texts.txt --startup --since "$EPOCHREALTIME" 2>/dev/null >>bare.txt
        rm -rf "$fresh"
    done
    echo "game start-up ms, reused folder: $(value startup_ms <game.txt | tr '\n' ' ')"
    echo "game start-up ms, fresh folder:  $(value startup_ms <fresh.txt | tr '\n' ' ')"
    echo "bare start-up ms:                $(value startup_ms <bare.txt | tr '\n' ' ')"
    echo "$language $(value startup_ms <game.txt | median) $(value startup_ms <fresh.txt | median)" \
        "$(value startup_ms <bare.txt | median) $(value maxrss_kib <game.txt | median)" \
        "$(value maxrss_kib <fresh.txt | median) $(value maxrss_kib <bare.txt | median)" >>languages.txt
done
# The summary's start-up and memory are the first language's.
read -r language game_ms fresh_ms bare_ms game_kib fresh_kib bare_kib <languages.txt

echo "== processor time during pause(2500) and 10 s idle, window shown, 3 runs"
: >idle.txt
for i in 1 2 3; do
    "$game" --idle 2>/dev/null | tee -a idle.txt
done

echo "== card click to face painted"
"$game" --click 2>/dev/null | tee click.txt

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

echo
echo "== per language: game / bare, medians (target <= 1.10 each)"
printf '%-8s %-22s %-22s %-26s %-26s\n' "language" "start-up, reused" "start-up, fresh" \
    "memory, reused" "memory, fresh"
while read -r language game_ms fresh_ms bare_ms game_kib fresh_kib bare_kib; do
    printf '%-8s %-22s %-22s %-26s %-26s\n' "$language" \
        "$(ratio "$game_ms" "$bare_ms") ($game_ms/$bare_ms)" \
        "$(ratio "$fresh_ms" "$bare_ms") ($fresh_ms/$bare_ms)" \
        "$(ratio "$game_kib" "$bare_kib") ($(mib "$game_kib")/$(mib "$bare_kib"))" \
        "$(ratio "$fresh_kib" "$bare_kib") ($(mib "$fresh_kib")/$(mib "$bare_kib"))"
done <languages.txt
