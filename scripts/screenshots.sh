#!/usr/bin/env bash
# Remakes the README's screenshots in docs/screenshots/ from the real game in
# an X server of its own with openbox: the board in play (a demonstration
# stopped half-way), the best results (from a sample table, since the
# demonstration's wins never count), the settings page and the picture page,
# each cropped to the window and its frame. Needs build/ built (./run.sh) and the packages
# of the end-to-end tests (TILIMI_TEST_PACKAGES=1 scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${TILIMI_SCREENSHOTS_DISPLAY:-}" ]; then
    TILIMI_SCREENSHOTS_DISPLAY=1 exec tests/e2e/with-display.sh "$0" "$@"
fi

out=docs/screenshots
mkdir -p "$out"
# A copy of its own keeps its settings beside itself, so the shots show the
# defaults and nobody's settings change.
scratch=$(mktemp -d)
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
cp build/tilimi "$scratch/tilimi"
won() { date -u -d "$1" +%Y-%m-%dT%H:%M:%S.000Z; }
cat >"$scratch/Results.json" <<EOF
{
    "version": 1,
    "small": [
        {"presses":32,"time_ms":41250,"won":"$(won '2 days ago 20:14')"},
        {"presses":36,"time_ms":47900,"won":"$(won 'yesterday 21:02')"},
        {"presses":30,"time_ms":52100,"won":"$(won '5 days ago 18:40')"},
        {"presses":44,"time_ms":63700,"won":"$(won '5 days ago 18:31')"}
    ],
    "large": [
        {"presses":88,"time_ms":176300,"won":"$(won 'yesterday 21:20')"}
    ]
}
EOF
# Dates as a Russian player sees them.
LC_TIME=ru_RU.UTF-8 QT_QPA_PLATFORM=xcb "$scratch/tilimi" &
game=$!

window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | tail -n 1) && [ -n "$window" ] && break
    sleep 0.05
done
[ -n "$window" ] || { echo "the game showed no window" >&2; exit 1; }
sleep 1

key() {
    xdotool key "$@"
    sleep 0.3
}
shot() {
    sleep 0.7
    import -window "${2:-$window}" -frame -strip -define png:compression-level=9 "$out/$1.png"
    echo "$out/$1.png"
}

# Игра → Демонстрация, let it play a while, and stop it by opening the menu.
key alt Return Down Down Down Return
sleep 12
key alt Return Escape Escape
# Then a press on a tile still concealed (silver at its centre) turns it up.
eval "$(xwininfo -id "$window" | sed -n 's/^ *Absolute upper-left X: */left=/p; s/^ *Absolute upper-left Y: */top=/p; s/^ *Width: */width=/p; s/^ *Height: */height=/p')"
menu=18
import -window root "$scratch/screen.png"
for tile in 3:2 2:5 4:4 1:1 3:6 1:3 2:2 4:1; do
    x=$((left + (2 * ${tile#*:} - 1) * width / 12))
    y=$((top + menu + (2 * ${tile%:*} - 1) * (height - menu) / 8))
    if [ "$(convert "$scratch/screen.png" -format "%[hex:p{$x,$y}]" info:)" = C0C0C0 ]; then
        xdotool mousemove "$x" "$y" click 1
        break
    fi
done
shot board
# Игра → Рекорды…, the item before the separator, then Escape.
key alt Return Up Up Return
# The dialog is the window that takes the focus from the game's.
dialog=
for _ in $(seq 100); do
    dialog=$(xdotool getactivewindow 2>/dev/null) && [ "$dialog" != "$window" ] && break
    sleep 0.05
done
[ "$dialog" != "$window" ] || { echo "the results did not show" >&2; exit 1; }
shot results "$dialog"
key Escape
# Настройки, the second item of the menu bar.
key alt Right Return
shot settings
# Мандала, the third.
key alt Right Right Return
shot picture
