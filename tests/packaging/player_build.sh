#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A player's machine has no GoogleTest and no test tools: scripts/setup must
# still configure and build the game there. Builds it that way, with the player's
# set-up, in a build folder of its own beside build/ (at the same depth, so that
# ccache hands back what the full build compiled and only the link is new).
set -euo pipefail
SRC=${1:?usage: player_build.sh SOURCE_DIR}
source "$(dirname "$0")/lib.sh"
DIR=$SRC/build-player
LOG=$(mktemp)
trap 'rm -f "$LOG"' EXIT
rm -rf "$DIR"
TOMAVEL_AS_PLAYER=1 TOMAVEL_BUILD_DIR=$DIR "$SRC/scripts/setup" >"$LOG" 2>&1 ||
  { cat "$LOG"; fail "the player's set-up did not configure and build the game"; }
grep -q "GoogleTest is not installed" "$DIR/configure.log" || fail "GoogleTest was found: this was not a player's build"
[[ -x $DIR/bin/tomavel ]] || fail "no game in $DIR/bin"
[[ ! -e $DIR/tests ]] || fail "the player's build made the tests"
ok "the game configures and builds without GoogleTest ($DIR/bin/tomavel)"
rm -rf "$DIR"
