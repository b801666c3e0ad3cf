#!/usr/bin/env bash
# Start-up as a player sees it: the table, the data files, one copy only, and closing.
source "$(dirname "$0")/lib.sh"

start_game
[[ $WW -eq $TABLE_WIDTH && $WH -eq $((TABLE_HEIGHT + MENU)) ]] ||
  fail "window is ${WW}x${WH}, want ${TABLE_WIDTH}x$((TABLE_HEIGHT + MENU))"
ok "client area $TABLE_WIDTH x $TABLE_HEIGHT below the menu bar"
middle="$((TABLE_WIDTH / 2)) $((MENU + TABLE_HEIGHT / 2))"
[[ $(pixel $middle) == "0,128,0" ]] || fail "table is $(pixel $middle), want green"
ok "green table"
[[ -f $WORK/bin/tomavel.ini && $(stat -c %s "$WORK/bin/solsc.dat") -eq 511 ]] ||
  fail "data files were not created beside the game"
ok "tomavel.ini and solsc.dat created"
shot table

# A second copy ends at once, silently, with no window.
start=$(date +%s%N)
timeout 10 "$GAME"; code=$?
ms=$(( ($(date +%s%N) - start) / 1000000 ))
[[ $code -eq 0 && $ms -lt 3000 ]] || fail "second copy: exit $code after $ms ms"
[[ $(count_windows) -eq 1 ]] || fail "a second window appeared"
ok "second copy refused in $ms ms"

# The menu, open.
click 20 10 0.5
shot menu-game
key Escape

# Closing in the middle of a game: "やめる？？" answered No lets the game go on;
# Yes ends the process at once, from inside the running game.
menu_game 0 5
menu_game 2
[[ $(count_windows) -eq 2 ]] || fail "no closing question"
shot close-question
key n
kill -0 "$GPID" 2>/dev/null || fail "the game ended on No"
sleep 0.5
[[ $(pixel "$(cell_x 4)" "$(cell_y 2)") != "0,128,0" ]] || fail "the cards went away on No"
ok "No keeps the game running"
menu_game 2
key y
for _ in $(seq 30); do kill -0 "$GPID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GPID" 2>/dev/null && fail "the game did not end on Yes"
ok "Yes ends the game"
