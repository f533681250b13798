#!/usr/bin/env bash
# Builds what the benchmarks need and measures the game against the floor,
# the cheapest Qt window with a menu bar, in the same run. Prints a table of
# medians. Run after ./test.sh has set the machine up:  bench/run.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
cmake --build build --parallel "$(nproc)" --target tilimi tilimi_floor bench_paint bench_turns bench_desktop bench_music >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A tenth of a second of tone: each loop is then mostly the second's pause.
gst-launch-1.0 -q audiotestsrc num-buffers=10 samplesperbuffer=441 ! audio/x-raw,rate=44100,channels=1 \
    ! audioconvert ! lamemp3enc ! filesink location="$work/loop.mp3"

tests/e2e/with-display.sh build/bench/bench_desktop build/tilimi build/tilimi_floor "$runs" "$work/loop.mp3" \
    build/data/icons/*/apps/*.png >"$work/desktop.tsv" 2>/dev/null
tests/e2e/with-display.sh build/bench/bench_turns 30 >"$work/turns.txt" 2>/dev/null
QT_QPA_PLATFORM=offscreen build/bench/bench_music "$work/loop.mp3" >"$work/music.tsv" 2>/dev/null
# The CPU times of a repaint, each a median of 15, from every run.
for _ in $(seq "$runs"); do
    QT_QPA_PLATFORM=offscreen build/bench/bench_paint 2>/dev/null | grep '^CPU'
done >"$work/paint.tsv"
# Instructions of one repaint, each dumped by the benchmark under its name.
# Callgrind counts every byte of glibc's "rep movsb" copy as an instruction:
# the threshold keeps memcpy on its vector loop, as fast on the hardware.
mkdir "$work/callgrind"
GLIBC_TUNABLES=glibc.cpu.x86_rep_movsb_threshold=2147483647 QT_QPA_PLATFORM=offscreen \
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$work/callgrind/out.%p" \
    build/bench/bench_paint picturePage floor >/dev/null 2>&1
for f in "$work"/callgrind/out.*.*; do
    printf 'Ir\t%s\t%s\n' "$(sed -n 's/^desc: Trigger: Client Request: //p' "$f")" "$(sed -n 's/^summary: //p' "$f")"
done >>"$work/paint.tsv"

value() { awk -F'\t' -v k="$1" '$1 == k {print $2}' "$work/desktop.tsv"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
row() { printf '| %s | %s | %s | %s | %s |\n' "$1" "$2" "$3" "$4" "$5"; }

echo "Medians of $runs runs on $(nproc) cores, $(date -u +%Y-%m-%d)."
echo
row "Measurement" "Game" "Floor" "Ratio" "Budget"
row "---" "---" "---" "---" "---"
for m in "first frame (ms)" "first answered event (ms)" "peak memory after start-up (MiB)"; do
    g=$(value "game $m"); f=$(value "floor $m")
    budget="≤ 1.3 × floor"
    [ "$m" = "first frame (ms)" ] && budget="≤ 1.10 × floor"
    row "$m" "$g" "$f" "$(ratio "$g" "$f")" "$budget"
done
# What the icon costs a window that sets it before it shows, as the game once did.
g=$(value "floor with icon first frame (ms)"); f=$(value "floor first frame (ms)")
row "first frame, floor with the icon before it shows (ms)" "$g" "$f" "$(ratio "$g" "$f")" "-"
f=$(value "floor peak memory after start-up (MiB)")
for m in "after a won game" "after every page" "after 50 music loops"; do
    g=$(value "game peak memory $m (MiB)")
    row "peak memory $m (MiB)" "$g" "$f" "$(ratio "$g" "$f")" "≤ 1.3 × floor"
done
music() { awk -F'\t' -v k="music resident memory $1 (MiB)" '$1 == k {print $2}' "$work/music.tsv"; }
m5=$(music "after 5 start/finish cycles")
row "music memory after 5 start/finish cycles (MiB)" "$m5" "-" "-" "-"
row "music memory after 50 start/finish cycles (MiB)" "$(music "after 50 start/finish cycles")" "-" "-" "≤ $(awk -v a="$m5" 'BEGIN { printf "%.2f", a + 0.5 }')"
row "music memory after 50 more loops (MiB)" "$(music "after 50 loops")" "-" "-" "≤ $(awk -v a="$m5" 'BEGIN { printf "%.2f", a + 0.5 }')"
row "idle CPU over 10 s (ms)" "$(value "game idle CPU over 10 s (ms)")" "$(value "floor idle CPU over 10 s (ms)")" "-" "-"
row "idle wake-ups over 10 s" "$(value "game idle wake-ups over 10 s")" "$(value "floor idle wake-ups over 10 s")" "-" "0 of its own"
row "demonstration CPU over 10 s (ms)" "$(value "game demonstration CPU over 10 s (ms)")" "-" "-" "-"
row "demonstration wake-ups over 10 s" "$(value "game demonstration wake-ups over 10 s")" "-" "-" "-"
row "CPU while playing MP3 (%)" "$(value "game CPU share while playing MP3 (%)")" "-" "-" "-"
# The game's window on the picture page against the floor's window, both
# whole, then below the menu bar only; the median of each name over the runs.
paint() {
    awk -F'\t' -v k="$1" -v n="$2" '$1 == k && $2 == n {print $3}' "$work/paint.tsv" \
        | sort -g | awk '{v[NR] = $1} END {if (NR) print v[int((NR + 1) / 2)]}'
}
row "full repaint, large board 1920×1080 (CPU ms)" "$(paint CPU "largeBoard 1920x1080")" "-" "-" "< 2"
# The window's repaint is held to 1.5 times the floor's: a figure over it is
# flagged in the table and named at the end.
over=()
within() { awk -v r="$1" 'BEGIN { exit !(r != "-" && r <= 1.5) }'; }
for size in 700x500 1920x1080 3840x2160; do
    label=${size/x/×}
    for part in window page; do
        for what in "Ir instructions" "CPU CPU ms"; do
            g=$(paint "${what%% *}" "picturePage $size $part"); f=$(paint "${what%% *}" "floor $size $part")
            r=$(ratio "$g" "$f")
            budget="-"
            if [ "$part" = window ]; then
                budget="≤ 1.5 × floor, met"
                within "$r" || { budget="≤ 1.5 × floor, OVER"; over+=("$label ${what#* }"); }
            fi
            row "repaint, picture page $label, $part (${what#* })" "$g" "$f" "$r" "$budget"
        done
    done
done
row "press to reveal painted (ms)" "$(sed -n 's/.*reveal painted: median \([0-9.]*\).*/\1/p' "$work/turns.txt")" "-" "-" "-"
row "reveal to conceal painted (ms)" "$(sed -n 's/.*conceal painted: median \([0-9.]*\).*/\1/p' "$work/turns.txt")" "-" "-" "110 ± 10"
row "reveal to vanishing (ms)" "$(sed -n 's/.*vanishing: median \([0-9.]*\).*/\1/p' "$work/turns.txt")" "-" "-" "165 ± 10"
if [ ${#over[@]} -gt 0 ]; then
    echo
    printf 'Over the picture page budget: %s\n' "$(IFS=,; echo "${over[*]}" | sed 's/,/, /g')"
fi
