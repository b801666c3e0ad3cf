#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up as a player sees it: the table, the data files, one copy only (a second
# start brings the first forward), and closing.
source "$(dirname "$0")/lib.sh"

# What the game plays lands in a file here, written as fast as a sound card would play it.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/sound.raw
export XDG_RUNTIME_DIR=$WORK/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_game
# The doorbells: in the runtime folder and the private temporary one, never beside the files.
BELL=$(cd "$XDG_RUNTIME_DIR" && ls tomavel-*.sock 2>/dev/null | head -n1)
[[ -n $BELL && -S $XDG_RUNTIME_DIR/$BELL && -S /tmp/tomavel-$(id -u)/$BELL ]] ||
  fail "no doorbells in the private folders"
[[ ! -e $WORK/bin/.tomavel.sock ]] || fail "a doorbell beside the files"
[[ $WW -eq $TABLE_WIDTH && $WH -eq $((TABLE_HEIGHT + MENU)) ]] ||
  fail "window is ${WW}x${WH}, want ${TABLE_WIDTH}x$((TABLE_HEIGHT + MENU))"
ok "client area $TABLE_WIDTH x $TABLE_HEIGHT below the menu bar"
middle="$((TABLE_WIDTH / 2)) $((MENU + TABLE_HEIGHT / 2))"
[[ $(pixel $middle) == "0,128,0" ]] || fail "table is $(pixel $middle), want green"
ok "green table"
# The window hands the desktop its icon in every size it is drawn at, so a task
# switcher or a dock shows a drawing of its own size. (xprop cuts long values short
# unless told otherwise.)
icons=$(xprop -len 1000000 -id "$WIN" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' |
  sed 's/Icon (\([0-9]*\) x .*/\1/' | sort -n | xargs)
[[ $icons == "16 22 24 32 48 64 96 128 256" ]] || fail "window icon sizes: $icons"
ok "window icon in sizes $icons"
[[ -f $WORK/bin/tomavel.ini && $(stat -c %s "$WORK/bin/solsc.dat") -eq 511 ]] ||
  fail "data files were not created beside the game"
ok "tomavel.ini and solsc.dat created"
shot table

# A second copy ends within a second, silently, with no window of its own, and
# brings the running game forward: here the game lies under another window,
# which has the focus.
xmessage -geometry 700x500+0+0 "another program" 2>/dev/null & PIDS+=($!)
COVER=$(wait_for_window xmessage) || fail "no covering window"
xdotool windowfocus --sync "$COVER"
sleep 0.3
[[ $(pixel $middle) != "0,128,0" ]] || fail "the game is not covered"
shot covered
start=$(date +%s%N)
timeout 10 "$GAME"; code=$?
ms=$(( ($(date +%s%N) - start) / 1000000 ))
[[ $code -eq 0 && $ms -lt 1000 ]] || fail "second copy: exit $code after $ms ms"
ok "second copy refused in $ms ms"
for _ in $(seq 20); do
  [[ $(pixel $middle) == "0,128,0" && $(xdotool getwindowfocus) == "$WIN" ]] && break
  sleep 0.1
done
shot brought-forward
[[ $(pixel $middle) == "0,128,0" ]] || fail "the game was not brought in front"
[[ $(xdotool getwindowfocus) == "$WIN" ]] || fail "the game did not get the focus"
[[ $(count_windows) -eq 1 ]] || fail "a second window appeared"
ok "the running game came to the front with the focus"
# Started from a launcher on X11: the launcher's busy cursor stops, because the
# running game completes the later start's notification with the id it was given.
"$(dirname "$DEALPRINT")/startupwatch" 5 >"$WORK/startup-messages" & WATCH=$!
PIDS+=($WATCH)
for _ in $(seq 50); do [[ -s $WORK/startup-messages ]] && break; sleep 0.1; done
timeout 10 env DESKTOP_STARTUP_ID="launcher/tomavel/4242-0-host_TIME0" "$GAME"
for _ in $(seq 30); do grep -q "^remove:" "$WORK/startup-messages" && break; sleep 0.1; done
grep -qx "remove: ID=launcher/tomavel/4242-0-host_TIME0" "$WORK/startup-messages" ||
  fail "no startup completion for a later start: $(cat "$WORK/startup-messages")"
ok "a later start's launcher notification is completed"
# Every id the startup-notification protocol allows is completed, quoted where
# it holds a blank, a tab or a line end: non-ASCII, an id of 600 bytes, even bytes
# that are no UTF-8 (sent as they came); and a Wayland token that is no token
# does not stand in the way of the X11 id beside it. (The watcher writes control
# characters as \xHH.)
"$(dirname "$DEALPRINT")/startupwatch" 20 >"$WORK/startup-ids" & PIDS+=($!)
for _ in $(seq 50); do [[ -s $WORK/startup-ids ]] && break; sleep 0.1; done
long="$(head -c 600 /dev/zero | tr '\0' L)_TIME0"
ids=("a b_TIME0" $'tab\there_TIME0' $'line\nend_TIME0' "$long" "üñí_TIME11" $'\xff\xfe_TIME0'
  'say "hi"\_TIME0')
