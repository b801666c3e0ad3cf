# Shared by the on-screen checks: a private Xvfb, a private copy of the game's
# folder (its own settings, score file and lock), and a few xdotool helpers.
# Screenshots are kept in build/screen-shots/<test>/ to look at.
set -euo pipefail
GAME_BIN=${1:?usage: test.sh path/to/tomavel}
TEST_NAME=$(basename "$0" .sh)
SHOTS=$(dirname "$GAME_BIN")/../screen-shots/$TEST_NAME
mkdir -p "$SHOTS"
WORK=$(mktemp -d)
cp -r "$(dirname "$GAME_BIN")" "$WORK/bin"
rm -f "$WORK/bin/tomavel.ini" "$WORK/bin/solsc.dat"
GAME="$WORK/bin/tomavel"
PIDS=()
cleanup() {
  local i
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT
export SDL_AUDIODRIVER=dummy

for n in $(shuf -i 500-599 -n 30); do
  [[ -e /tmp/.X$n-lock ]] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & PIDS+=($!)
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break 2; sleep 0.1; done
done
xdpyinfo >/dev/null 2>&1 || { echo "no X server"; exit 1; }

fail() { echo "FAIL: $*"; shot "failure" || true; exit 1; }
ok() { echo "ok: $*"; }

# start_game: runs the game, waits for its window; sets GPID, WIN, WX, WY.
start_game() {
  "$GAME" & GPID=$!; PIDS+=($GPID)
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
cell_x() { echo $((168 + 52 * $1 + 24)); }
cell_y() { echo $((MENU + 4 + 69 * $1 + 32)); }
