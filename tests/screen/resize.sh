#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The table fills the window at any size. A whole solitaire game with a known
# deal in a window of 1000 x 700 (the table half as large again and a little
# more, green above and below it), at 1280 x 840 and full screen on a 1920 x 1080
# screen, every other pair taken with the mouse and the others with the
# keyboard; at 1280 x 840 every card turned up is its drawing at twice the size,
# pixel for pixel. (At the table's own size the other checks play, and pixels.sh
# shows it unchanged to the pixel.) A
# game against a computer resized again and again while it plays, to its end.
# Then the window comes back as it was left at the next start, and a damaged
# window file is passed over and replaced. The full screen part runs under a
# small window manager (jwm), since a bare X server neither maximises nor puts
# anything full screen.
SCREEN=1920x1080x24
source "$(dirname "$0")/lib.sh"
PICTURES=$(cd "$(dirname "$0")/../../assets/pictures" && pwd)
SEED=20011
load_deal $SEED
STATE_FILE="$WORK/bin/tomavel-window.dat"
# The window manager for the parts that need one: all it adds is Alt+F10 to maximise.
jwm_config="$WORK/jwmrc"
printf '<?xml version="1.0"?>\n<JWM><Key mask="A" key="F10">maximize</Key></JWM>\n' >"$jwm_config"
GRAB="$(dirname "$DEALPRINT")/grabrect"
# at X Y: the colour at a point of the window, read quickly; print X Y W H: a
# fingerprint of a rectangle of the window.
at() { "$GRAB" $((WX + $1)) $((WY + $2)); }
print() { "$GRAB" $((WX + $1)) $((WY + $2)) "$3" "$4"; }

