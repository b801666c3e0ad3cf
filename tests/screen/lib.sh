# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the on-screen checks: a private Xvfb, a private copy of the game's
# folder (its own settings, score file and lock), and a few xdotool helpers.
# Screenshots are kept in build/screen-shots/<test>/ to look at (or in SHOTS, when
# the caller sets it before sourcing this file).
set -euo pipefail
# The game and the X tools run in a UTF-8 locale whatever the caller's is: with no
# locale at all Qt writes the title into WM_NAME as raw UTF-8 typed STRING, and
# xdotool would never find the window by its name.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset LANGUAGE
GAME_BIN=${1:?usage: test.sh path/to/tomavel tomavel_pinned dealprint}
TEST_NAME=$(basename "$0" .sh)
SHOTS=${SHOTS:-$(dirname "$GAME_BIN")/../screen-shots/$TEST_NAME}
mkdir -p "$SHOTS"
WORK=$(mktemp -d)
cp -r "$(dirname "$GAME_BIN")" "$WORK/bin"
# The copy starts with no settings, scores, lock or doorbell a game run in the
# build folder may have left there.
rm -rf "$WORK/bin/tomavel.ini" "$WORK/bin/solsc.dat" "$WORK/bin"/.tomavel.*
GAME="$WORK/bin/tomavel"
# The pinned test build and the program that prints its deal, when given.
PINNED=""
DEALPRINT=${3:-}
if [[ -n ${2:-} ]]; then cp "$2" "$WORK/bin/tomavel_pinned"; PINNED="$WORK/bin/tomavel_pinned"; fi
# Where the game puts its cells, seat panels and hand marker (table coordinates),
# as printed by geometryprint, which is built beside dealprint.
eval "$("$(dirname "${DEALPRINT:?no dealprint given}")/geometryprint")"
PIDS=()
cleanup() {
  local i
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT
export SDL_AUDIODRIVER=dummy

# The server picks a free display itself, so parallel runs never share one. A check
# that needs a larger screen sets SCREEN (WIDTHxHEIGHTxDEPTH) before sourcing this file.
Xvfb -displayfd 3 -screen 0 "${SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$WORK/display" >/dev/null 2>&1 & PIDS+=($!)
for _ in $(seq 100); do [[ -s $WORK/display ]] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$WORK/display")"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "no X server"; exit 1; }

fail() { echo "FAIL: $*"; shot "failure" || true; exit 1; }
ok() { echo "ok: $*"; }

# start_game [SEED]: runs the game (the pinned build with a seed), waits for its
# window; sets GPID, WIN, WX, WY.
start_game() {
  if [[ -n ${1:-} ]]; then "$PINNED" "$1" & GPID=$!; else "$GAME" & GPID=$!; fi
  PIDS+=($GPID)
  WIN=""
  for _ in $(seq 100); do
    WIN=$(xdotool search --onlyvisible --name '^トマベル$' 2>/dev/null | head -n1) || true
    [[ -n $WIN ]] && break; sleep 0.1
  done
  [[ -n $WIN ]] || fail "no window within 10 s"
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  WX=$X; WY=$Y; WW=$WIDTH; WH=$HEIGHT
  sleep 0.5
}
# Window-relative mouse and keys.
click() { xdotool mousemove --sync $((WX + $1)) $((WY + $2)) click 1; sleep "${3:-0.3}"; }
move() { xdotool mousemove --sync $((WX + $1)) $((WY + $2)); sleep "${3:-0.2}"; }
key() { xdotool key "$@"; sleep 0.3; }
shot() { import -window root "$SHOTS/$1.png"; }
# pixel X Y -> "R,G,B" of the screen at window-relative X, Y
pixel() {
  import -window root -crop 1x1+$((WX + $1))+$((WY + $2)) -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n1
}
# The client area starts below the 19-pixel menu bar.
MENU=19
# Menu items: "ゲーム" at x 20, its items 22 pixels apart below the bar.
menu_game() { click 20 10 0.4; click 40 $((MENU + 12 + 22 * $1)) "${2:-0.5}"; }
# Visible windows titled トマベル (message boxes share the title).
count_windows() { xdotool search --onlyvisible --name '^トマベル$' 2>/dev/null | wc -l; }
# The card at column c, row r: centre of its cell in window coordinates.
cell_x() { echo $((CELL_CX[$1])); }
cell_y() { echo $((MENU + CELL_CY[$1])); }
# A point inside seat s's panel box, left of its character, in window coordinates.
panel_x() { echo $((SEAT_BOX_LEFT[$1] + 2)); }
panel_y() { echo $((MENU + SEAT_BOX_TOP[$1] + SEAT_BOX_HEIGHT[$1] / 2)); }
# load_deal SEED: RANK[c], COL[c], ROW[c] of every card of the pinned deal.
load_deal() {
  RANK=(); COL=(); ROW=()
  while read -r c r k w; do RANK[c]=$r; COL[c]=$k; ROW[c]=$w; done < <("$DEALPRINT" "$1")
}
# click_card c: clicks card number c where the deal put it.
click_card() { click "$(cell_x "${COL[$1]}")" "$(cell_y "${ROW[$1]}")" "${2:-0.5}"; }
# wait_for_window TITLE [SECONDS]: prints the id of a visible window with that title.
wait_for_window() {
  local w=""
  for _ in $(seq $((${2:-10} * 10))); do
    w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
    [[ -n $w ]] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
