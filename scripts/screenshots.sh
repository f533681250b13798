#!/usr/bin/env bash
# Remakes the README's screenshots in docs/screenshots/ from the real game in
# an X server of its own with openbox: the board in play (a demonstration
# stopped half-way), the settings page and the picture page, each cropped to
# the window and its frame. Needs build/ built (./run.sh) and the packages
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
QT_QPA_PLATFORM=xcb "$scratch/tilimi" &
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
    import -window "$window" -frame -strip -define png:compression-level=9 "$out/$1.png"
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
# Настройки, the second item of the menu bar.
key alt Right Return
shot settings
# Мандала, the third.
key alt Right Right Return
shot picture
