#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Proof that a change left the screen as it was, to the pixel (not in CTest: it needs two builds).
#   pixels.sh BUILD_DIR OUT_DIR       a pinned solitaire game and one against Swallow, Wolf and
#                                     Tiger, played by BUILD_DIR's pinned build: numbered PNGs
#   pixels.sh --compare DIR_A DIR_B   exits 1 when a PNG differs or is missing on either side
# Two runs of one build give the same pictures: the seed pins the deal and the computers' play,
# the clocks tick only where this script asks (TOMAVEL_STILL, see pinned_main.cpp), the
# computers are held at chosen steps of their hand marker, and every picture waits for a still
# screen.
set -euo pipefail

if [[ ${1:-} == --compare ]]; then
  a=${2:?usage: pixels.sh --compare DIR_A DIR_B} b=${3:?usage: pixels.sh --compare DIR_A DIR_B}
  status=0 same=0
  for dir in "$a" "$b"; do [[ -d $dir ]] || { echo "no folder $dir"; exit 1; }; done
  names=$( (cd "$a" && ls -- *.png 2>/dev/null; cd "$b" && ls -- *.png 2>/dev/null) | sort -u) || true
  [[ -n $names ]] || { echo "no screenshots in $a or $b"; exit 1; }
  while read -r name; do
    for dir in "$a" "$b"; do [[ -f $dir/$name ]] || { echo "$name: missing in $dir"; status=1; }; done
    [[ -f $a/$name && -f $b/$name ]] || continue
    # AE: the pixels that differ at all (no fuzz); pictures of another size count as different.
    count=$(compare -metric AE "$a/$name" "$b/$name" null: 2>&1) || true
    if [[ $count == 0 ]]; then same=$((same + 1)); continue; fi
    status=1
    [[ $count =~ ^[0-9.e+]+$ ]] && echo "$name: $count pixels differ" || echo "$name: differs ($count)"
  done <<<"$names"
  echo "$same of $(wc -l <<<"$names") screenshots identical"
  exit $status
fi

