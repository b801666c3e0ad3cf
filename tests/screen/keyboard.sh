#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A game started and played from the keyboard, on each of the four card backs:
# F2 deals, the arrows put a framed, magnified card where they lead, Space
# turns it. Run with QT_SCALE_FACTOR=2 (a whole number) to look at it doubled.
source "$(dirname "$0")/lib.sh"
S=${QT_SCALE_FACTOR:-1}
# Table coordinates to window pixels.
wpx() { pixel $((S * $1)) $((S * (MENU + $2))); }

for back in 0 1 2 3; do
  printf '[PLAYBOARD]\r\nSORITEA=TRUE\r\nPLAYER=0444\r\nCARD=%s\r\nSHOWSEC=0\r\nNOSOUND=TRUE\r\n' \
    "$back" >"$WORK/bin/tomavel.ini"
  start_game
  # No window manager here to give the window the keyboard.
  xdotool windowfocus --sync "$WIN"
  move $((S * 100)) $((S * (MENU + 300)))  # the pointer rests on the green, away from the cards
  key F2
  sleep 5
  [[ $(wpx "${CELL_CX[4]}" "${CELL_CY[2]}") != "0,128,0" ]] || fail "F2 dealt no cards (back $back)"

  # The first arrow focuses the first card; right, then down, to column 1, row 1.
  key Right; key Right; key Down
  shot "back$back-focus"
  # Round the magnified card: a dark edge, then yellow, over the green and the cards beside it.
  left=$((BIG_LEFT[1])) y=$((CELL_CY[1]))
  [[ $(wpx $((left - 4)) "$y") == "0,0,0" ]] || fail "no dark edge round the focus (back $back)"
  [[ $(wpx $((left - 3)) "$y") == "255,255,0" ]] || fail "no yellow frame round the focus (back $back)"
  [[ $(wpx $((left + 2)) "$y") != "0,128,0" ]] || fail "the focused card is not magnified (back $back)"
  # The card it came from is back at its own size: green just left of its cell.
  [[ $(wpx $((CELL_LEFT[1] - 2)) "${CELL_CY[0]}") == "0,128,0" ]] || fail "two cards magnified"
  ok "back $back: the arrows frame and magnify the card they lead to"

  before=$(wpx "${CELL_CX[1]}" "${CELL_CY[1]}")
  key space
  sleep 0.5
  shot "back$back-turned"
  [[ $(wpx "${CELL_CX[1]}" "${CELL_CY[1]}") != "$before" ]] || fail "Space did not turn the card"
  ok "back $back: Space turns the focused card"

  kill "$GPID"; wait "$GPID" 2>/dev/null || true
done
