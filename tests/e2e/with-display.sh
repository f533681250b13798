#!/usr/bin/env bash
# Runs a command in an X server of its own with a window manager, as a
# person's desktop would be: Xvfb picks a free display, the window manager
# (TILIMI_WM: openbox unless set; "none" leaves it to the command) gives the
# window its frame and close box. TILIMI_DPI sets the screen's resolution.
# Exits 77, which CTest counts as skipped, when a program it or the tests
# drive is missing.
set -u
wm_program=${TILIMI_WM:-openbox}
tools=(Xvfb xprop xdotool wmctrl import)
[ "$wm_program" = none ] || tools+=("$wm_program")
for tool in "${tools[@]}"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing (./test.sh installs it)"
        exit 77
    fi
done
dpi=${TILIMI_DPI:-96}
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi "$dpi" -noreset -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r -t 20 display <"$fifo"
rm -f "$fifo"
if [ -z "${display:-}" ]; then
    echo "Xvfb did not start" >&2
    kill "$xvfb" 2>/dev/null
    exit 1
fi
export DISPLAY=":$display"
wm=
if [ "$wm_program" != none ]; then
    "$wm_program" >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
fi
unset QT_QPA_PLATFORM
"$@"
rc=$?
kill $wm "$xvfb" 2>/dev/null
wait 2>/dev/null
exit $rc
