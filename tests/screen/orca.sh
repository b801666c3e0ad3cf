#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game by ear, with the real screen reader: tests/a11y/byear.py starts the
# game, then Orca (speech-dispatcher and espeak-ng into a PulseAudio null
# sink), plays a short game against Swallow by keys from what Orca says, and
# fails if a face, a pair, a card Swallow turned or a change of turn goes
# unspoken, or is spoken late. Orca's speech log and debug log are kept beside
# the screenshots.
source "$(dirname "$0")/lib.sh"
# -B: Python leaves no bytecode cache in the source tree (the licence check would count it).
# Orca's logs are kept whatever happens.
keep_logs() { cp "$WORK"/speech.log "$WORK"/orca.orcadebug "$WORK"/orca.out "$SHOTS"/ 2>/dev/null || true; }
trap 'keep_logs; cleanup' EXIT
status=0
dbus-run-session -- /usr/bin/python3 -B "$(dirname "$0")/../a11y/byear.py" "$PINNED" "$WORK/bin" "$WORK" ||
  status=$?
((status == 0)) || fail "the game could not be played by ear with Orca"
