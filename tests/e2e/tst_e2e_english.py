"""The game in English, as a player who reads no Russian meets it through the
accessibility bus. Never told otherwise, the game speaks Russian even on an
English desktop; Игра ▸ Язык (Language) ▸ English, from the next start, names
and tells everything in English: every menu, the settings and picture pages,
the results dialog with its question box, and About. Back on Русский, every
text is what it was. Run by access-test.sh inside a session bus and an X
server of its own."""

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
CYRILLIC = re.compile("[\u0400-\u04ff]")


def texts(root):
    """Every name, description and text under root, with the role it has."""
    found = set()
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        said = [node.name, node.description]
        try:
            text = node.queryText()
            said.append(text.getText(0, text.characterCount))
        except NotImplementedError:
            pass
        found |= {(node.getRoleName(), s) for s in said if s}
        stack.extend(node[i] for i in range(node.childCount))
    return found


def named(app, name, role=None):
    return pyatspi.findDescendant(app, lambda a: a.name == name and (role is None or a.getRole() == role))


def press(app, name, role=pyatspi.ROLE_MENU_ITEM):
    """Chooses the menu item or presses the button of that name, as a click would."""
    item = pump(5, lambda: named(app, name, role))
    if item is None:
        fail("nothing reads %r" % name)
    item.queryAction().doAction(0)


folder = tempfile.mkdtemp()
shutil.copy(binary, os.path.join(folder, "tilimi"))
with open(os.path.join(folder, "Results.json"), "w") as stored:
    stored.write('{"version": 1, "small": [{"presses": 32, "time_ms": 41250, '
                 '"won": "2026-12-01T20:14:00.000Z"}], "large": []}')
# The desktop speaks English: the game does so only when told.
env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
           LANG="en_US.UTF-8", LANGUAGE="en_US:en", LC_ALL="en_US.UTF-8")


def session(language_item, words):
    """Starts the game, reads everything a player meets in it, then chooses
    language_item in Игра ▸ Язык and leaves through the Game menu's exit.
    words are the game's own names for the menu, the settings page, the
    picture page, the results' item and dialog, Reset, No (Qt's own), Close,
    Exit and Apply (on the settings page)."""
    game = subprocess.Popen([os.path.join(folder, "tilimi")], cwd=folder, env=env)
    try:
        app = pump(15, lambda: find_app(game.pid))
        if app is None:
            fail("the game did not appear on the accessibility bus")
        menu, settings, picture, results, title, reset, no, close, leave, apply = words
        pump(5, lambda: named(app, menu))
        seen = texts(app)  # the menus and the game page
        # Read until the page is there whole, its last button included. The
        # start-up's second pass, 220 ms in, goes back to the game page: a
        # press before it is pressed again.
        for _ in range(5):
            press(app, settings)
            page = pump(3, lambda: [t for t in [texts(app)] if ("push button", apply) in t])
            if page:
                break
        else:
            fail("the settings page did not show")
        seen |= page[0]
        press(app, picture)
        if not pump(5, lambda: pyatspi.findDescendant(app, lambda a: a.name == picture and a.getRole() != pyatspi.ROLE_MENU_ITEM
                                                      and a.getState().contains(pyatspi.STATE_SHOWING))):
            fail("the picture page did not show")
        seen |= texts(app)
        press(app, menu)  # the item that leads back to the game page
        press(app, results)
        dialog = pump(5, lambda: named(app, title, pyatspi.ROLE_DIALOG))
        if dialog is None:
            fail("the results dialog did not open")
        seen |= texts(dialog)
        press(app, reset, pyatspi.ROLE_PUSH_BUTTON)
        question = pump(5, lambda: [w for w in app if w is not None and w.getRole() == pyatspi.ROLE_ALERT])
        if not question:
            fail("Reset asked nothing")
        seen |= texts(question[0])
        press(question[0], no, pyatspi.ROLE_PUSH_BUTTON)
        pump(5, lambda: not [w for w in app if w is not None and w.getRole() == pyatspi.ROLE_ALERT])
        press(dialog, close, pyatspi.ROLE_PUSH_BUTTON)
        if not pump(5, lambda: named(app, title, pyatspi.ROLE_DIALOG) is None):
            fail("the results dialog did not close")
        press(app, language_item, None)  # a check item
        press(app, leave)
        if game.wait(15) != 0:
            fail("the game did not end cleanly")
        return seen
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()


RUSSIAN = ("Игра", "Настройки", "Мандала", "Рекорды…", "Рекорды", "Сбросить", "Нет", "Закрыть", "Выход", "Применить")
ENGLISH = ("Game", "Settings", "Mandala", "Best results…", "Best results", "Reset", "No", "Close", "Exit", "Apply")
try:
    start = time.monotonic()
    russian = session("English", RUSSIAN)
    for expected in ("Метки цветов", "Глубина рамок цветных панелек", "Мандала, негатив", "Малая доска 6 × 4",
                     "Очистить таблицу «Малая доска 6 × 4»?", "закрыта, ряд 1, столбец 1", "Тилими 1.3"):
        if not any(text == expected for _, text in russian):
            fail("the Russian game does not read %r" % expected)
    english = session("Русский", ENGLISH)
    # The one Russian word left is the language's own name in its menu.
    left = sorted({text for role, text in english if CYRILLIC.search(text) and text != "Русский"})
    if left:
        fail("the English game still reads: " + "; ".join(left))
    for expected in ("Colour marks", "Bevel depth of coloured tiles", "Mandala, negative", "Small board 6 × 4",
                     "Clear the table “Small board 6 × 4”?", "face down, row 1, column 1", "Tilimi 1.3"):
        if not any(text == expected for _, text in english):
            fail("the English game does not read %r" % expected)
    again = session("English", RUSSIAN)
    if again != russian:
        fail("back in Russian, the texts differ: %s" % sorted(again ^ russian))
    print("%d texts read in each language, none Russian in English (%.1f s)"
          % (len(english), time.monotonic() - start))
finally:
    shutil.rmtree(folder, ignore_errors=True)
