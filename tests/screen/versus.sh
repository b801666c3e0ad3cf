#!/usr/bin/env bash
# Three computers at the table: their panels, the hand marker walking and a
# speech balloon, then "このゲームやめ" with its message and a cleared table.
source "$(dirname "$0")/lib.sh"
printf '[PLAYBOARD]\r\nSORITEA=FALSE\r\nPLAYER=1234\r\n' > "$WORK/bin/tomavel.ini"
start_game

menu_game 0 5
shot dealt
# Seat panels of the three computers; the fourth seat is empty.
for seat in 0 1 2; do
  [[ $(pixel "$(panel_x $seat)" "$(panel_y $seat)") != "0,128,0" ]] || fail "no panel for seat $seat"
done
[[ $(pixel "$(panel_x 3)" "$(panel_y 3)") == "0,128,0" ]] || fail "the empty seat shows a panel"
ok "panels for the three computers, none for the empty seat"

# Within a few seconds the first computer has chosen and turned cards.
sleep 6
shot playing
sleep 4
shot playing-later

menu_game 1 1.5
shot quit-message
key Return
sleep 1
[[ $(pixel "$(cell_x 4)" "$(cell_y 2)") == "0,128,0" ]] || fail "the table was not cleared"
[[ $(pixel "$(panel_x 0)" "$(panel_y 0)") == "0,128,0" ]] || fail "the panels were not cleared"
ok "quitting clears the table"
shot cleared
