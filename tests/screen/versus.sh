#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Three computers at the table: their panels, the hand marker walking and a
# speech balloon, then "このゲームやめ" with its message and a cleared table.
source "$(dirname "$0")/lib.sh"
printf '[PLAYBOARD]\r\nSORITEA=FALSE\r\nPLAYER=1234\r\n' > "$WORK/bin/tomavel.ini"
start_game

# hand_in SHOT: the hand marker's yellow edge stands in the gap left of some
# column: at least 40 yellow pixels in one of those 3-pixel strips.
hand_in() {
  convert "$1" -crop ${TABLE_WIDTH}x$TABLE_HEIGHT+$WX+$((WY + MENU)) +repage txt:- |
    awk -F'[,: ()]+' -v lefts="${HAND_LEFT[*]}" '
      BEGIN { columns = split(lefts, left, " ") }
      NR > 1 && $3 == 255 && $4 == 255 && $5 == 0 {
        for (c = 1; c <= columns; c++) if ($1 >= left[c] && $1 <= left[c] + 2) n[c]++ }
      END { for (c in n) if (n[c] >= 40) found = 1; exit !found }'
}
# balloon_in SHOT: some seat's balloon is up: a white point low in the balloon,
# below its text, where the seat's box shows otherwise.
balloon_in() {
  local s x y
  for s in 0 1 2 3; do
    x=$((WX + BALLOON_LEFT[s] + 48)) y=$((WY + MENU + BALLOON_TOP[s] + 56))
    [[ $(convert "$1" -crop 1x1+$x+$y -depth 8 txt:- | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p') == "255,255,255" ]] && return 0
  done
  return 1
}

menu_game 0 5
shot dealt
# Seat panels of the three computers; the fourth seat is empty.
for seat in 0 1 2; do
  [[ $(pixel "$(panel_x $seat)" "$(panel_y $seat)") != "0,128,0" ]] || fail "no panel for seat $seat"
done
[[ $(pixel "$(panel_x 3)" "$(panel_y 3)") == "0,128,0" ]] || fail "the empty seat shows a panel"
ok "panels for the three computers, none for the empty seat"

# While they play, the hand marker walks to the chosen cards and the players
# speak in their balloons: both must be seen within a few seconds.
hand="" balloon=""
for _ in $(seq 60); do
  shot look
  [[ -z $hand ]] && hand_in "$SHOTS/look.png" && { hand=1; cp "$SHOTS/look.png" "$SHOTS/hand.png"; }
  [[ -z $balloon ]] && balloon_in "$SHOTS/look.png" && { balloon=1; cp "$SHOTS/look.png" "$SHOTS/balloon.png"; }
  [[ -n $hand && -n $balloon ]] && break
  sleep 0.2
done
rm -f "$SHOTS/look.png"
[[ -n $hand ]] || fail "the hand marker was never seen"
[[ -n $balloon ]] || fail "no balloon was ever seen"
ok "the hand marker walks and a balloon speaks"

# The menu takes no click while a card turns, so a click that falls into a
# turn is tried again; the message box shares the window's title.
quit="" tries=0
for _ in 1 2 3 4 5; do
  tries=$((tries + 1))
  menu_game 1 0.2
  for _ in $(seq 30); do
    (($(count_windows) >= 2)) && { quit=1; break; }
    sleep 0.1
  done
  [[ -n $quit ]] && break
  key Escape  # a menu left open by a lost click
done
[[ -n $quit ]] || fail "no message after このゲームやめ"
((tries == 1)) || echo "note: the quit took $tries tries (a click fell into a card turn)"
shot quit-message
key Return
sleep 1
[[ $(pixel "$(cell_x 4)" "$(cell_y 2)") == "0,128,0" ]] || fail "the table was not cleared"
[[ $(pixel "$(panel_x 0)" "$(panel_y 0)") == "0,128,0" ]] || fail "the panels were not cleared"
shot cleared
! hand_in "$SHOTS/cleared.png" || fail "the hand marker stayed after the game"
! balloon_in "$SHOTS/cleared.png" || fail "a balloon stayed after the game"
ok "quitting clears the table"
