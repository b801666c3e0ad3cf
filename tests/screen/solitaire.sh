#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A whole solitaire game on screen with a known deal: the deal, a magnified
# card, a failed attempt turned back, pairs taken into the panel, and at the
# end the rank message over the game and the score table taking a name and
# saving it.
source "$(dirname "$0")/lib.sh"
SEED=20011
load_deal $SEED
start_game $SEED

menu_game 0 5
shot deal
back=$(pixel "$(cell_x 4)" "$(cell_y 2)")
[[ $back != "0,128,0" ]] || fail "no card at (4, 2) after the deal"
ok "the cards lie face down"

# Hovering magnifies the card under the mouse to 71 x 96.
move "$(cell_x 4)" "$(cell_y 2)" 0.3
# Just left of the card's cell: green unless the card has grown over it.
[[ $(pixel $((CELL_LEFT[4] - 8)) "$(cell_y 2)") != "0,128,0" ]] || fail "the card is not magnified"
shot hover
ok "the card under the mouse is magnified"
move 60 400

# Group the cards into pairs by rank (both jokers share one rank).
declare -A first_of
pairs=()
for c in $(seq 1 54); do
  r=${RANK[c]}
  if [[ -n ${first_of[$r]:-} ]]; then pairs+=("${first_of[$r]} $c"); unset "first_of[$r]"; else first_of[$r]=$c; fi
done

# A failed attempt: the first card of two different pairs.
read -r a _ <<<"${pairs[0]}"; read -r b _ <<<"${pairs[1]}"
click_card "$a" 0.4; click_card "$b" 0.3
shot attempt-up
[[ $(pixel "$(cell_x "${COL[a]}")" "$(cell_y "${ROW[a]}")") != "$back" ]] || fail "card $a did not turn up"
sleep 2
[[ $(pixel "$(cell_x "${COL[a]}")" "$(cell_y "${ROW[a]}")") == "$back" ]] || fail "card $a was not turned back"
ok "a failed attempt shows both cards, then turns them back"

for p in "${pairs[@]}"; do
  read -r a b <<<"$p"
  move 60 400 0.05
  click_card "$a" 0.35; click_card "$b" 0.3
  [[ $p == "${pairs[0]}" ]] && shot pair-up
  sleep 1.6
  if [[ $p == "${pairs[0]}" ]]; then
    [[ $(pixel "$(cell_x "${COL[a]}")" "$(cell_y "${ROW[a]}")") == "0,128,0" ]] || fail "pair not taken"
    shot pair-taken
    ok "a pair slides into the panel"
  fi
done

# The end: the rank message, then the score table with the name box.
wait_for_window トマベル 5 >/dev/null
sleep 1
shot rank-message
# It stands over the middle of the game, not in a corner of the screen (Qt puts
# every message box a little above the centre here, the closing question too).
box=""
for w in $(xdotool search --onlyvisible --name '^トマベル$'); do [[ $w != "$WIN" ]] && box=$w; done
[[ -n $box ]] || fail "no rank message after the game"
eval "$(xdotool getwindowgeometry --shell "$box")"
dx=$((X + WIDTH / 2 - WX - WW / 2)); dy=$((Y + HEIGHT / 2 - WY - WH / 2))
((${dx#-} <= WW / 8 && ${dy#-} <= WH / 8)) || fail "the rank message is off the game's centre by $dx, $dy"
ok "the rank message is centred on the game"
key Return
sw=$(wait_for_window "１人トマベル　結果" 10) || fail "no score table after the game"
ok "the score table opens after the game"
sleep 0.5
xdotool type --delay 40 "Tester"
shot score-table
eval "$(xdotool getwindowgeometry --shell "$sw")"
xdotool mousemove --sync $((X + 440)) $((Y + 200)) click 1
sleep 1
grep -q "Tester" "$WORK/bin/solsc.dat" || fail "the name was not saved"
ok "the name is saved in solsc.dat"
shot after
