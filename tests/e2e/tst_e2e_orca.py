"""The small board played by ear with Orca: only what Orca speaks (each
utterance a line of speech.txt) guides the keys. Each turn must speak the
tile's colour and place, each pair found, the win and the next deal must be
spoken without asking, Where Am I (KP_Enter) must tell the tile as it is
now, Down must speak one tile, not its row, F10 must open the Game menu and
coming back from it must speak the tile under the cue. Run by
orca-test.sh."""

import atexit
import os
import re
import socket
import subprocess
import sys
import time

home = sys.argv[1]
speech_file = os.path.join(home, "speech.txt")
start = time.monotonic()
CELL = re.compile(r"(\S[^,]*), ряд (\d), столбец (\d)")


def fail(message):
    print("FAIL: " + message)
    print("the last utterances:\n  " + "\n  ".join(heard()[-12:]))
    sys.exit(1)


def heard():
    try:
        with open(speech_file, encoding="utf-8", errors="replace") as f:
            return f.read().splitlines()
    except FileNotFoundError:
        return []


class Ear:
    """What was spoken since the last mark."""

    def __init__(self):
        self.seen = 0

    def mark(self):
        self.seen = len(heard())

    def new(self):
        return heard()[self.seen:]

    def wait(self, test, seconds=8, what="an utterance", quiet=False):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            for line in self.new():
                found = test(line)
                if found:
                    return found
            time.sleep(0.03)
        if not quiet:
            fail("no %s within %d s" % (what, seconds))
        return None


ear = Ear()


def key(name):
    ear.mark()
    subprocess.run(["xdotool", "key", name], check=True)


def press_until(name, test, what):
    """Presses the key until the test holds for an utterance: with Orca
    listening to the keyboard, Qt 6.4 loses a key now and then ("keyEventError
    ... NoReply")."""
    for _ in range(3):
        key(name)
        found = ear.wait(test, 3, what, quiet=True)
        if found:
            return found
    fail("no %s after %s three times" % (what, name))


def cell_spoken(row, col):
    """The tile at row, col spoken on its own: what it shows."""
    def test(line):
        cells = CELL.findall(line)
        if any((int(r), int(c)) == (row, col) for _, r, c in cells):
            if len(cells) != 1:
                fail("one step spoke %d tiles: %r" % (len(cells), line))
            return cells[0][0]
        return None
    return test


# speech-dispatcher first, so that Orca finds it listening: the one Orca
# would start itself is at times too slow for it on a loaded machine.
def stop(process):
    if process.poll() is None:
        process.kill()
        process.wait()


# What the test starts ends with it, a failure on the way included: a
# speech-dispatcher left behind outlives the session bus and its folder.
speechd = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
atexit.register(stop, speechd)
speechd_socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")


def listening():
    with socket.socket(socket.AF_UNIX) as probe:
        try:
            probe.connect(speechd_socket)
            return True
        except OSError:
            return False


end = time.monotonic() + 20
while not listening():
    if time.monotonic() > end or speechd.poll() is not None:
        fail("speech-dispatcher did not start")
    time.sleep(0.05)
