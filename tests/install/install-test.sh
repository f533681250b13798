#!/usr/bin/env bash
# Installs the game into a scratch prefix as a player would, checks the
# desktop entry and the AppStream metadata with their validators, then makes
# the prefix read-only and starts the installed game from its entry's Exec
# line in an X server with a window manager, as a user who may not write
# there (root starts it as "nobody"). Closing it through the window manager
# must leave a 568-byte DbData in ~/.config/tilimi, nothing new or changed in
# the prefix, and a window that carried the game's icon and the class its
# entry names.
#
#   install-test.sh <build folder> <desktop id>
#
# Exits 77 (counted as skipped) when a tool it drives is missing.
set -u
build=$1
id=$2
here=$(cd "$(dirname "$0")" && pwd)

for tool in desktop-file-validate appstreamcli Xvfb openbox wmctrl xdotool xprop setpriv; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool missing"
        exit 77
    fi
done
# The rest runs in an X server of its own.
if [ -z "${TILIMI_INSTALL_TEST_DISPLAY:-}" ]; then
    TILIMI_INSTALL_TEST_DISPLAY=1 exec "$here/../e2e/with-display.sh" "$0" "$@"
fi

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

scratch=$(mktemp -d)
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    chmod -R u+w "$scratch"
    rm -rf "$scratch"
}
trap cleanup EXIT
# Others must reach the prefix to run the game from it.
chmod 755 "$scratch"
prefix=$scratch/prefix
home=$scratch/home

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
entry=$prefix/share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml")"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ "$exec_line" = "$prefix/bin/tilimi" ] || fail "Exec=$exec_line"

# Permissions do not stop root, so what the prefix holds is compared too.
listing() {
    find "$prefix" -printf '%p %m %s %T@\n' | sort
    find "$prefix" -type f -exec md5sum {} + | sort
}
chmod -R a-w "$prefix"
before=$(listing)

mkdir -p "$home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$home" "$scratch/runtime"
    as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${as_player[@]}" env -u XDG_CONFIG_HOME HOME="$home" XDG_RUNTIME_DIR="$scratch/runtime" \
    QT_QPA_PLATFORM=xcb "$exec_line" &
game=$!

window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | tail -n 1)
    [ -n "$window" ] && break
    kill -0 "$game" 2>/dev/null || fail "the installed game ended before showing its window"
    sleep 0.05
done
[ -n "$window" ] || fail "no window of the installed game"
# Docks tie a window to its launcher by the window's class (WM_CLASS, its
# second string) against the entry's StartupWMClass.
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] && [ "$wm_class" = "$startup_class" ] ||
    fail "the window's class \"$wm_class\" is not the entry's StartupWMClass \"$startup_class\""
# The icon follows the window's first frame.
for _ in $(seq 100); do
    icon=$(xprop -len 4000000 -id "$window" _NET_WM_ICON)
    echo "$icon" | grep -Eq 'Icon \((16 x 16|32 x 32)\)' && break
    sleep 0.05
done
echo "$icon" | grep -Eq 'Icon \((16 x 16|32 x 32)\)' || fail "no 16x16 or 32x32 window icon: $(echo "$icon" | head -n 2)"

# Let the window manager frame it before its close box is used.
sleep 0.5
wmctrl -i -c "$window"
for _ in $(seq 100); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$game" 2>/dev/null && fail "the game did not end when its window was closed"
wait "$game"
status=$?
game=
[ "$status" -eq 0 ] || fail "the game ended with status $status"

db=$home/.config/tilimi/DbData
[ -f "$db" ] || fail "no $db"
[ "$(stat -c %s "$db")" -eq 568 ] || fail "$db holds $(stat -c %s "$db") bytes"
[ "$(listing)" = "$before" ] || fail "the game wrote into its prefix: $(diff <(echo "$before") <(listing))"
echo "PASS"