# --- Where the table lies in the window -------------------------------------
# measure: the table below the menu bar, magnified by S, its corner at OX, OY.
measure() {
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
  read -r S OX OY < <(awk -v w="$WW" -v h=$((WH - MENU)) -v tw="$TABLE_WIDTH" -v th="$TABLE_HEIGHT" '
    function round(v) { return v >= 0 ? int(v + 0.5) : -int(-v + 0.5) }
    BEGIN { s = w / tw < h / th ? w / tw : h / th
            printf "%.6f %d %d\n", s, round((w - tw * s) / 2), round((h - th * s) / 2) }')
}
# tx X, ty Y: a point of the table (table units) in window pixels, rounded as the
# game rounds (halves upwards, also below zero).
scaled() {
  awk -v s="$S" -v o="$1" -v v="$2" 'BEGIN { x = v * s + 0.5; f = int(x); if (f > x) f--; printf "%d", o + f }'
}
tx() { scaled "$OX" "$1"; }
ty() { scaled $((OY + MENU)) "$1"; }
# The centre of card c's cell, in window pixels.
card_x() { local col=${COL[$1]}; tx "${CELL_CX[col]}"; }
card_y() { local row=${ROW[$1]}; ty "${CELL_CY[row]}"; }
# The card magnified at twice the size: its corner in window pixels.
big_x() { local col=${COL[$1]}; tx "${BIG_LEFT[col]}"; }
big_y() { local row=${ROW[$1]}; ty "${BIG_TOP[row]}"; }
# Two resting places for the pointer on the green, left of the cards.
REST=0
rest() { REST=$((1 - REST)); move "$(tx $((60 + 10 * REST)))" "$(ty 400)" 0.1; }
differing() { { compare -metric AE "$1" "$2" null: 2>&1 || true; } | cut -d' ' -f1; }
# wait_taken c: until card c's cell is green (the pair has slid into the panel).
wait_taken() {
  local x y; x=$(card_x "$1") y=$(card_y "$1")
  for _ in $(seq 60); do
    [[ $(at "$x" "$y") == "0,128,0" ]] && return 0
    sleep 0.05
  done
  fail "card $1 was not taken"
}
# turn_up C ACTION...: runs the action (a click, a key) that turns card C up, and
# waits until the middle of the card has changed and holds still; an action lost
# (the game takes no input while another card turns) is tried again.
turn_up() {
  local c=$1 x y before now _try
  shift
  x=$(($(card_x "$c") - 4)) y=$(($(card_y "$c") - 4))
  before=$(print "$x" "$y" 9 9)
  for _try in 1 2 3; do
    "$@"
    for _ in $(seq 40); do
      sleep 0.05
      now=$(print "$x" "$y" 9 9)
      [[ $now != "$before" ]] || continue
      sleep 0.1
      [[ $(print "$x" "$y" 9 9) == "$now" ]] && return 0
    done
  done
  fail "card $c did not turn up"
}
# twice_at X Y DRAWING [TRIES]: the card magnified at window point X, Y (its
# corner) is DRAWING at twice the size, pixel for pixel, as far as it lies on the
# table (which cuts off the magnified cards at its edges). The screen is read at
# once, then compared; read again while a card may still turn.
twice_at() {
  local x=$1 y=$2 left right top bottom n
  left=$((x < 0 ? 0 : x)) right=$((x + 2 * BIG_WIDTH > WW ? WW : x + 2 * BIG_WIDTH))
  top=$((y < MENU ? MENU : y)) bottom=$((y + 2 * BIG_HEIGHT > WH ? WH : y + 2 * BIG_HEIGHT))
  for n in $(seq "${4:-1}"); do
    "$GRAB" $((WX + left)) $((WY + top)) $((right - left)) $((bottom - top)) "$WORK/big.ppm"
    ((n > 1)) || convert "$3" -crop "$((right - left))x$((bottom - top))+$((left - x))+$((top - y))" \
      +repage "$WORK/want.png"
    [[ $(differing "$WORK/big.ppm" "$WORK/want.png") == 0 ]] && return 0
    sleep 0.05
  done
  return 1
}
# is_twice c: the card, turned up and magnified, is its drawing at twice the size.
is_twice() {
  local c=$1
  twice_at "$(big_x "$c")" "$(big_y "$c")" "$PICTURES/picCard/$(printf %02d $((c - 1)))@2x.png" 8 &&
    return 0
  convert "$WORK/big.ppm" "$SHOTS/not-twice-$c.png"
  fail "card $c turned up is not its 2x drawing ($(differing "$WORK/big.ppm" "$WORK/want.png") pixels differ)"
}

# --- A whole solitaire game ---------------------------------------------------
# Pairs of the deal, in the order they are taken; the cards still face down.
pairs=()
declare -A first_of
for c in $(seq 1 54); do
  r=${RANK[c]}
  if [[ -n ${first_of[$r]:-} ]]; then pairs+=("${first_of[$r]} $c"); unset "first_of[$r]"; else first_of[$r]=$c; fi
done
pos() { echo $((ROW[$1] * 9 + COL[$1])); }
# keys_to FROM TO: how many steps right from card FROM to card TO, over the cards
# still face down; from 0, the first step frames the first of them.
keys_to() {
  local from=$1 to=$2 n=0 c p
  local pf=-1 pt; pt=$(pos "$to")
  ((from)) && pf=$(pos "$from")
  for c in "${!DOWN[@]}"; do
    p=$(pos "$c")
    ((p > pf && p <= pt)) && n=$((n + 1))
  done
  echo "$n"
}
# rights N: the right arrow N times, quickly.
rights() { (($1)) && xdotool key --delay 40 $(printf 'Right %.0s' $(seq "$1")); sleep 0.2; }
# magnified C: card C has grown over the gap right of its cell.
magnified() {
  local col=${COL[$1]}
  [[ $(at "$(tx $((CELL_LEFT[col] + CELL_WIDTH + 2)))" "$(card_y "$1")") != "0,128,0" ]]
}
# hover C: the mouse onto card C, until the card has grown under it (the game
# passes over the mouse while it is busy, taking a pair away).
hover() {
  local n
  for n in $(seq 0 20); do
    move $(($(card_x "$1") + n % 2)) "$(card_y "$1")" 0.05
    magnified "$1" && return 0
    sleep 0.1
  done
  fail "card $1 does not grow under the mouse"
}
# frame C FROM: the arrows from card FROM to card C (from 0: the mouse first
# takes the focus back, and the first arrow frames the first card face down),
# until C is framed and grown; the keys are passed over while the game is busy.
frame() {
  local c=$1 from=$2 _try
  for _try in 1 2 3 4 5; do
    ((from)) || rest
    rights "$(keys_to "$from" "$c")"
    magnified "$c" && return 0
    sleep 0.3
    from=0
  done
  fail "the arrows do not reach card $c"
}

# play NAME [TWICE]: deals and plays the whole game; with TWICE every card turned
# up is checked against its drawing at twice the size.
play() {
  local name=$1 twice=${2:-} i=0 a b
  declare -gA DOWN=()
  for c in $(seq 1 54); do DOWN[$c]=1; done
  menu_game 0 5
  rest
  shot "$name-dealt"
  [[ $(at "$(card_x 1)" "$(card_y 1)") != "0,128,0" ]] || fail "$name: no cards after the deal"
  if [[ -n $twice ]]; then
    # The card under the mouse: the card back drawn at twice the size.
    move "$(tx "${CELL_CX[4]}")" "$(ty "${CELL_CY[2]}")" 0.4
    twice_at "$(tx "${BIG_LEFT[4]}")" "$(ty "${BIG_TOP[2]}")" "$PICTURES/picFace/0@2x.png" ||
      fail "$name: the magnified card back is not its 2x drawing"
    shot "$name-magnified"
    rest
  fi
  for p in "${pairs[@]}"; do
    read -r a b <<<"$p"
    if (($(pos "$a") > $(pos "$b"))); then read -r b a <<<"$p"; fi
    if ((i % 2 == 0)); then
      # With the mouse: onto the card, which grows, then a click.
      hover "$a"
      turn_up "$a" xdotool click 1
      [[ -n $twice ]] && is_twice "$a"
      hover "$b"
      turn_up "$b" xdotool click 1
      [[ -n $twice ]] && is_twice "$b"
    else
      # With the keyboard.
      frame "$a" 0
      turn_up "$a" xdotool key space
      [[ -n $twice ]] && is_twice "$a"
      unset "DOWN[$a]"
      frame "$b" "$a"
      turn_up "$b" xdotool key space
      [[ -n $twice ]] && is_twice "$b"
    fi
    ((i == 1)) && shot "$name-keyboard-pair"
    unset "DOWN[$a]" "DOWN[$b]"
    wait_taken "$b"
    ((i == 0)) && shot "$name-pair-taken"
    i=$((i + 1))
  done
  # The game's end: the rank message over the window.
  for _ in $(seq 50); do (($(count_windows) >= 2)) && break; sleep 0.1; done
  (($(count_windows) >= 2)) || fail "$name: no rank message after the last pair"
  shot "$name-end"
  ok "$name: a whole game with the mouse and the keyboard"
}

# start_at W H: the game, its window resized so that the table is W x H.
start_at() {
  start_game "$SEED"
  xdotool windowfocus --sync "$WIN"
  if [[ $1 != "$TABLE_WIDTH" || $2 != "$TABLE_HEIGHT" ]]; then
    xdotool windowsize --sync "$WIN" "$1" $(($2 + MENU)) windowmove --sync "$WIN" 0 0
    sleep 0.5
  fi
  measure
  [[ $WW == "$1" && $((WH - MENU)) == "$2" ]] || fail "the table is ${WW}x$((WH - MENU)), not $1x$2"
}
stop_game() { kill "$GPID"; wait "$GPID" 2>/dev/null || true; }

printf '[PLAYBOARD]\r\nSORITEA=TRUE\r\nPLAYER=0444\r\nCARD=0\r\nNOSOUND=TRUE\r\n' >"$WORK/bin/tomavel.ini"

# Half as large again and a little more, in the middle of the green.
start_at 1000 700
[[ $S == 1.562500 && $OX == 0 && $OY == 22 ]] || fail "the table lies at $S $OX $OY"
play larger
stop_game

# At twice the size: every card turned up is its drawing at twice the size.
start_at 1280 840
[[ $S == 2.000000 ]] || fail "the table is not twice as large: $S"
play twice twice
stop_game

# Full screen on the whole screen, under a window manager: F11.
jwm -f "$jwm_config" >/dev/null 2>&1 & JWM=$!; PIDS+=($JWM)
sleep 1
start_game "$SEED"
xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"
key F11
sleep 1
measure
[[ $WW == 1920 && $WH == 1080 ]] || fail "full screen is ${WW}x$WH"
ok "F11 puts the game full screen: the table is magnified $S times"
play full
stop_game
kill "$JWM"; wait "$JWM" 2>/dev/null || true
sleep 0.5

# --- A game against a computer, resized while it plays --------------------------
# The player takes the pairs it can whenever it is on turn; the window changes
# size every few seconds, through the deal, the hand marker's walks, the
# balloons, the turns and the slides. The result window closes the game.
printf '[PLAYBOARD]\r\nSORITEA=FALSE\r\nPLAYER=0144\r\nCARD=2\r\nNOSOUND=TRUE\r\n' >"$WORK/bin/tomavel.ini"
start_at 640 420
sizes=("900 600" "1280 840" "700 800" "1500 700" "640 420")
resized=0 last=$SECONDS
resize_now() {
  local w h
  read -r w h <<<"${sizes[resized % ${#sizes[@]}]}"
  xdotool windowsize --sync "$WIN" "$w" $((h + MENU)) windowmove --sync "$WIN" 0 0; sleep 0.3
  measure
  resized=$((resized + 1)) last=$SECONDS
}
menu_game 0 1
resize_now  # in the middle of the deal
sleep 4
declare -A gone=()
# on_turn: the first seat's box is the red of the seat on turn.
on_turn() { [[ $(at "$(tx $((SEAT_BOX_LEFT[0] + 2)))" "$(ty 50)") == "255,0,0" ]]; }
# there c: card c still lies on the table.
there() { [[ -z ${gone[$1]:-} && $(at "$(card_x "$1")" "$(card_y "$1")") != "0,128,0" ]]; }
failed_once="" result=""
for _ in $(seq 600); do
  result=$(xdotool search --onlyvisible --name '^結果$' 2>/dev/null | head -n1) || true
  [[ -n $result ]] && break
  ((SECONDS - last >= 3)) && resize_now
  if on_turn; then
    rest
    if [[ -z $failed_once ]]; then
      # A failed attempt first, so that the computer gets a turn.
      read -r a _ <<<"${pairs[0]}"
      for p in "${pairs[@]}"; do read -r b _ <<<"$p"; ((RANK[b] != RANK[a])) && break; done
      click "$(card_x "$a")" "$(card_y "$a")" 0.4; click "$(card_x "$b")" "$(card_y "$b")" 2.5
      failed_once=1
      continue
    fi
    for p in "${pairs[@]}"; do
      read -r a b <<<"$p"
      there "$a" && there "$b" || { gone[$a]=1; gone[$b]=1; continue; }
      hover "$a"
      turn_up "$a" xdotool click 1
      hover "$b"
      turn_up "$b" xdotool click 1
      break
    done
    sleep 1.5
  fi
  sleep 0.2
done
[[ -n $result ]] || fail "the game against the computer did not end"
((resized >= 4)) || fail "the window was resized only $resized times"
shot versus-result
ok "a game against the computer, resized $resized times while it was played, ends with its result"
stop_game

# --- The window comes back as it was left --------------------------------------
# Under the window manager: larger and elsewhere, closed through the menu; then
# maximised, closed; each time the next start shows it as it was.
jwm -f "$jwm_config" >/dev/null 2>&1 & PIDS+=($!)
sleep 1
close_game() {
  xdotool windowactivate --sync "$WIN" 2>/dev/null || true
  key ctrl+q
  for _ in $(seq 30); do (($(count_windows) >= 2)) && break; sleep 0.1; done
  key y
  for _ in $(seq 50); do kill -0 "$GPID" 2>/dev/null || break; sleep 0.1; done
  ! kill -0 "$GPID" 2>/dev/null || fail "the game did not end after Yes"
}
rm -f "$STATE_FILE"
start_game
xdotool windowsize --sync "$WIN" 1000 $((650 + MENU)); xdotool windowmove --sync "$WIN" 300 200
sleep 0.5
measure
left="${WX} ${WY} ${WW} ${WH}"
close_game
[[ -s $STATE_FILE ]] || fail "no window file after closing"
start_game
measure
[[ "${WX} ${WY} ${WW} ${WH}" == "$left" ]] || fail "the window came back at ${WX} ${WY} ${WW} ${WH}, not $left"
shot restored
ok "the window comes back where and as large as it was left"

xdotool windowactivate --sync "$WIN" 2>/dev/null || true
key alt+F10
sleep 1
measure
maximised="${WW} ${WH}"
((WW > 1500)) || fail "the window manager did not maximise the window"
close_game
start_game
sleep 0.5
measure
[[ "${WW} ${WH}" == "$maximised" ]] || fail "the maximised window came back ${WW}x$WH, not $maximised"
shot restored-maximised
ok "a maximised window comes back maximised"
close_game

# A damaged file: passed over, the window opens at its smallest, and the file is
# replaced when the game closes.
head -c 40 /dev/urandom >"$STATE_FILE"
start_game
measure
[[ $WW == "$TABLE_WIDTH" && $((WH - MENU)) == "$TABLE_HEIGHT" ]] || fail "with a damaged file the window is ${WW}x$WH"
shot damaged-file
close_game
[[ $(head -c 4 "$STATE_FILE" | od -An -tx1 | tr -d ' \n') == 01d9d0cb ]] || fail "the damaged file was not replaced"
ok "a damaged window file is passed over and replaced"
