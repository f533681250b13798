#!/usr/bin/env bash
# The game as a screen reader reads it: a session bus of its own with the
# accessibility bus on it, the X server of with-display.sh, and a real
# AT-SPI client. Exits 77, which CTest counts as skipped, when a package is
# missing.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v dbus-run-session >/dev/null 2>&1; then
    echo "SKIP: dbus-run-session is missing (./test.sh installs dbus-daemon)"
    exit 77
fi
if [ ! -x /usr/libexec/at-spi-bus-launcher ]; then
    echo "SKIP: the AT-SPI bus is missing (./test.sh installs at-spi2-core)"
    exit 77
fi
if ! /usr/bin/python3 -c 'import pyatspi' >/dev/null 2>&1; then
    echo "SKIP: pyatspi is missing (./test.sh installs python3-pyatspi)"
    exit 77
fi
# The client script: the second argument, else the board's test.
exec dbus-run-session -- "$here/with-display.sh" /usr/bin/python3 "$here/${2:-tst_e2e_access.py}" "$1"
