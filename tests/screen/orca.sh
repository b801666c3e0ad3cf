#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game by ear, with the real screen reader: tests/a11y/byear.py starts the
# game, then Orca (speech-dispatcher and espeak-ng into a PulseAudio null
# sink), plays a short game against Tiger by keys from what Orca says, and
# fails if a face, a pair, a card Tiger turned or a change of turn goes
# unspoken or is spoken late, or if Orca's status bar command reads nothing.
# Orca's speech log and debug log are kept beside the screenshots.
source "$(dirname "$0")/lib.sh"
# Everything the check starts keeps its settings in a home of the check's own:
# Orca's, the speech server's, and the accessibility bus's, which stores
# Orca's "accessibility on" in the desktop's settings, where it would outlast
# the check and tell every later game that a screen reader listens.
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config XDG_DATA_HOME=$WORK/home/.local/share \
  XDG_CACHE_HOME=$WORK/home/.cache XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$HOME"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# Orca's logs are kept whatever happens.
keep_logs() { cp "$WORK"/speech.log "$WORK"/orca.orcadebug "$WORK"/orca.out "$SHOTS"/ 2>/dev/null || true; }
trap 'keep_logs; cleanup' EXIT
status=0
# -B: Python leaves no bytecode cache in the source tree (the licence check would count it).
dbus-run-session -- /usr/bin/python3 -B "$(dirname "$0")/../a11y/byear.py" "$PINNED" "$WORK/bin" "$WORK" ||
  status=$?
((status == 0)) || fail "the game could not be played by ear with Orca"
