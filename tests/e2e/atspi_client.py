"""What the accessibility tests share: a failure, a wait that runs the
client's events, and the game's application on the bus."""

import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def pump(seconds, until):
    """Runs the client's events for up to seconds, until the condition holds.
    An object that went away while the condition read it makes it false."""
    def holds():
        try:
            return until()
        except GLib.Error:
            return None
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        found = holds()
        if found:
            return found
        time.sleep(0.02)
    return holds()


def find_app(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except GLib.Error:
            pass
    return None
