#!/usr/bin/env bash
# Remakes the README's screenshots in docs/screenshots/ from the real game in
# an X server of its own with openbox: the board in play (a demonstration
# stopped half-way), the best results (from a sample table, since the
# demonstration's wins never count), the settings page and the picture page,
# each cropped to the window and its frame; then the large board with the
# colour marks on, every tile revealed. Needs build/ built (./run.sh) and the packages
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
won() { date -u -d "$1" +%Y-%m-%dT%H:%M:%S.000Z; }
# A copy of the game in a folder of its own, the best results given.
start() {
    mkdir -p "$scratch/$1"
    cp build/tilimi "$scratch/$1/tilimi"
    [ -z "${2:-}" ] || cp "$2" "$scratch/$1/Results.json"
    # Dates as a Russian player sees them.
    LC_TIME=ru_RU.UTF-8 QT_QPA_PLATFORM=xcb "$scratch/$1/tilimi" &
    game=$!
    window=
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | tail -n 1) && [ -n "$window" ] && break
        sleep 0.05
    done
    [ -n "$window" ] || { echo "the game showed no window" >&2; exit 1; }
    sleep 1
}
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
start first "$scratch/Results.json"

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

# A fresh copy: Игра → Большая, Игра → Метки цветов. Only one tile stays
# face up at a time, so the picture of the whole board revealed is put
# together from the real window: each tile is pressed in turn and its
# revealed look copied onto a picture of the board.
kill "$game"
wait "$game" 2>/dev/null || true
start marks
key alt Return Down Down Return
key alt Return Down Down Down Down Return
eval "$(xwininfo -id "$window" | sed -n 's/^ *Absolute upper-left X: */left=/p; s/^ *Absolute upper-left Y: */top=/p; s/^ *Width: */width=/p; s/^ *Height: */height=/p')"
import -window root "$scratch/board.png"
# The concealed tiles' silver interiors along a line of the screen: the first
# pixel and the length of each run longer than 8 pixels.
silver() {
    convert "$scratch/board.png" -crop "$1" +repage txt:- | awk -v axis="$2" '
        NR > 1 { split($1, at, "[,:]"); p = at[axis] + 0; inside = index($0, "#C0C0C0") > 0
                 if (inside && !open) { first = p; open = 1 }
                 if (!inside && open) { if (p - first > 8) print first, p - first; open = 0 } }'
}
rows=$(silver "1x${height}+$((left + width / 16))+${top}" 2)
first=$(echo "$rows" | head -n 1)
cols=$(silver "${width}x1+${left}+$((top + ${first% *} + ${first#* } / 2))" 1)
[ "$(echo "$cols" | wc -l)" = 8 ] && [ "$(echo "$rows" | wc -l)" = 6 ] \
    || { echo "the large board was not found" >&2; exit 1; }
# Each tile is copied with half the distance to its neighbours' interiors
# around its interior: its whole frame and half the gap, none of theirs.
half() { echo "$1" | head -n 2 | tr '\n' ' ' | awk '{print int(($3 - $1 - $2) / 2)}'; }
dx=$(half "$cols")
dy=$(half "$rows")
cp "$scratch/board.png" "$scratch/revealed.png"
previous=
while read -r y h; do
    while read -r x w; do
        xdotool mousemove $((left + x + w / 2)) $((top + y + h / 2)) click 1
        sleep 0.3
        import -window root "$scratch/screen.png"
        convert "$scratch/screen.png" -crop "$((w + 2 * dx))x$((h + 2 * dy))+$((left + x - dx))+$((top + y - dy))" \
            +repage "$scratch/tile.png"
        # A tile that matched the one before it has vanished with it, the
        # middle of its place showing the background, as the client area's
        # right edge does; it looked the same, so that one's look stands in.
        middle=$(convert "$scratch/screen.png" -format "%[hex:p{$((left + x + w / 2)),$((top + y + h / 2))}]" info:)
        edge=$(convert "$scratch/screen.png" -format "%[hex:p{$((left + width - 2)),$((top + y + h / 2))}]" info:)
        if [ "$middle" = "$edge" ]; then
            cp "$previous" "$scratch/tile.png"
        fi
        convert "$scratch/revealed.png" "$scratch/tile.png" -geometry "+$((left + x - dx))+$((top + y - dy))" \
            -composite "$scratch/revealed.png"
        cp "$scratch/tile.png" "$scratch/previous.png"
        previous="$scratch/previous.png"
    done <<<"$cols"
done <<<"$rows"
# Framed as the other shots are: the window with its frame, the revealed
# client area laid in it.
import -window "$window" -frame "$scratch/framed.png"
eval "$(convert "$scratch/framed.png" -format 'fwidth=%w fheight=%h' info:)"
border=$(((fwidth - width) / 2))
convert "$scratch/revealed.png" -crop "${width}x${height}+${left}+${top}" +repage "$scratch/client.png"
convert "$scratch/framed.png" "$scratch/client.png" -geometry "+${border}+$((fheight - height - border))" \
    -composite -strip -define png:compression-level=9 "$out/marks.png"
echo "$out/marks.png"
