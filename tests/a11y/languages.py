# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game in every translation, seen through AT-SPI.

Usage: languages.py GAME FOLDER SHOTS DEALPRINT TRANSLATIONS [CODE ...]
(inside a D-Bus session, on an X server; every translation but English without codes)

For each language, a short game: the window and its menus, the settings dialog,
a game against Swallow with at least one of its balloons, and the result window.
What the game should say comes from the language's own .ts file, so a new
language is checked as it is added. A name fails that holds a Japanese letter,
or that is the English of a text the language translates otherwise: the game's
English showing through where the translation is due. The player knows the
deal, misses once to let Swallow play and talk, then takes every pair left.
"""

import os
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

import pyatspi

from atspilib import (GameWindow, children, choose, click, fail, find, names, notices, ok, press,
                      pump, showing, wait_for)

GAME, FOLDER, SHOTS, DEALPRINT, TRANSLATIONS = sys.argv[1:6]
SEED = "7"
JAPANESE = re.compile("[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]")


def shown(text):
    """A caption as the player and a screen reader get it: without the "&" that
    marks its Alt letter ("&&" stands for one "&")."""
    return re.sub(r"&(.)", r"\1", text)


def read_ts(code):
    """{(context, source, comment): [translation, or its plural forms]} of one
    .ts file, as shown (the comment tells apart texts of the same source)."""
    texts = {}
    root = ET.parse(os.path.join(TRANSLATIONS, "tomavel_%s.ts" % code)).getroot()
    for context in root.iter("context"):
        where = context.findtext("name")
        for message in context.iter("message"):
            tr = message.find("translation")
            forms = [f.text or "" for f in tr.iter("numerusform")] or [tr.text or ""]
            texts[(where, message.findtext("source"), message.findtext("comment"))] = [
                shown(f) for f in forms]
    return texts


def template(text):
    """A regular expression for a translated text with its %1, %2, %n filled in."""
    return re.compile("^" + re.sub(r"%[0-9n]", lambda _: ".*", re.escape(text).replace(
        "\\%", "%")) + "$", re.S)


ENGLISH = read_ts("en")


class Language:
    def __init__(self, code):
        self.code = code
        self.texts = read_ts(code)
        # The English of every text this language says otherwise, as patterns;
        # a text with fewer than three letters of its own ("%1 s") says nothing.
        self.english = []
        for key, forms in ENGLISH.items():
            own = self.texts.get(key, [])
            for form in forms:
                if form not in own and len(re.findall(r"[A-Za-z]", re.sub(r"%[0-9n]", "", form))) >= 3:
                    self.english.append((form, template(form)))

    def tr(self, context, source, comment=None):
        return self.texts[(context, source, comment)][0]

    def untranslated(self, name):
        """Why `name` is not in this language, or None."""
        if JAPANESE.search(name):
            return "Japanese"
        for form, pattern in self.english:
            if pattern.match(name):
                return "the English %r" % form
        return None

    def check(self, what, found):
        wrong = [(n, why) for n, why in ((n, self.untranslated(n)) for n in found) if why]
        if wrong:
            fail("[%s] %s reads %s" % (self.code, what, "; ".join(
                "%r (%s)" % w for w in wrong[:5])))
        ok("[%s] %s reads in the language (%d names)" % (self.code, what, len(found)))


def shot(code, name):
    subprocess.run(["import", "-window", "root", os.path.join(SHOTS, "%s-%s.png" % (code, name))],
                   check=False)


# Where the pinned deal puts each rank: (row, column) -> rank, both counted from 1.
DEAL = {}
for line in subprocess.run([DEALPRINT, SEED], capture_output=True, text=True,
                           check=True).stdout.split("\n"):
    if line.strip():
        _, rank, col, row = (int(x) for x in line.split())
        DEAL[(row + 1, col + 1)] = rank


def play_short_game(lang, game):
    """Misses once so that Swallow plays, then takes every pair left."""
    place_re = template(lang.tr("TableSpeaker", "%1行 %2列")).pattern
    order = [m for m in re.findall(r"%([12])", lang.tr("TableSpeaker", "%1行 %2列"))]
    place_re = re.compile(re.sub(r"\.\*", r"(\\d+)", place_re)[1:-1])
    face_down = template(lang.tr("TableSpeaker", "%1 裏向き"))
    on_turn = lang.tr("TableSpeaker", "、手番")

    def place_of(card):
        m = place_re.search(card.name)
        if not m:
            return None
        found = dict(zip(order, (int(g) for g in m.groups())))
        return (found["1"], found["2"])

    def lying_down():
        return [c for c in game.cards() if showing(c) and face_down.match(c.name or "")]

    def my_turn():
        return game.seats()[0].name.endswith(on_turn)

    def turn(card):
        for _ in range(3):
            press(card)
            end = time.monotonic() + 4
            while time.monotonic() < end:
                pump(0.05)
                if not face_down.match(card.name) and card.getState().contains(
                        pyatspi.STATE_SENSITIVE):
                    return
        fail("[%s] the card %r never turned" % (lang.code, card.name))

    def attempt(a, b):
        turn(a)
        turn(b)
        wait_for("the attempt to be resolved", lambda: all(
            not showing(c) or face_down.match(c.name) for c in (a, b)), 15)

    wait_for("the deal", lambda: len(lying_down()) == 54, 30)
    wait_for("the player's turn", my_turn, 10)
    down = lying_down()
    first = down[0]
    other = next(c for c in down if DEAL[place_of(c)] != DEAL[place_of(first)])
    attempt(first, other)
    # Swallow's turn: the first balloon it says, on the screen for a person to see.
    speaks = template(lang.tr("TableSpeaker", "%1「%2」").replace(
        "%1", re.escape(lang.tr("Characters", "ツバメ"))))
    wait_for("a balloon of Swallow's", lambda: any(speaks.match(n) for n in notices), 60)
    shot(lang.code, "balloon")
    deadline = time.monotonic() + 240
    while len(game.windows()) == 1:
        if time.monotonic() > deadline:
            fail("[%s] the game did not end" % lang.code)
        pump(0.1)
        if not my_turn():
            continue
        by_rank = {}
        for c in lying_down():
            by_rank.setdefault(DEAL[place_of(c)], []).append(c)
        pair = next((cs for cs in by_rank.values() if len(cs) >= 2), None)
        if pair:
            attempt(pair[0], pair[1])


def check_language(code):
    lang = Language(code)
    notices.clear()
    env = dict(os.environ, LANGUAGE=code)
    game = GameWindow(GAME, FOLDER, [SEED], "[PLAYBOARD]\r\nSORITEA=FALSE\r\nPLAYER=0144\r\n",
                      lang.tr("MainWindow", "トマベル"), lang.tr("TableSpeaker", "テーブル"), env)
    menus = [m.name for m in children(find(game.frame, lambda o: o.getRoleName() == "menu bar", 2))]
    want = [lang.tr("MainWindow", *s) for s in (("ゲーム",), ("設定", "the menu"), ("ヘルプ",))]
    if menus != want:
        fail("[%s] the menu bar reads %s, not %s" % (code, menus, want))
    game_menu, settings_menu = want[0], want[1]
    lang.check("the window and its menus", names(game.frame))
    shot(code, "window")

    choose(game.frame, settings_menu, lang.tr("MainWindow", "設定", "the menu item"))
    title = lang.tr("SettingsDialog", "設定")
    dialog = wait_for("the settings dialog", lambda: next(
        (w for w in game.windows() if w.name == title), None), 10)
    pump(0.5)
    lang.check("the settings dialog", names(dialog))
    shot(code, "settings")
    cancel = lang.tr("SettingsDialog", "ｷｬﾝｾﾙ")
    click(find(dialog, lambda o: o.getRoleName() == "push button" and o.name == cancel, 6))
    wait_for("the settings dialog to close", lambda: len(game.windows()) == 1, 10)

    choose(game.frame, game_menu, lang.tr("MainWindow", "開始"))
    play_short_game(lang, game)
    swallow = lang.tr("Characters", "ツバメ")
    lines = {forms[0] for (where, _, _), forms in lang.texts.items() if where == "Speech"}
    balloon = template(lang.tr("TableSpeaker", "%1「%2」").replace("%1", re.escape(swallow)))
    said = [n for n in notices if balloon.match(n)]
    heard = [n for n in said if any(n.endswith(line) or line in n for line in lines if line)]
    if not heard:
        fail("[%s] no balloon of %s's was announced in the language: %s" % (
            code, swallow, notices[-8:]))
    lang.check("the notices", notices)
    ok("[%s] %d notices, %d of them %s's balloons, e.g. %r" % (
        code, len(notices), len(said), swallow, heard[0]))

    results = lang.tr("VersusResultWindow", "結果")
    result = wait_for("the result window", lambda: next(
        (w for w in game.windows() if w.name == results), None), 20)
    pump(0.5)
    lang.check("the result window", names(result))
    shot(code, "result")
    ok_button = lang.tr("ResultParts", "O.K")
    press(wait_for("the result window's O.K", lambda: find(
        result, lambda o: o.getRoleName() == "push button" and o.name == ok_button, 3), 5))
    wait_for("the result window to close", lambda: len(game.windows()) == 1, 10)
    ok("[%s] a short game against %s played in the language to its result" % (code, swallow))
    game.close()


codes = sys.argv[6:] or sorted(
    f[len("tomavel_"):-len(".ts")] for f in os.listdir(TRANSLATIONS)
    if f.startswith("tomavel_") and f.endswith(".ts") and f != "tomavel_en.ts")
for code in codes:
    started = time.monotonic()
    check_language(code)
    ok("[%s] checked in %.0f s" % (code, time.monotonic() - started))
ok("every language checked: %s" % " ".join(codes))