BUILD=$(realpath "${1:?usage: pixels.sh BUILD_DIR OUT_DIR | pixels.sh --compare DIR_A DIR_B}")
mkdir -p "${2:?usage: pixels.sh BUILD_DIR OUT_DIR}"
SHOTS=$(realpath "$2")
rm -f "$SHOTS"/*.png
set -- "$BUILD/bin/tomavel" "$BUILD/tests/tomavel_pinned" "$BUILD/tests/dealprint"
source "$(dirname "$0")/lib.sh"
export TOMAVEL_STILL=$WORK/still TZ=UTC
mkdir -p "$TOMAVEL_STILL"
GREEN=0,128,0
N=0

# snap NAME [PAUSE]: the next numbered screenshot, once the screen holds still (settle). The
# mouse moves only then too: while a card turns, the game drops mouse events.
snap() {
  settle "${2:-0.4}"
  N=$((N + 1)); convert "$WORK/b.ppm" "$SHOTS/$(printf %02d "$N")-$1.png"
  echo "$(printf %02d "$N")-$1 at $SECONDS s"
}
# settle [PAUSE]: waits until two pictures of the screen PAUSE seconds apart are the same.
settle() {
  import -window root "ppm:$WORK/a.ppm"
  for _ in $(seq 100); do
    sleep "${1:-0.3}"
    import -window root "ppm:$WORK/b.ppm"
    cmp -s "$WORK/a.ppm" "$WORK/b.ppm" && return 0
    mv "$WORK/b.ppm" "$WORK/a.ppm"
  done
  fail "the screen never held still"
}
# await COMMAND...: runs it until it succeeds (a minute at most).
await() {
  for _ in $(seq 300); do "$@" && return 0; sleep 0.2; done
  fail "waited in vain for: $*"
}
# tick: one second of the game's still clock, given while the game waits for the player.
tick() {
  : >"$TOMAVEL_STILL/tick"
  for _ in $(seq 150); do [[ -e $TOMAVEL_STILL/tick ]] || return 0; sleep 0.1; done
  fail "no tick taken: is this a pinned build that holds still (TOMAVEL_STILL)?"
}
# shows C COLOUR: the middle of card C's cell is not that colour.
shows() { [[ $(pixel "$(cell_x "${COL[$1]}")" "$(cell_y "${ROW[$1]}")") != "$2" ]]; }
gone() { ! shows "$1" $GREEN; }
dealt() { for c in 0 8; do for r in 0 5; do [[ $(pixel "$(cell_x $c)" "$(cell_y $r)") != "$GREEN" ]] || return 1; done; done; }
# neutral: the mouse where it magnifies no card (no --sync: it waits long when already there).
neutral() { xdotool mousemove $((WX + 60)) $((WY + 400)); sleep 0.15; }
# press C: the mouse onto card C (it grows), then a click: sent together, it may not grow.
press() { move "$(cell_x "${COL[$1]}")" "$(cell_y "${ROW[$1]}")" 0.2; xdotool click 1; sleep 0.1; }
# pairs_of [GONE...]: PAIRS, the cards but GONE in pairs of one rank (and the two jokers).
pairs_of() {
  local -A first_of=(); local c r; PAIRS=()
  for c in $(seq 1 54); do
    [[ " ${*:-} " == *" $c "* ]] && continue
    r=${RANK[c]}
    if [[ -n ${first_of[$r]:-} ]]; then PAIRS+=("${first_of[$r]} $c"); unset "first_of[$r]"; else first_of[$r]=$c; fi
  done
}
# sweep: the player takes every pair left, until a window stands over the table.
sweep() {
  local c gone=()
  for c in $(seq 1 54); do shows "$c" $GREEN || gone+=("$c"); done
  pairs_of "${gone[@]}"
  for p in "${PAIRS[@]}"; do
    over && break
    read -r x y <<<"$p"; take "$x" "$y"
  done
}
# take A B: a pair taken into the panel (after the last, a window stands over the table).
take() {
  neutral; press "$1"; settle 0.15; press "$2"
  await eval "{ gone $1 && gone $2; } || over"
  over || settle 0.15
}
over() { result_shown || (($(count_windows) >= 2)); }
# miss A B: a failed attempt; waits until both are face down again (BACK is a card's back).
miss() {
  neutral; press "$1"; settle; press "$2"
  await shows_not_back "$1"; settle; neutral
}
shows_not_back() { ! shows "$1" "$BACK"; }
boxes() { (($(count_windows) == $1)); }  # windows titled トマベル
result_shown() { xdotool search --onlyvisible --name '^結果$' >/dev/null 2>&1; }
end_game() { kill "$GPID" 2>/dev/null || true; wait "$GPID" 2>/dev/null || true; }

# --- Solitaire: the deal, a card turned, a failed attempt, a pair taken, the
# settings dialog, the seconds, and the end with its rank message and score table.
SEED=20011
load_deal $SEED; pairs_of
start_game $SEED
neutral
snap solo-table
click 85 10 0.4; click 100 $((MENU + 12)) 0.8  # 設定 > 設定
snap solo-settings
key Escape
menu_game 0 1
neutral
await dealt
snap solo-deal
BACK=$(pixel "$(cell_x 0)" "$(cell_y 0)")
tick
read -r a1 a2 <<<"${PAIRS[0]}"; read -r b1 b2 <<<"${PAIRS[1]}"
press "$a1"
snap solo-card-turned
press "$b1"
snap solo-attempt-shown 0.1
shows "$a1" "$BACK" || fail "the failed attempt was not caught face up"
await shows_not_back "$a1"; settle; neutral
snap solo-attempt-turned-back
tick; tick
read -r c1 c2 <<<"${PAIRS[2]}"
neutral; press "$c1"; settle; press "$c2"
snap solo-pair-shown 0.1
await gone "$c1"; await gone "$c2"
snap solo-pair-taken
for p in "${PAIRS[@]:3:10}"; do read -r x y <<<"$p"; take "$x" "$y"; done
tick; neutral
snap solo-half-way
sweep
neutral
await boxes 2
snap solo-rank-message
key Return
sw=$(wait_for_window "１人トマベル　結果" 10) || fail "no score table after the game"
xdotool type --delay 40 "Tester"
snap solo-score-table
eval "$(xdotool getwindowgeometry --shell "$sw")"
xdotool mousemove --sync $((X + 440)) $((Y + 200)) click 1
neutral
await boxes 1
snap solo-after
end_game
ok "solitaire: $N screenshots"

# --- Against Swallow, Wolf and Tiger, the player in seat 0: their panels, the
# hand marker held over the cards (with the balloons of the moment), the pairs
# they take, and the result window.
SEED=20013
load_deal $SEED; pairs_of
printf '[PLAYBOARD]\r\nSORITEA=FALSE\r\nPLAYER=0123\r\n' >"$WORK/bin/tomavel.ini"
export TOMAVEL_HOLD=${PIXELS_HOLD:-"1 4 9 16 30 45"}
start_game $SEED
menu_game 0 1
neutral
balloon() { [[ $(pixel $((BALLOON_LEFT[$1] + 48)) $((MENU + BALLOON_TOP[$1] + 56))) == 255,255,255 ]]; }
players_turn() { [[ $(pixel "$(panel_x 0)" "$(panel_y 0)") == 255,0,0 ]]; }
# Quiet: the player is on turn and no balloon is left.
quiet() { players_turn && ! balloon 1 && ! balloon 2 && ! balloon 3; }
# computers: lets them play until the player's turn is back, a screenshot at each hold.
computers() {
  await eval '! players_turn || [[ -e $TOMAVEL_STILL/held ]]'
  until quiet && [[ ! -e $TOMAVEL_STILL/held ]]; do
    if [[ -e $TOMAVEL_STILL/held ]]; then
      snap "vs-hand-$(printf %02d "$(cat "$TOMAVEL_STILL/held")")" 0.2
      rm -f "$TOMAVEL_STILL/held"
    fi
    sleep 0.1
  done
}
await dealt
await quiet
snap vs-deal
BACK=$(pixel "$(cell_x 0)" "$(cell_y 0)")
read -r a1 a2 <<<"${PAIRS[0]}"; read -r b1 b2 <<<"${PAIRS[1]}"; read -r c1 c2 <<<"${PAIRS[2]}"
miss "$a1" "$b1"
computers
snap vs-players-turn
tick
take "$c1" "$c2"
neutral
snap vs-player-pair
miss "$a2" "$b2"
computers
snap vs-computers-pairs
sweep
await result_shown
snap vs-result
tick; tick; tick
snap vs-result-bobbed
key Return
neutral
snap vs-after
end_game
ok "versus: $N screenshots in all, in $SHOTS"
