"""The game as a screen reader meets it, through the AT-SPI bus: the small
board is a table whose cells are the tiles, named by what they show and
where they lie; the keyboard's cue moves the focus from cell to cell, a tile
turned with Space changes its name to its colour, and a pair found by the
names alone goes with an announcement; a stored best result reads from the
table of Игра ▸ Рекорды…. Run by access-test.sh inside a session bus and an
X server of its own."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

from atspi_client import fail, find_app, pump

binary = sys.argv[1]
events = []


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def cell_event(kinds, row, col, name=None):
    """The last event of one of kinds from the cell at row, col (from 0)."""
    suffix = ", ряд %d, столбец %d" % (row + 1, col + 1)
    for kind, source in reversed(events):
        if kind in kinds and source.name.endswith(suffix) and (name is None or name(source.name)):
            return source
    return None


pyatspi.Registry.registerEventListener(
    lambda e: events.append((e.type, e.source)),
    "focus:", "object:state-changed:focused", "object:property-change:accessible-name",
    "object:property-change:accessible-description")

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
    table = board.queryTable()
    if (table.nRows, table.nColumns) != (4, 6):
        fail("the small board reads as %d by %d" % (table.nRows, table.nColumns))
    for r in range(4):
        for c in range(6):
            cell = table.getAccessibleAt(r, c)
            index = cell.getIndexInParent()
            if cell.getRole() != pyatspi.ROLE_TABLE_CELL or cell.name != "закрыта, ряд %d, столбец %d" % (r + 1, c + 1):
                fail("the tile at %d, %d reads as %s %r" % (r, c, cell.getRoleName(), cell.name))
            if (table.getRowAtIndex(index), table.getColumnAtIndex(index)) != (r, c):
                fail("the tile at %d, %d says it lies elsewhere" % (r, c))
    # The settings page is hidden, so none of its buttons is read.
    buttons = pyatspi.findAllDescendants(app, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    if buttons:
        fail("hidden buttons are read: %s" % ", ".join(b.name for b in buttons))

    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(game.pid)],
                            capture_output=True, text=True, check=True).stdout.split()[-1]
    subprocess.run(["xdotool", "windowactivate", "--sync", window], check=False)
    time.sleep(0.5)  # the second start-up pass
    focus = {"focus:", "object:state-changed:focused"}
    key("Down")
    if not pump(5, lambda: cell_event(focus, 0, 0)):
        fail("the first arrow moved no focus onto the first tile")
    key("Right")
    if not pump(5, lambda: cell_event(focus, 0, 1)):
        fail("the arrow to the right moved no focus onto the second tile")
    key("space")
    colour = pump(5, lambda: cell_event({"object:property-change:accessible-name"}, 0, 1,
                                        lambda n: not n.startswith(("закрыта", "пусто"))))
    if colour is None:
        fail("the turned tile did not say its colour")
    if not re.fullmatch(r"[а-яё-]+, ряд 1, столбец 2", colour.name):
        fail("the turned tile reads as %r" % colour.name)
    print("the board reads as a 4 by 6 table; the turned tile says: " + colour.name)

    # Play by the names: turn tile after tile until a colour comes again,
    # then turn its first tile: the pair goes, and the focused tile says so.
    at = [0, 1]
    seen = {colour.name.split(",")[0]: (0, 1)}

    def go(row, col):
        while at != [row, col]:
            step = ("Down" if row > at[0] else "Up") if row != at[0] else ("Right" if col > at[1] else "Left")
            key(step)
            at[0] += {"Down": 1, "Up": -1}.get(step, 0)
            at[1] += {"Right": 1, "Left": -1}.get(step, 0)

    def turn(row, col):
        go(row, col)
        time.sleep(0.2)  # the compare of the last turn is over
        key("space")
        found = pump(5, lambda: cell_event({"object:property-change:accessible-name"}, row, col,
                                           lambda n: not n.startswith(("закрыта", "пусто"))))
        if found is None:
            fail("the tile at %d, %d did not say its colour" % (row, col))
        return found.name.split(",")[0]

    pair = None
    previous = colour.name.split(",")[0]  # the tile face up, waiting for its partner
    for index in range(2, 24):
        row, col = divmod(index, 6)
        name = turn(row, col)
        if name in seen:
            pair = name
            # A partner of the waiting tile has gone with it already.
            if name != previous:
                turn(*seen[name])
            break
        seen[name] = (row, col)
        previous = name
    if pair is None:
        fail("thirteen tiles of twelve colours showed no colour twice")
    said = pump(5, lambda: [s for kind, s in events if kind == "object:property-change:accessible-description"
                            and s.description == "Пара убрана: " + pair])
    if not said:
        fail("the pair of %s went unannounced" % pair)
    if not said[-1].name.startswith("пусто"):
        fail("the gone tile reads as %r" % said[-1].name)
    print("found by the names alone and announced: Пара убрана: " + pair)

    # Игра ▸ Рекорды…, the sixth item, from the keyboard: the stored win
    # reads as a row of the small board's table.
    time.sleep(0.3)
    for name in ("alt", "Return", "Down", "Down", "Down", "Down", "Down", "Return"):
        key(name)
        time.sleep(0.15)

    def stored_row():
        cells = pyatspi.findAllDescendants(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE_CELL
                                           and a.name in ("1", "00:41", "32"))
        return sorted(c.name for c in cells) == ["00:41", "1", "32"]
    if not pump(5, stored_row):
        fail("the best results did not read the stored win as place 1, 00:41, 32 presses")
    print("the best results read: 1, 00:41, 32")
    key("Escape")
finally:
    game.kill()
    game.wait()
    shutil.rmtree(folder, ignore_errors=True)
