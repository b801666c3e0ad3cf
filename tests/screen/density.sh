#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game on high-density screens. At twice the density the magnified card is the
# card back drawn at twice the density, pixel for pixel, and the player's figure is
# its own denser drawing; at one and a half the computers' figures show no pink
# fringe of their key colour.
SCREEN=1600x1200x24
source "$(dirname "$0")/lib.sh"
PICTURES=$(cd "$(dirname "$0")/../../assets/pictures" && pwd)

# at_x X, at_y Y: window-relative screen pixels of a point of the client area, at
# the density RATIO_NUM / RATIO_DEN; the client area lies below the menu bar.
at_x() { echo $(($1 * RATIO_NUM / RATIO_DEN)); }
at_y() { echo $((WH - TABLE_HEIGHT * RATIO_NUM / RATIO_DEN + $1 * RATIO_NUM / RATIO_DEN)); }
# grab NAME X Y W H: the client area's rectangle (logical pixels) as NAME.png, in
# screen pixels.
grab() {
  import -window root -crop "$(at_x "$4")x$(at_x "$5")+$((WX + $(at_x "$2")))+$((WY + $(at_y "$3")))" \
    +repage "$WORK/$1.png"
}
# differing A B: how many pixels of two pictures of one size differ.
differing() { { compare -metric AE "$1" "$2" null: 2>&1 || true; } | cut -d' ' -f1; }
# A menu item: menu at X along the bar, item N below it (22 logical pixels apart).
menu_item() {
  click "$(at_x "$1")" $((WH - TABLE_HEIGHT * RATIO_NUM / RATIO_DEN - 10 * RATIO_NUM / RATIO_DEN)) 0.5
  click "$(at_x $(($1 + 20)))" $((WH - TABLE_HEIGHT * RATIO_NUM / RATIO_DEN + (12 + 22 * $2) * RATIO_NUM / RATIO_DEN)) "${3:-0.5}"
}

# --- Twice the density: a solitaire game. -----------------------------------
RATIO_NUM=2 RATIO_DEN=1
export QT_SCALE_FACTOR=2
start_game
[[ $WW -eq 1280 && $WH -ge 840 ]] || fail "window is ${WW}x${WH} at twice the density"
ok "the window is twice as large: ${WW}x${WH}"
menu_item 20 0 5
shot twice-dealt

# The magnified card under the mouse: cell (4, 2).
move "$(at_x "${CELL_CX[4]}")" "$(at_y "${CELL_CY[2]}")" 0.5
grab magnified "${BIG_LEFT[4]}" "${BIG_TOP[2]}" "$BIG_WIDTH" "$BIG_HEIGHT"
shot twice-magnified
best=""
for back in 0 1 2 3; do
  d=$(differing "$WORK/magnified.png" "$PICTURES/picFace/$back@2x.png")
  [[ $d == 0 ]] && best=$back
done
[[ -n $best ]] || fail "the magnified card is no card back drawn at 2x"
ok "the magnified card is card back $best at twice the density, pixel for pixel"

# The player's figure in seat 0: every pixel that is not the key is the 2x drawing's.
grab figure "${SEAT_CHAR_LEFT[0]}" "${SEAT_CHAR_TOP[0]}" "$CHAR_WIDTH" "$CHAR_HEIGHT"
convert "$PICTURES/picPlayer/0@2x.png" -transparent '#ff00ff' "$WORK/figure-keyed.png"
composite "$WORK/figure-keyed.png" "$WORK/figure.png" "$WORK/figure-expected.png"
d=$(differing "$WORK/figure.png" "$WORK/figure-expected.png")
[[ $d == 0 ]] || fail "the player's figure differs from its 2x drawing in $d pixels"
ok "the player's figure is its 2x drawing"
kill "$GPID"; wait "$GPID" 2>/dev/null || true

# --- One and a half: three computers at the table. -------------------------
printf '[PLAYBOARD]\r\nSORITEA=FALSE\r\nPLAYER=1234\r\n' > "$WORK/bin/tomavel.ini"
RATIO_NUM=3 RATIO_DEN=2
export QT_SCALE_FACTOR=1.5
start_game
menu_item 20 0 3
shot half-dealt
for seat in 0 1 2; do
  grab "seat$seat" "${SEAT_CHAR_LEFT[seat]}" "${SEAT_CHAR_TOP[seat]}" "$CHAR_WIDTH" "$CHAR_HEIGHT"
  pink=$(convert "$WORK/seat$seat.png" -fx 'min(r,b) >= 0.55 && min(r,b) - g >= 0.35 ? 1 : 0' \
    -format '%[fx:round(mean * w * h)]' info:)
  [[ $pink == 0 ]] || fail "seat $seat's figure shows $pink pinkish pixels at 1.5"
done
ok "no pink fringe around the computers' figures at one and a half"
sleep 4
shot half-playing