# Orca is ready when it has said so.
orca_log = os.environ.get("TILIMI_ORCA_DEBUG")
orca = subprocess.Popen(["orca", "-u", os.path.join(home, "orca")]
                        + (["--debug-file", orca_log] if orca_log else []),
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
atexit.register(stop, orca)
ear.wait(lambda line: line, 20, "word from Orca as it started")
env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
game_dir = os.path.join(home, "game")
# Two slow wins of earlier days: the board won here comes first above them.
with open(os.path.join(game_dir, "Results.json"), "w", encoding="utf-8") as results:
    results.write('{"version": 1, "small": ['
                  '{"time_ms": 3000000, "presses": 90, "won": "2026-01-02T10:00:00.000Z"},'
                  '{"time_ms": 3500000, "presses": 99, "won": "2026-01-03T10:00:00.000Z"}], "large": []}')
ear.mark()
game = subprocess.Popen([os.path.join(game_dir, "tilimi")], cwd=game_dir, env=env)
try:
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(game.pid)],
                            capture_output=True, text=True, check=True).stdout.split()[-1]
    # On a busy machine Orca may meet the window before it listens to it:
    # the window is activated again until Orca speaks it.
    for _ in range(3):
        subprocess.run(["xdotool", "windowactivate", "--sync", window], check=False)
        if ear.wait(lambda line: "Тилими" in line or "Игровое поле" in line, 10, quiet=True):
            break
    else:
        fail("no word of the window")
    time.sleep(0.5)
    print("%.1f s: the window is read" % (time.monotonic() - start))

    at = [1, 1]
    key("Down")  # the first arrow shows the cue where it rests
    ear.wait(cell_spoken(1, 1), what="word of the first tile")

    def go(row, col):
        while at != [row, col]:
            if row != at[0]:
                step, at[0] = ("Down", at[0] + 1) if row > at[0] else ("Up", at[0] - 1)
            else:
                step, at[1] = ("Right", at[1] + 1) if col > at[1] else ("Left", at[1] - 1)
            key(step)
            ear.wait(cell_spoken(*at), what="word of tile %d, %d after %s" % (at[0], at[1], step))

    GONE = re.compile(r"Пара убрана: ([^.]+)")

    def turn(row, col):
        """Turns the tile at row, col; returns its colour as spoken, and the
        news of its pair going if that came: on a busy machine it may come
        instead of the colour, the turn and the pair in one burst."""
        go(row, col)
        for _ in range(10):  # a press during the last compare is not taken
            key("space")
            end = time.monotonic() + 1.5
            colour = None
            while time.monotonic() < end:
                for line in ear.new():
                    gone = GONE.search(line)
                    if gone and colour in (None, gone.group(1)):
                        return gone.group(1), line
                    for shown, r, c in CELL.findall(line):
                        if (int(r), int(c)) == (row, col) and shown not in ("закрыта", "пусто"):
                            colour = shown
                if colour:
                    # The news of a pair follows at once, or not at all.
                    time.sleep(0.3)
                    gone = [line for line in ear.new() if GONE.search(line)]
                    return colour, gone[0] if gone else None
                time.sleep(0.03)
        fail("the tile at %d, %d turned without a word" % (row, col))

    # Down from the first row speaks the one tile below, not the row; an
    # arrow against the edge says so.
    go(2, 1)
    go(1, 1)
    key("Up")
    ear.wait(lambda line: "Край поля" in line, what="word of the edge")
    print("%.1f s: Down speaks one tile, Up at the edge says so" % (time.monotonic() - start))

    gone = []
    seen = {}  # colour -> where the other tile of it lies, until the pair goes
    removed = 0
    won = None
    last = None  # the tile turned last, while it stays open
    for index in range(24):
        here_ = (index // 6 + 1, index % 6 + 1)
        if here_ in seen.values() or any(here_ == p for p in gone):
            continue
        colour, pair = turn(*here_)
        if colour in seen:
            # Its partner turned just before it: the news of the pair is on
            # its way, slow as the machine may be.
            if not pair and seen[colour] != last:
                # Its partner lies elsewhere: this one now waits, turn the partner.
                colour_, pair = turn(*seen[colour])
                if colour_ != colour:
                    fail("the partner of %s at %s said %s" % (colour, seen[colour], colour_))
            if not pair or colour not in pair:
                pair = ear.wait(lambda line: line if "Пара убрана: %s" % colour in line else None,
                                what="word of the pair of %s going" % colour)
            removed += 1
            gone.extend([here_, seen.pop(colour)])
            last = None
            if removed == 1:
                print("pair removed, as heard: %r" % pair)
                ear.mark()
                key("KP_Enter")  # Where Am I on a gone tile
                ear.wait(lambda line: "пусто, ряд %d, столбец %d" % tuple(at) in line,
                         what="Where Am I on the gone tile")
            if removed == 12:
                won = ear.wait(lambda line: line if "Победа" in line else None, what="word of the win")
        elif pair:
            fail("%s went with a pair never seen: %r" % (colour, pair))
        else:
            seen[colour] = here_
            last = here_
            if len(seen) == 1 and removed == 0:
                key("KP_Enter")  # Where Am I on the tile just turned
                ear.wait(lambda line: "%s, ряд %d, столбец %d" % (colour, here_[0], here_[1]) in line,
                         what="Where Am I on the turned tile")
                print("turn, as heard: %r" % colour)
    if won is None:
        fail("the board was not won")
    print("win, as heard: %r (%.1f s)" % (won, time.monotonic() - start))
    ear.wait(lambda line: "Рекорд: 1-е место на малой доске" in line, what="word of the place of the win")
    ear.wait(lambda line: "Новая раскладка, 6 на 4" in line, what="word of the new deal")

    def heard_cue():
        return ear.wait(cell_spoken(*at), what="word of the tile under the cue")

    # F10 opens the Game menu from any keyboard layout; back from it, the
    # tile under the cue is spoken, not the whole board.
    # The menu's name comes first, then its first item.
    press_until("F10", lambda line: "Новая" in line, "word of the menu opened with F10")
    opened = ear.new()
    if "notification Игра." not in opened[:opened.index("Новая.")]:
        fail("the Game menu opened without its name: %r" % opened)
    # Escape goes back to the bar, a second one to the board.
    press_until("Escape", lambda line: line == "Игра.", "word of the bar back from the menu")
    press_until("Escape", cell_spoken(*at), "word of the tile under the cue")
    print("%.1f s: back from the menu, the cue's tile is spoken" % (time.monotonic() - start))

    def menu_item(item):
        """Opens the Game menu with F10 and goes down to the item; returns
        what was spoken of it."""
        press_until("F10", lambda line: "Новая" in line, "word of the menu opened with F10")
        for name in ("Малая", "Большая", "Демонстрация", "Метки цветов", "Рекорды"):
            spoken = press_until("Down", lambda line, name=name: line if line.startswith(name) else None,
                                 "word of the item " + name)
            if name == item:
                return spoken
        return None

    # Метки цветов says it is a check box, and whether it is on, off too.
    marks = menu_item("Метки цветов")
    if marks != "Метки цветов check box not checked.":
        fail("the colour marks, off, read %r" % marks)
    key("Return")
    heard_cue()
    marks = menu_item("Метки цветов")
    if marks != "Метки цветов check box checked.":
        fail("the colour marks, on, read %r" % marks)
    print("%.1f s: the colour marks read off and on" % (time.monotonic() - start))

    # Рекорды…: each cell says its column, the entry just made says so,
    # and is the first cell heard.
    press_until("Down", lambda line: line.startswith("Рекорды"), "word of the item Рекорды")
    press_until("Return", lambda line: "table with 3 rows" in line, "word of the table of results")
    # The entry just made is read as the table opens, before any key.
    ear.wait(lambda line: line == "Место: 1, новый рекорд.", what="word of the new entry as the table opens")
    press_until("Down", lambda line: line == "Место: 2.", "word of the second place")
    ear.wait(lambda line: line == "Время: 50:00.", what="word of the second place's time")
    press_until("Up", lambda line: line == "Место: 1, новый рекорд.", "word of the new entry")
    key("Escape")
    heard_cue()
    print("%.1f s: the results read with their columns, the new one marked" % (time.monotonic() - start))

    # F10 walks the bar to Настройки, an item with no menu; the page opens
    # on its first control.
    press_until("F10", lambda line: "Новая" in line, "word of the menu opened with F10")
    press_until("Right", lambda line: line == "Настройки.", "word of Настройки on the bar")
    FRAME = r"Внутренняя рамка одноцветных панелек: ([^.\s]+)"
    frame = press_until("Return", lambda line: re.match(FRAME + " push button", line),
                        "word of the page's first control").group(1)
    # A press says the frame the button now gives.
    pressed = press_until("space", lambda line: re.match("notification " + FRAME, line),
                          "word of the frame after a press").group(1)
    if pressed == frame:
        fail("the frame button still says %r" % frame)
    # A number field says its name and value; Up and a digit say the new one.
    key("Tab")
    field = press_until("Tab", lambda line: re.match(r"Глубина рамок одноцветных панелек (\d+) spin button", line),
                        "word of the number field")
    step, value = ("Up", int(field.group(1)) + 1) if int(field.group(1)) < 10 else ("Down", 9)
    press_until(step, lambda line: line == str(value), "word of the value after %s" % step)
    digit = "7" if value != 7 else "5"
    press_until(digit, lambda line: line == digit, "word of the typed value")
    print("%.1f s: Настройки reached by F10; heard %r, then %r, %s, %s" % (time.monotonic() - start, frame, pressed,
                                                                        value, digit))
finally:
    if orca_log:  # what was spoken, beside Orca's log
        with open(orca_log + ".speech", "w", encoding="utf-8") as copy:
            copy.write("\n".join(heard()) + "\n")
    stop(game)
