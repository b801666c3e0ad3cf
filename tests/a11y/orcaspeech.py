# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the real screen reader, Orca, and writes down when it speaks.

Usage: orcaspeech.py LOG [orca's own arguments]

Orca's debug log says what Orca hands to the speech server, not when it is
heard: the speech server queues it behind whatever is still being said. So
this runs Orca as it is, with one thing added: every text it sends to the
speech server asks to be told when it begins, ends or is cancelled, and LOG
gets a line for each, at once (line-buffered), with the time:

    <seconds since the epoch> BEGIN|END|CANCEL <the text as Orca sent it>
"""

import builtins
import os
import runpy
import sys
import threading
import time

# Orca's own modules, not anything beside this file.
sys.path = [p for p in sys.path if os.path.abspath(p or ".") != os.path.dirname(os.path.abspath(__file__))]

LOG = sys.argv[1]
_log = open(LOG, "w", buffering=1, encoding="utf-8")
_lock = threading.Lock()


def note(what, text):
    with _lock:
        _log.write("%.3f %s %s\n" % (time.time(), what, " ".join(text.split())))


# Orca's own debug file is line-buffered too, so that it can be read while Orca runs.
_open = builtins.open


def line_buffered_open(file, mode="r", *args, **kwargs):
    if isinstance(file, str) and file.endswith(".orcadebug") and "w" in mode:
        return _open(file, mode, buffering=1, encoding="utf-8", errors="replace")
    return _open(file, mode, *args, **kwargs)


builtins.open = line_buffered_open

import speechd  # noqa: E402
from orca import speechdispatcherfactory  # noqa: E402

_speak = speechdispatcherfactory.SpeechServer._speak
def speak_and_tell(self, text, acss, **kwargs):
    said = text
    theirs = kwargs.get("callback")
    names = {speechd.CallbackType.BEGIN: "BEGIN", speechd.CallbackType.END: "END",
             speechd.CallbackType.CANCEL: "CANCEL"}

    def told(kind, *rest, **more):
        if kind in names:
            note(names[kind], said)
        if theirs is not None:
            theirs(kind, *rest, **more)

    kwargs["callback"] = told
    types = set(kwargs.get("event_types") or [])
    types |= {speechd.CallbackType.BEGIN, speechd.CallbackType.END, speechd.CallbackType.CANCEL}
    kwargs["event_types"] = list(types)
    note("SEND", said)
    return _speak(self, text, acss, **kwargs)


speechdispatcherfactory.SpeechServer._speak = speak_and_tell

sys.argv = ["orca"] + sys.argv[2:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
