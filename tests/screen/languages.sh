#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game under each translation but English (which screen.english plays whole):
# tests/a11y/languages.py reads the window, the menus, the settings dialog, a
# short game against Swallow with its balloons and the result window through
# AT-SPI, and finds nothing Japanese and no English where the language has its
# own words. Screenshots of each are kept for a person to look at.
# LANGUAGES (codes, space-separated) narrows it down to those.
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# -B: Python leaves no bytecode cache in the source tree (the licence check would count it).
# shellcheck disable=SC2086
dbus-run-session -- /usr/bin/python3 -B "$(dirname "$0")/../a11y/languages.py" "$PINNED" "$WORK/bin" \
  "$SHOTS" "$DEALPRINT" "$(dirname "$0")/../../translations" ${LANGUAGES:-} ||
  fail "a language did not read in its own words throughout"
