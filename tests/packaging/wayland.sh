#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game on Wayland, through Qt's own Wayland support, in a headless weston:
# the window comes up with its 640 x 420 table wherever the compositor puts it,
# and a solitaire game plays to the end and saves its score. No outside program
# can move the mouse there, so the game plays itself (selfplay_main.cpp);
# screenshots are kept in build/screen-shots/wayland/.
set -euo pipefail
SELFPLAY=${1:?usage: wayland.sh path/to/tomavel_selfplay path/to/build/bin}
GAME_DIR=${2:?usage: wayland.sh path/to/tomavel_selfplay path/to/build/bin}
source "$(dirname "$0")/lib.sh"
# The table's size and the cards' (geometryprint is built beside the self-playing game).
eval "$("$(dirname "$SELFPLAY")/geometryprint")"
SHOTS=$GAME_DIR/../screen-shots/wayland
mkdir -p "$SHOTS"
WORK=$(mktemp -d)
PIDS=()
cleanup() {
  local i
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [[ -f $WORK/game.log ]] && cat "$WORK/game.log" "$WORK/game.err"; exit 1; }

# A private copy of the program folder: its own settings, scores and lock.
cp -r "$GAME_DIR" "$WORK/bin"
rm -f "$WORK/bin/tomavel.ini" "$WORK/bin/solsc.dat"
cp "$SELFPLAY" "$WORK/bin/tomavel_selfplay"

mkdir -m 700 "$WORK/run"
export XDG_RUNTIME_DIR=$WORK/run
unset DISPLAY WAYLAND_SOCKET
# --debug lets weston-screenshooter take pictures of the output.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --socket=tomavel \
  --idle-time=0 --debug --log="$WORK/weston.log" >/dev/null 2>&1 & PIDS+=($!)
for _ in $(seq 100); do [[ -S $WORK/run/tomavel ]] && break; sleep 0.1; done
[[ -S $WORK/run/tomavel ]] || { cat "$WORK/weston.log"; fail "weston did not start"; }
export WAYLAND_DISPLAY=tomavel QT_QPA_PLATFORM=wayland SDL_AUDIODRIVER=dummy
# A headless weston has no seat (no keyboard, no pointer), and Qt 6.4's Wayland
# input method then crashes as soon as a text box draws its cursor; every
# desktop has a seat, so here the input method is left out.
export QT_IM_MODULE=none

shot() {  # shot NAME: the compositor's output as $SHOTS/NAME.png
  rm -f "$WORK"/wayland-screenshot-*.png
  (cd "$WORK" && weston-screenshooter >/dev/null 2>&1) || return 1
  mv "$WORK"/wayland-screenshot-*.png "$SHOTS/$1.png"
}

# The messages the game sends the compositor are logged; only the window's
# application id and Qt's own complaints are kept.
WAYLAND_DEBUG=client "$WORK/bin/tomavel_selfplay" >"$WORK/game.log" \
  2> >(grep --line-buffered -i -e set_app_id -e '^qt\.' -e error -e warning >"$WORK/game.err") &
GPID=$!; PIDS+=($GPID)
seen=0
for _ in $(seq 1800); do
  mapfile -t lines <"$WORK/game.log"
  for ((; seen < ${#lines[@]}; seen++)); do
    [[ ${lines[seen]} == "shot "* ]] && { shot "${lines[seen]#shot }" || fail "no screenshot"; }
  done
  kill -0 "$GPID" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$GPID" 2>/dev/null && fail "the game did not play to the end and close within 3 minutes"
code=0; wait "$GPID" || code=$?
grep -qx 'message やめる？？' "$WORK/game.log" && [[ $code -eq 0 ]] || fail "the game did not close on Yes (exit $code)"

grep -qx 'platform wayland' "$WORK/game.log" || fail "Qt did not use its Wayland platform"
grep -qx "table $TABLE_WIDTH $TABLE_HEIGHT" "$WORK/game.log" ||
  fail "the table is not $TABLE_WIDTH x $TABLE_HEIGHT"
ok "the window comes up on Wayland with a $TABLE_WIDTH x $TABLE_HEIGHT table"
# Desktops find the menu entry, and so the icon, by the window's application id.
grep -q 'set_app_id("org.example.Tomavel")' "$WORK/game.err" ||
  fail "the window's application id is not org.example.Tomavel"
ok "the window's application id names the menu entry org.example.Tomavel.desktop"

# On the compositor's output: the empty green table, whole and unscaled.
green() {  # green PNG -> "WxH+X+Y AREA" of the table colour
  convert "$1" -fill black +opaque 'rgb(0,128,0)' -fill white -opaque 'rgb(0,128,0)' \
    -format '%@ %[fx:round(mean*w*h)]\n' info:
}
read -r box area < <(green "$SHOTS/table.png")
[[ ${box%%+*} == ${TABLE_WIDTH}x$TABLE_HEIGHT && $area -eq $((TABLE_WIDTH * TABLE_HEIGHT)) ]] ||
  fail "the screen shows the table as $box ($area pixels)"
ok "the screen shows the whole table at $box"
read -r _ dealt < <(green "$SHOTS/deal.png")
((dealt < area - 54 * CELL_WIDTH * CELL_HEIGHT + 1000)) || fail "no cards on the table after the deal"
ok "the cards are dealt"

[[ $(grep -c '^pairs ' "$WORK/game.log") -eq 27 ]] || fail "not all 27 pairs were taken"
grep -q '^message ゲーム時間が' "$WORK/game.log" || fail "no placing after the game"
grep -q Wayland "$WORK/bin/solsc.dat" || fail "the name was not saved in solsc.dat"
ok "a solitaire game plays to the end; its placing is told and the score saved"
ok "closing asks, and Yes ends the game"