expected=('remove: ID="a b_TIME0"' 'remove: ID="tab\x09here_TIME0"' 'remove: ID="line\x0aend_TIME0"'
  "remove: ID=$long" "remove: ID=üñí_TIME11" $'remove: ID=\xff\xfe_TIME0'
  'remove: ID="say \"hi\"\\_TIME0"' "remove: ID=beside-a-bad-token_TIME0")
for id in "${ids[@]}"; do
  timeout 10 env DESKTOP_STARTUP_ID="$id" "$GAME" || fail "a later start with id ${id@Q} failed"
done
timeout 10 env XDG_ACTIVATION_TOKEN=$'no token\x01' DESKTOP_STARTUP_ID=beside-a-bad-token_TIME0 \
  "$GAME" || fail "a later start with a bad Wayland token failed"
for line in "${expected[@]}"; do
  for _ in $(seq 30); do LC_ALL=C grep -aqFx -- "$line" "$WORK/startup-ids" && break; sleep 0.1; done
  LC_ALL=C grep -aqFx -- "$line" "$WORK/startup-ids" ||
    fail "no ${line@Q} among the startup messages: $(cat -v "$WORK/startup-ids")"
done
ok "every later start's id is completed, quoted as the protocol wants"
# Started from a session whose runtime folder is unusable: still refused.
timeout 10 env XDG_RUNTIME_DIR=/nonexistent "$GAME"; code=$?
[[ $code -eq 0 && $(count_windows) -eq 1 ]] || fail "a copy without a runtime folder: exit $code"
ok "a copy without a usable runtime folder is refused too"

# The menu, open.
click 20 10 0.5
shot menu-game
key Escape

# Closing in the middle of a game: "やめる？？" answered No lets the game go on;
# Yes ends the process at once, from inside the running game.
menu_game 0 5
menu_game 3  # 終了, below 開始, このゲームやめ, 成績 and a separator
[[ $(count_windows) -eq 2 ]] || fail "no closing question"
shot close-question
key n
kill -0 "$GPID" 2>/dev/null || fail "the game ended on No"
sleep 0.5
[[ $(pixel "$(cell_x 4)" "$(cell_y 2)") != "0,128,0" ]] || fail "the cards went away on No"
ok "No keeps the game running"
# Ctrl+Q asks the same question. (There is no window manager here to hand the
# focus back to the game when the question goes.)
xdotool windowfocus --sync "$WIN"
key ctrl+q
sleep 0.5
[[ $(count_windows) -eq 2 ]] || fail "no closing question on Ctrl+Q"
shot close-question-ctrl-q
key n
sleep 0.3
kill -0 "$GPID" 2>/dev/null || fail "the game ended on No after Ctrl+Q"
[[ $(count_windows) -eq 1 ]] || fail "the question stayed after No"
ok "Ctrl+Q asks before closing"
menu_game 3  # 終了, below 開始, このゲームやめ, 成績 and a separator
key y
for _ in $(seq 30); do kill -0 "$GPID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GPID" 2>/dev/null && fail "the game did not end on Yes"
ok "Yes ends the game"
[[ ! -e $WORK/bin/.tomavel.lock ]] ||
  fail "the lock was left beside the files: $(ls -A "$WORK/bin" | grep '^\.' | xargs)"
[[ ! -e $XDG_RUNTIME_DIR/$BELL && ! -e /tmp/tomavel-$(id -u)/$BELL ]] || fail "a doorbell was left behind"
ok "no lock or doorbell left behind"

# The sound device is not held while nothing sounds: it opened for the deal's
# first sound, so the recording (which starts when the device opens) begins with
# that sound, within a buffer or two, not with seconds of silence before it.
first_sound() {  # seconds into the 16-bit stereo recording of the first loud sample, and the peak
  od -An -v -td2 -w2 "$WORK/sound.raw" | awk '
    { v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v; if (v > 4000 && !at) at = NR }
    END { printf "%.2f %d\n", at ? at / 2 / 44100 : -1, peak }'
}
read -r at peak < <(first_sound)
awk -v at="$at" 'BEGIN { exit !(at >= 0 && at < 0.1) }' && ((peak > 12000)) ||
  fail "first sound at $at s into the recording, peak $peak"
ok "the device opened for the deal's sound, heard $at s after it opened (peak $peak)"
