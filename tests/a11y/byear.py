# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A game against Tiger by ear, with the real screen reader.

Usage: byear.py GAME FOLDER WORK   (inside a D-Bus session, on an X server)

The game (with its random stream pinned) starts first, in English; then Orca
starts, with its defaults, speaking through speech-dispatcher and espeak-ng
into a PulseAudio null sink, so that speech takes the time it takes to say.
orcaspeech.py writes down when each text Orca sends begins and ends.

The player uses the keys only: F2 deals, the arrows move, Space turns. It acts
only once Orca has fallen silent, and it learns the faces from what Orca says.
After a few turns of each side it fails if a face it turned, a card Tiger
turned, a pair taken or a change of turn was never spoken, or if anything the
table said was spoken more than a few seconds late.
"""

import os
import re
import signal
import subprocess
import sys
import time

GAME, FOLDER, WORK = sys.argv[1], sys.argv[2], sys.argv[3]
HERE = os.path.dirname(os.path.abspath(__file__))
SEED = "7"
PLAY_SECONDS = 150       # the game is cut short after this long, once Tiger has taken a pair
MOST_SECONDS = 330       # and after this long in any case
MOST_LATE = 4.0          # seconds from a notice on the table to Orca saying it
TITLE = "Tomavel"


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def ok(message):
    print("ok: " + message, flush=True)


def on_alarm(*_):
    raise TimeoutError("the check ran past its time")


# The whole check has a few minutes; past them it fails, and still stops what it started.
signal.signal(signal.SIGALRM, on_alarm)
signal.alarm(540)


# A home of its own: Orca's settings, speech-dispatcher's socket and PulseAudio's.
home = os.path.join(WORK, "home")
run = os.path.join(WORK, "run")
os.makedirs(home, exist_ok=True)
os.makedirs(run, mode=0o700, exist_ok=True)
os.environ.update(HOME=home, XDG_RUNTIME_DIR=run, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                  XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                  XDG_CACHE_HOME=os.path.join(home, ".cache"))
children_started = []


def start(args, **kwargs):
    p = subprocess.Popen(args, **kwargs)
    children_started.append(p)
    return p


def stop_all():
    for p in reversed(children_started):
        if p.poll() is None:
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()


# PulseAudio with nothing but a null sink: speech is played out at its real pace.
pulse_log = open(os.path.join(WORK, "pulseaudio.log"), "w")
start(["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
       "--load=module-native-protocol-unix", "--load=module-null-sink sink_name=nowhere",
       "--log-target=stderr"], stdout=pulse_log, stderr=subprocess.STDOUT)
for _ in range(100):
    if subprocess.run(["pactl", "info"], capture_output=True).returncode == 0:
        break
    time.sleep(0.1)
else:
    stop_all()
    fail("PulseAudio did not start (see %s)" % pulse_log.name)

try:
    # The game first: a game started before the screen reader is heard once it comes.
    with open(os.path.join(FOLDER, "tomavel.ini"), "wb") as f:
        f.write(b"[PLAYBOARD]\r\nSORITEA=FALSE\r\nPLAYER=0344\r\n")
    game_env = dict(os.environ, LANGUAGE="en_US", LANG="en_US.UTF-8")
    game_env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    game = start([GAME, SEED], cwd=FOLDER, env=game_env)
    for _ in range(100):
        wid = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % TITLE],
                             capture_output=True, text=True).stdout.split()
        if wid:
            break
        time.sleep(0.1)
    else:
        fail("the game's window did not come")
    time.sleep(1)

    speech_log = os.path.join(WORK, "speech.log")
    debug_log = os.path.join(WORK, "orca.orcadebug")
    orca = start(["/usr/bin/python3", "-B", os.path.join(HERE, "orcaspeech.py"), speech_log,
                  "--debug", "--debug-file", debug_log],
                 stdout=open(os.path.join(WORK, "orca.out"), "w"), stderr=subprocess.STDOUT)

    def spoken():
        """Every text Orca sent, in order, as (start, end, text): when it began to
        be heard and when it was done (None while it is not). The speech server
        now and then leaves out a text's BEGIN; such a text began when it was
        sent, or when the text before it ended, whichever came later."""
        lines = []
        try:
            with open(speech_log, encoding="utf-8") as f:
                for line in f:
                    parts = line.rstrip("\n").split(" ", 2)
                    if len(parts) == 3:
                        lines.append((float(parts[0]), parts[1], parts[2]))
        except FileNotFoundError:
            pass
        said = []
        pending = []  # indices into said, sent and not yet done
        for t, what, text in lines:
            if what == "SEND":
                said.append([None, None, text, t])
                pending.append(len(said) - 1)
                continue
            i = next((i for i in pending if said[i][2] == text), None)
            if i is None:
                continue
            if what == "BEGIN":
                said[i][0] = t
            else:
                said[i][1] = t
                pending.remove(i)
        previous_end = 0.0
        result = []
        for start, end, text, sent in said:
            if start is None and end is not None:
                start = max(sent, previous_end)
            if end is not None:
                previous_end = end
            result.append((start, end, text))
        return result

    def wait_spoken(pattern, since, timeout=20.0):
        """The first text matching `pattern` that Orca began to say after `since`."""
        end = time.time() + timeout
        while time.time() < end:
            for start, _, text in spoken():
                if start is not None and start >= since and re.search(pattern, text):
                    return start, text
            pump(0.1)
        return None

    def silent(quiet=0.6):
        """True when all Orca sent has been said, and it has been quiet for `quiet` seconds."""
        said = spoken()
        if any(end is None for _, end, _ in said):
            return False
        last = max((end for _, end, _ in said), default=0)
        return time.time() - last > quiet

    # Orca is up when it has spoken its welcome.
    end = time.time() + 60
    while time.time() < end and not any(e is not None for _, e, _ in spoken()):
        time.sleep(0.2)
    if not any(e is not None for _, e, _ in spoken()):
        fail("Orca said nothing within a minute (see %s)" % debug_log)
    ok("Orca is speaking: %r" % spoken()[0][2])

    sys.path.insert(0, HERE)
    import pyatspi  # noqa: E402  (only now: the game must not find the bus already there)
    from atspilib import children, find, pump, wait_for  # noqa: E402

    shown = []  # (time, text) of every notice the table showed

    def on_showing(event):
        try:
            if event.detail1 == 1 and event.source.getRoleName() == "notification":
                shown.append((time.time(), event.source.name))
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")

    def find_app():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == os.path.basename(GAME):
                return app
        return None

    app = wait_for("the game on the accessibility bus, started before the screen reader",
                   find_app, 30)
    ok("the game, started before Orca, is on the accessibility bus")
    # The window comes to the front, and Orca reads it before the game starts.
    t = time.time()
    subprocess.run(["xdotool", "windowfocus", "--sync", wid[0]], check=False)

    def key(name):
        subprocess.run(["xdotool", "key", name], check=True)

    def quiet_then(timeout=30.0):
        end = time.time() + timeout
        while time.time() < end:
            pump(0.1)
            if silent():
                return
        fail("Orca never fell silent")

    # ------------------------------------------------------------------
    # The game.
    if not wait_spoken(r"Tomavel", t - 5, 15):
        fail("Orca did not read the game's window as it came to the front")
    quiet_then()
    key("F2")
    if not wait_spoken(r"\bturn\b", time.time() - 1, 30):
        fail("the deal and the first turn were never spoken")

    FACE = r"(?:ace|jack|queen|king|\d+) of \w+|joker"
    PLACE = re.compile(r"row (\d), column (\d)")
    known = {}         # (row, column) -> rank, for face-down cards whose face was spoken
    my_faces = []      # (time of Space, face spoken)
    started = time.time()
    focus = None       # (row, column) of the card the player is on

    def rank(face):
        return "joker" if face == "joker" else face.split(" of ")[0]

    def learn():
        for start, _, text in spoken():
            if start is None:
                continue
            for m in re.finditer(r"row (\d), column (\d),? (%s)" % FACE, text):
                known[(int(m.group(1)), int(m.group(2)))] = rank(m.group(3))

    def my_turn():
        turns = [text for start, _, text in spoken() if start is not None and
                 re.search(r"(Your|Tiger's) turn", text)]
        return bool(turns) and re.findall(r"(Your|Tiger's) turn", turns[-1])[-1] == "Your"

    def move_to(target):
        """Arrows until Orca says the focus is on `target`; None when it cannot get there."""
        nonlocal_focus = [focus]
        for _ in range(20):
            here = nonlocal_focus[0]
            if here == target:
                return target
            if here is None:
                k = "Right"
            elif here[0] != target[0]:
                k = "Down" if target[0] > here[0] else "Up"
            else:
                k = "Right" if target[1] > here[1] else "Left"
            t = time.time()
            key(k)
            said = wait_spoken(r"row \d, column \d|no more cards|No card", t, 10)
            quiet_then()
            if not said:
                fail("the arrow %s was not spoken" % k)
            m = PLACE.search(said[1])
            if not m:
                return None
            nonlocal_focus[0] = (int(m.group(1)), int(m.group(2)))
        return None

    def turn_here():
        t = time.time()
        key("space")
        said = wait_spoken(FACE, t, 10)
        if not said:
            fail("the face of the card turned at %s was never spoken" % (focus,))
        return rank(re.search(FACE, said[1]).group(0))

    def computer_paired():
        return any("Tiger took" in n for _, n in shown)

    while time.time() - started < (PLAY_SECONDS if computer_paired() else MOST_SECONDS):
        pump(0.2)
        if not silent() or not my_turn():
            continue
        learn()
        # A card next along, or a remembered pair.
        t = time.time()
        key("Right")
        said = wait_spoken(r"row \d, column \d", t, 10)
        quiet_then()
        if not said:
            fail("the arrow was not spoken")
        m = PLACE.search(said[1])
        focus = (int(m.group(1)), int(m.group(2)))
        first = turn_here()
        quiet_then()
        my_faces.append((t, first))
        known.pop(focus, None)
        partner = next((p for p, r in known.items() if r == first and p != focus), None)
        if partner is not None:
            focus = move_to(partner) or focus
        else:
            t = time.time()
            key("Right")
            said = wait_spoken(r"row \d, column \d", t, 10)
            quiet_then()
            m = PLACE.search(said[1]) if said else None
            if m:
                focus = (int(m.group(1)), int(m.group(2)))
        second = turn_here()
        my_faces.append((time.time(), second))
        print("the player turned %s and %s; %.0f s played" % (first, second, time.time() - started),
              flush=True)

    # ------------------------------------------------------------------
    # What was said, once Tiger's turn is over and all is said.
    end = time.time() + 120
    while not (silent() and my_turn()):
        if time.time() > end:
            fail("Tiger's turn never ended")
        pump(0.2)
    # Orca's "read the status bar" (Insert+KP_Enter twice) tells the cards taken.
    t = time.time()
    subprocess.run(["xdotool", "key", "--delay", "120", "Insert+KP_Enter", "Insert+KP_Enter"],
                   check=True)
    status = wait_spoken(r"You, \d+ cards taken", t, 10)
    if not status:
        fail("Orca's status bar command did not read the cards taken")
    ok("Orca's status bar command reads %r" % status[1])
    quiet_then()
    pump(0.5)
    begun = [(start, text) for start, _, text in spoken() if start is not None]
    if not shown:
        fail("the table showed no notice at all")
    late = []
    lost = []
    lags = []
    for t, notice in shown:
        heard = next((b for b, text in begun if b >= t - 0.5 and notice in text), None)
        if heard is None:
            lost.append(notice)
            continue
        lags.append(heard - t)
        if heard - t > MOST_LATE:
            late.append((round(heard - t, 1), notice))
    computer_pairs = [n for _, n in shown for m in re.finditer(r"Tiger took", n)]
    computer_faces = [n for _, n in shown for m in re.finditer(r"Tiger turned row", n)]
    turns = [n for _, n in shown for m in re.finditer(r"(Your|Tiger's) turn", n)]
    print("notices shown: %d, Tiger's cards %d, Tiger's pairs %d, changes of turn %d" % (
        len(shown), len(computer_faces), len(computer_pairs), len(turns)))
    print("faces the player turned: %d" % len(my_faces))
    # The seat panels, read at the end, against what was heard of the pairs.
    table = find(app, lambda o: o.name == "Table", 4)
    panels = [c.name for c in children(table) if c.getRoleName() == "panel"] if table else []
    for who, heard_as in (("Tiger", "Tiger took"), ("You", "You took")):
        panel = next((p for p in panels if p.startswith(who + ",")), None)
        if panel is None:
            fail("no seat panel of %s among %s" % (who, panels))
        count = int(re.search(r"(\d+) cards taken", panel).group(1))
        heard = [int(m.group(1)) for _, text in begun
                 for m in re.finditer(heard_as + r" [^.]*?, (\d+) cards", text)]
        if count != (heard[-1] if heard else 0):
            fail("%s's panel says %r, but what was heard of its pairs was %s" % (who, panel, heard))
    ok("the seat panels agree with the pairs heard: %s" % panels)
    if lost:
        fail("%d of %d notices were never spoken, e.g. %s" % (len(lost), len(shown), lost[:4]))
    if late:
        fail("%d notices were spoken late, e.g. %s" % (len(late), sorted(late)[-4:]))
    if len(my_faces) < 4 or len(computer_faces) < 2 or len(turns) < 3 or not computer_pairs:
        fail("the game was too short to tell: Tiger took no pair")
    ok("every notice was spoken, none more than %.0f s after it was shown (at most %.1f s, "
       "on average %.1f s)" % (MOST_LATE, max(lags), sum(lags) / len(lags)))
except TimeoutError as e:
    fail(str(e))
finally:
    stop_all()
