"""The tree a screen reader walks, through the AT-SPI bus: the small board
is a table whose cells are the tiles in reading order, named by what they
show and where they lie; the hidden settings page offers no buttons; a
stored best result reads from the table of Игра ▸ Рекорды…, each cell with
its column. What Orca speaks while playing is tst_e2e_orca's. Run by
access-test.sh inside a session bus and an X server of its own."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

binary = sys.argv[1]


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def pump(seconds, until):
    """Runs the client's events for up to seconds, until the condition holds."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        found = until()
        if found:
            return found
        time.sleep(0.02)
    return until()


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def find_app(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except GLib.Error:
            pass
    return None


folder = tempfile.mkdtemp()
shutil.copy(binary, os.path.join(folder, "tilimi"))
with open(os.path.join(folder, "Results.json"), "w") as stored:
    stored.write('{"version": 1, "small": [{"presses": 32, "time_ms": 41250, '
                 '"won": "2026-12-01T20:14:00.000Z"}], "large": []}')
env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
game = subprocess.Popen([os.path.join(folder, "tilimi")], cwd=folder, env=env)
try:
    app = pump(10, lambda: find_app(game.pid))
    if app is None:
        fail("the game did not appear on the accessibility bus")
    board = pump(5, lambda: pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE))
    if board is None:
        fail("no table on the game page")
    cells = [board.getChildAtIndex(i) for i in range(board.childCount)]
    names = ["закрыта, ряд %d, столбец %d" % (r + 1, c + 1) for r in range(4) for c in range(6)]
    if [(c.getRole(), c.name) for c in cells] != [(pyatspi.ROLE_TABLE_CELL, n) for n in names]:
        fail("the small board's cells read as %s" % [(c.getRoleName(), c.name) for c in cells])
    # The settings page is hidden, so none of its buttons is read.
    buttons = pyatspi.findAllDescendants(app, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    if buttons:
        fail("hidden buttons are read: %s" % ", ".join(b.name for b in buttons))
    print("the board reads as 24 concealed cells, row by row")

    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(game.pid)],
                            capture_output=True, text=True, check=True).stdout.split()[-1]
    subprocess.run(["xdotool", "windowactivate", "--sync", window], check=False)
    time.sleep(0.5)  # the second start-up pass
    # Игра ▸ Рекорды…, the item above the separator, reached with F10 as
    # from any keyboard layout: the stored win reads as a row of the small
    # board's table.
    time.sleep(0.3)
    for name in ("F10", "Up", "Up", "Return"):
        key(name)
        time.sleep(0.15)

    def stored_row():
        cells = pyatspi.findAllDescendants(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE_CELL
                                           and a.name in ("Место: 1", "Время: 00:41", "Нажатия: 32"))
        return sorted(c.name for c in cells) == ["Время: 00:41", "Место: 1", "Нажатия: 32"]
    if not pump(5, stored_row):
        fail("the best results did not read the stored win as place 1, 00:41, 32 presses")
    print("the best results read: 1, 00:41, 32")
    key("Escape")
finally:
    game.kill()
    game.wait()
    shutil.rmtree(folder, ignore_errors=True)
