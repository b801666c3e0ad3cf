#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A screen reader's game: under a private D-Bus session with its own
# accessibility bus, tests/a11y/atspi.py plays a solitaire game and a game
# against Swallow to their ends through AT-SPI alone (the pinned build, so
# the deals are known to be playable in the time given).
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# pyatspi is Debian's, for Debian's Python.
# -B: Python leaves no bytecode cache in the source tree (the licence check would count it).
dbus-run-session -- /usr/bin/python3 -B "$(dirname "$0")/../a11y/atspi.py" "$PINNED" "$WORK/bin" ||
  fail "the game could not be played through the screen reader's objects"
