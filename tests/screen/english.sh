#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game under an English desktop: tests/a11y/english.py reads the window,
# the menus, the settings dialog, a game of the three computers with their
# balloons, and the result window through AT-SPI, and finds nothing Japanese.
# Screenshots of each are kept for a person to look at.
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# -B: Python leaves no bytecode cache in the source tree (the licence check would count it).
dbus-run-session -- /usr/bin/python3 -B "$(dirname "$0")/../a11y/english.py" "$PINNED" "$WORK/bin" "$SHOTS" ||
  fail "the game did not read in English throughout"
