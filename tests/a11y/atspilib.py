# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the screen-reader checks share: waiting on the accessibility bus,
walking the objects, pressing buttons, sending keys, and the table's notices
as they are said."""

import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

notices = []  # every notice the table said, in order


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def ok(message):
    print("ok: " + message)


def pump(seconds=0.0):
    """Lets the events from the game arrive, for at least `seconds`."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(what, check, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump()
        try:
            result = check()
        except Exception:  # an object went away while it was read
            result = None
        if result:
            return result
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def on_showing(event):
    """What happens at once is one notice ("Swallow's turn. Swallow says, ..."):
    its parts are kept one by one."""
    try:
        if event.detail1 == 1 and event.source.getRoleName() == "notification":
            for part in re.split(r"。|\. ", event.source.name):
                if part:
                    notices.append(part)
    except Exception:
        pass


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def children(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]


def find(root, predicate, depth=6):
    if predicate(root):
        return root
    if depth == 0:
        return None
    for child in children(root):
        if child is None:
            continue
        found = find(child, predicate, depth - 1)
        if found is not None:
            return found
    return None


def press(obj):
    action = obj.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    fail("%s has no press action" % obj.name)


KEYSYMS = {"F2": 0xFFBF, "Right": 0xFF53, "Down": 0xFF54, "Left": 0xFF51, "space": 0x20}


def send_key(name):
    pyatspi.Registry.generateKeyboardEvent(KEYSYMS[name], None, pyatspi.KEY_SYM)
    pump(0.2)


def names(obj, depth=8):
    """Every name and description under `obj`, as a screen reader may read them."""
    found = [n for n in (obj.name, obj.description) if n]
    if depth > 0:
        for child in children(obj):
            if child is not None:
                found += names(child, depth - 1)
    return found


def click(obj):
    """Clicks the middle of an object, as the player's mouse would."""
    x, y, w, h = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2),
                    "click", "1"], check=True)
    pump(0.3)


def choose(frame, menu, item):
    """Opens a menu of the window's menu bar with the mouse and chooses one of its
    items. (A dialog's own loop would keep a screen reader's press waiting.)"""
    bar = find(frame, lambda o: o.getRoleName() == "menu bar", 2)
    top = next(m for m in children(bar) if m.name == menu)
    click(top)
    click(wait_for("the menu item %s > %s" % (menu, item), lambda: next(
        (found for found in (find(child, lambda o: o.getRoleName() == "menu item" and
                                  o.name == item and showing(o), 2)
                             for child in children(top)) if found is not None), None), 5))


class GameWindow:
    """The game started on a settings file, as the screen reader finds it:
    its window (`title`), and the table (`table_name`) with its objects."""

    def __init__(self, program, folder, args, settings, title, table_name, env=None):
        with open(os.path.join(folder, "tomavel.ini"), "wb") as f:
            f.write(settings.encode("ascii"))
        self.program = program
        self.process = subprocess.Popen([program] + args, cwd=folder, env=env)
        self.app = wait_for("the game on the accessibility bus", self.find_app)
        self.frame = wait_for("the game's window", lambda: find(
            self.app, lambda o: o.getRoleName() == "frame" and o.name == title, 1))
        self.table = wait_for("the table", lambda: find(
            self.frame, lambda o: o.name == table_name, 2))
        # The keys the registry makes go to the window that has the X focus.
        wid = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                             capture_output=True, text=True).stdout.split()
        if wid:
            subprocess.run(["xdotool", "windowfocus", "--sync", wid[0]], check=False)
        pump(0.3)

    def find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == os.path.basename(self.program):
                return app
        return None

    def close(self):
        self.process.kill()
        self.process.wait()

    # The table's objects, as the screen reader lists them.
    def cards(self):
        return [c for c in children(self.table) if c.getRoleName() == "push button"]

    def seats(self):
        return [c for c in children(self.table) if c.getRoleName() == "panel"]

    def status(self):
        return [c for c in children(self.table) if c.getRoleName() == "status bar"][0]

    def windows(self):
        return [w for w in children(self.app) if w is not None and showing(w)]
