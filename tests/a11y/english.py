# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game for a player who reads English, seen through AT-SPI.

Usage: english.py GAME FOLDER SHOTS   (inside a D-Bus session, on an X server)

Under an English desktop the window, its menus, the settings dialog, a game of
the three computers with their balloons, and the result window say everything
in English: no Japanese letter is left in any name a screen reader reads.
"""

import os
import re
import subprocess
import sys

import pyatspi

import atspilib
from atspilib import GameWindow, children, click, fail, find, names, notices, ok, press, pump, wait_for

GAME, FOLDER, SHOTS = sys.argv[1], sys.argv[2], sys.argv[3]
JAPANESE = re.compile("[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]")


def shot(name):
    subprocess.run(["import", "-window", "root", os.path.join(SHOTS, name + ".png")], check=False)


def all_english(what, obj):
    japanese = [n for n in names(obj) if JAPANESE.search(n)]
    if japanese:
        fail("%s still reads Japanese: %s" % (what, japanese[:5]))
    ok("%s reads in English (%d names)" % (what, len(names(obj))))


env = dict(os.environ, LANGUAGE="en_US")
game = GameWindow(GAME, FOLDER, ["7"], "[PLAYBOARD]\r\nSORITEA=FALSE\r\nPLAYER=1234\r\n",
                  "Tomavel", "Table", env)
menus = [m.name for m in children(find(game.frame, lambda o: o.getRoleName() == "menu bar", 2))]
if menus != ["Game", "Settings", "Help"]:
    fail("the menu bar reads %s" % menus)
all_english("the window and its menus", game.frame)
shot("window")


def choose(menu, item):
    atspilib.choose(game.frame, menu, item)


choose("Settings", "Settings…")
dialog = wait_for("the settings dialog", lambda: next(
    (w for w in game.windows() if w.name == "Settings"), None), 10)
pump(0.5)
all_english("the settings dialog", dialog)
shot("settings")
click(find(dialog, lambda o: o.getRoleName() == "push button" and o.name == "Cancel", 6))
wait_for("the settings dialog to close", lambda: len(game.windows()) == 1, 10)

choose("Game", "Start")
wait_for("a balloon", lambda: any(re.match(r"^(Swallow|Wolf|Tiger) says, ", n) for n in notices),
         60)
shot("balloon")
result = wait_for("the result window", lambda: next(
    (w for w in game.windows() if w.name == "Results"), None), 400)
balloons = [n for n in notices if re.match(r"^(Swallow|Wolf|Tiger) says, ", n)]
if not balloons:
    fail("no balloon was announced: %s" % notices[-8:])
japanese = [n for n in notices if JAPANESE.search(n)]
if japanese:
    fail("notices in Japanese: %s" % japanese[:5])
ok("%d notices in English, %d of them balloons, e.g. %s" % (
    len(notices), len(balloons), sorted(set(balloons))[:3]))
pump(0.5)
all_english("the result window", result)
shot("result")
press(wait_for("the result window's O.K", lambda: find(
    result, lambda o: o.getRoleName() == "push button" and o.name == "OK", 3), 5))
wait_for("the result window to close", lambda: len(game.windows()) == 1, 10)
ok("a game of the three computers played in English to its result")
game.close()
