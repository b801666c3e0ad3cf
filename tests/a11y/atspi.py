# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game as a screen reader meets it, through AT-SPI and nothing else.

Usage: atspi.py GAME FOLDER   (inside a D-Bus session, on an X server)

GAME is the game with its random stream pinned, in FOLDER, where its settings
file is written. A solitaire game and a game against Swallow are played to
their ends by a player who knows only what the accessible objects say: the
cards' names, the seat panels, the notices. The cards are turned by their
press action, the menu command and the arrows go in as keys through the
accessibility registry, and the windows at the end are answered through their
buttons and the name entry.
"""

import os
import re
import sys
import time

import pyatspi

from atspilib import (GameWindow, children, fail, find, notices, ok, press, pump, send_key,
                      showing, wait_for)

GAME, FOLDER = sys.argv[1], sys.argv[2]
SEED = "7"


class Game(GameWindow):
    def __init__(self, settings):
        super().__init__(GAME, FOLDER, [SEED], settings, "トマベル", "テーブル")

    def dealt_cards(self):
        cards = [c for c in self.cards() if showing(c) and "裏向き" in c.name]
        return cards if len(cards) == 54 else None

    def my_turn(self):
        return "手番" in self.seats()[0].name


PLACE = re.compile(r"^(\d+)行 (\d+)列 (.*)$")


def place_of(card):
    m = PLACE.match(card.name)
    return (int(m.group(1)), int(m.group(2))) if m else None


def face_of(card):
    m = PLACE.match(card.name)
    if not m or m.group(3) == "裏向き":
        return None
    return m.group(3)


def rank_of(face):
    return "joker" if face == "ジョーカー" else face.split("の", 1)[1]


def turn_card(game, card):
    """Presses a face-down card and waits until it lies face up and takes input again."""
    where = place_of(card)
    for _ in range(3):
        press(card)
        end = time.monotonic() + 4
        while time.monotonic() < end:
            pump(0.05)
            if face_of(card) and card.getState().contains(pyatspi.STATE_SENSITIVE):
                return face_of(card)
    fail("the card at %s never turned" % (where,))


def settle(game, picked):
    """Waits until the attempt is resolved: both cards taken, or both face down."""
    def done():
        states = [(showing(c), face_of(c)) for c in picked]
        taken = all(not s for s, _ in states)
        back = all(s and f is None for s, f in states)
        return "taken" if taken else "back" if back else None
    return wait_for("the attempt to be resolved", done, 15)


def play(game, versus):
    """Plays to the end with a perfect memory of every face the table has read out."""
    known = {}  # place -> rank, for face-down cards seen face up
    deadline = time.monotonic() + 400
    while True:
        if time.monotonic() > deadline:
            fail("the game did not end")
        pump(0.05)
        if len(game.windows()) > 1:
            return  # a result window or message is up: the game is over
        cards = game.cards()
        lying = [c for c in cards if showing(c)]
        for c in lying:
            f = face_of(c)
            if f:
                known[place_of(c)] = rank_of(f)
        if not lying:
            continue
        if versus and not game.my_turn():
            continue
        up = [c for c in lying if face_of(c)]
        down = [c for c in lying if not face_of(c)]
        if len(up) >= 2 or not down:
            continue  # an attempt is being shown or resolved
        # Forget what was taken.
        places = {place_of(c) for c in lying}
        known = {p: r for p, r in known.items() if p in places}
        if up:
            first = up[0]
            rank = rank_of(face_of(first))
        else:
            pair = None
            by_rank = {}
            for c in down:
                r = known.get(place_of(c))
                if r is not None:
                    by_rank.setdefault(r, []).append(c)
            for r, cs in by_rank.items():
                if len(cs) >= 2:
                    pair = cs
                    break
            first = pair[0] if pair else next(
                (c for c in down if place_of(c) not in known), down[0])
            rank = rank_of(turn_card(game, first))
            known[place_of(first)] = rank
            down = [c for c in down if c is not first and place_of(c) != place_of(first)]
        partner = next((c for c in down if known.get(place_of(c)) == rank), None)
        if partner is None:
            partner = next((c for c in down if place_of(c) not in known), down[0] if down else None)
        if partner is None:
            continue
        second_face = turn_card(game, partner)
        known[place_of(partner)] = rank_of(second_face)
        settle(game, [first, partner])


def start(game):
    send_key("F2")
    cards = wait_for("54 named face-down cards after the deal", game.dealt_cards, 30)
    places = {place_of(c) for c in cards}
    if places != {(r, c) for r in range(1, 7) for c in range(1, 10)}:
        fail("the cards do not name the 54 places: %s" % sorted(places))
    return cards


def focused_card(game):
    focused = [c for c in game.cards() if c.getState().contains(pyatspi.STATE_FOCUSED)]
    return focused[0] if len(focused) == 1 else None


def unnamed_on_table(game):
    return [c.getRoleName() for c in children(game.table) if not c.name]


# ---------------------------------------------------------------------------
# Solitaire.

solo = Game("[PLAYBOARD]\r\nSORITEA=TRUE\r\n")
start(solo)
ok("54 cards after the deal, each named by its row and column and face down")
if unnamed_on_table(solo):
    fail("unnamed objects on the table: %s" % unnamed_on_table(solo))
seat = solo.seats()[0].name
if not seat.startswith("あなた") or "手番" not in seat:
    fail("the seat panel says %r" % seat)
ok("nothing on the table is unnamed; the seat panel says %r" % seat)

# The arrows move the accessible focus over the cards, and the screen reader
# reads the card it comes to.
expected = [("Right", (1, 1)), ("Right", (1, 2)), ("Down", (2, 2)), ("Left", (2, 1))]
for k, where in expected:
    send_key(k)
    card = wait_for("the focus on the card at %s" % (where,),
                    lambda: (lambda c: c if c is not None and place_of(c) == where else None)(
                        focused_card(solo)), 5)
ok("the arrows take the focus from card to card: %s" % card.name)

send_key("space")
face = wait_for("the focused card to read its face",
                lambda: face_of(card) if card.getState().contains(pyatspi.STATE_SENSITIVE) else None, 5)
ok("Space turns the focused card, which now reads %r" % card.name)

status_before = solo.status().name
play(solo, versus=False)
if not any(re.match(r"^あなたが.*のペアを取りました、\d+枚$", n) for n in notices):
    fail("no pair taken was announced: %s" % notices[-5:])
if not any(n.startswith("はずれ") for n in notices):
    fail("no failed attempt was announced: %s" % notices[-5:])
ok("pairs taken and failed attempts were announced, e.g. %r" % next(
    n for n in notices if n.startswith("はずれ")))
status = solo.status().name
if not re.search(r"経過時間 .*秒、手数 .*手", status):
    fail("the status line reads %r" % status)
ok("the status line reads %r (it read %r at the start)" % (status, status_before))

# The end: the rank message, then the score table with the name entry.
# A first game beats the table a new score file starts with, by time and by turns.
message = wait_for("the rank message", lambda: next(
    (w for w in solo.windows() if find(w, lambda o: o.getRoleName() == "label" and "位" in o.name, 4)),
    None), 20)
label = find(message, lambda o: o.getRoleName() == "label" and "位" in o.name, 4)
ok("the rank message reads %r" % label.name)
press(find(message, lambda o: o.getRoleName() == "push button", 4))
score = wait_for("the score table", lambda: next(
    (w for w in solo.windows() if "結果" in w.name), None), 10)
entry = wait_for("the name entry", lambda: find(
    score, lambda o: o.getRoleName() == "text" and o.name == "名前" and showing(o), 3), 5)
entry.queryEditableText().setTextContents("ききみみ")
okbutton = find(score, lambda o: o.getRoleName() == "push button" and o.name == "O.K", 3)
if okbutton is None:
    fail("the score table has no O.K button")
rows = [o.name for o in children(score) if o.getRoleName() == "label" and o.name]
ok("the score table shows the name entry, an O.K button and %d named cells" % len(rows))
press(okbutton)
wait_for("the score table to close", lambda: len(solo.windows()) == 1, 10)
saved = open(os.path.join(FOLDER, "solsc.dat"), "rb").read()
if "ききみみ".encode("cp932") not in saved:
    fail("the name typed in was not saved")
ok("a solitaire game played to its end through the screen reader's objects; the name is saved")
solo.close()

# ---------------------------------------------------------------------------
# Against Swallow.

notices.clear()
versus = Game("[PLAYBOARD]\r\nSORITEA=FALSE\r\nPLAYER=0144\r\n")
start(versus)
play(versus, versus=True)
said = [n for n in notices if n.startswith("ツバメ「")]
if not said:
    fail("no balloon of Swallow's was announced: %s" % notices[-8:])
ok("Swallow's balloons were announced, e.g. %r" % said[0])
if not any(n.startswith("ツバメがめくりました") for n in notices):
    fail("the cards Swallow turned were not announced")
if not any(n == "ツバメの番です" for n in notices) or not any(n == "あなたの番です" for n in notices):
    fail("the changes of turn were not announced")
ok("Swallow's cards and the changes of turn were announced")

result = wait_for("the result window", lambda: next(
    (w for w in versus.windows() if w.name == "結果"), None), 20)
button = wait_for("the focused O.K button", lambda: find(
    result, lambda o: o.getRoleName() == "push button" and o.name == "O.K" and
    o.getState().contains(pyatspi.STATE_FOCUSED), 3), 5)
placings = [o.name for o in children(result) if re.match(r"Player\d：", o.name or "")]
if len(placings) != 4 or not any("位" in p for p in placings):
    fail("the placings read %s" % placings)
if not any(p.startswith("Player2：Baby Swallow") for p in placings):
    fail("Swallow's placing is missing: %s" % placings)
ok("the result window opens on O.K (%r) with the placings %s" % (
    button.description, placings))
press(button)
wait_for("the result window to close", lambda: len(versus.windows()) == 1, 10)
ok("a game against Swallow played to its end through the screen reader's objects")
versus.close()
