#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed game as a player without rights to its folder runs it: from a
# scratch install (DESTDIR), under Xvfb, as an unprivileged user (nobody, when
# the checks run as root; else the caller, with the program folder made
# read-only). It starts with no message, keeps its two files in that player's
# XDG folders (and in ~/.config and ~/.local/share when those are unset), plays
# a solitaire game to the end and saves the score there.
# Screenshots are kept in build/screen-shots/installed_game/.
set -euo pipefail
BUILD=${4:?usage: installed_game.sh GAME PINNED DEALPRINT BUILD_DIR}
source "$(dirname "$0")/../screen/lib.sh"

DESTDIR=$WORK/root cmake --install "$BUILD" --prefix /usr >/dev/null
PROGRAM=$WORK/root/usr/games
[[ -x $PROGRAM/tomavel && ! -e $PROGRAM/sound ]] || fail "no installed game in $PROGRAM"
# The same program with its deal pinned, beside the installed one: it finds its
# files exactly as the installed game does.
cp "$PINNED" "$PROGRAM/tomavel_pinned"
PLAYER_HOME=$WORK/home
mkdir -p "$PLAYER_HOME" "$WORK/runtime"
chmod 700 "$WORK/runtime"
if [[ $(id -u) -eq 0 ]]; then
  player=nobody
  chown "$(id -u nobody):$(id -g nobody)" "$PLAYER_HOME" "$WORK/runtime"
  chmod 755 "$WORK"  # mktemp made it private to root
  as_player=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups --)
else
  player=$(id -un)
  chmod a-w "$PROGRAM"
  as_player=()
  # The read-only folder must be writable again for the clean-up.
  trap 'chmod u+w "$PROGRAM"; cleanup' EXIT
fi
"${as_player[@]}" test -w "$PROGRAM" && fail "$player may write to the program folder"
"${as_player[@]}" touch "$PLAYER_HOME/.can-write" || fail "$player cannot write to the home folder"
rm -f "$PLAYER_HOME/.can-write"

# launcher PROGRAM [xdg]: a command that runs PROGRAM as the player, with the
# environment of a desktop session (a UTF-8 locale, as the window title needs);
# with xdg, XDG_CONFIG_HOME and XDG_DATA_HOME are set too.
launcher() {
  local to=$WORK/launch-$1-${2:-plain} xdg=""
  [[ -n ${2:-} ]] && xdg="XDG_CONFIG_HOME=$PLAYER_HOME/config XDG_DATA_HOME=$PLAYER_HOME/data"
  cat >"$to" <<LAUNCH
#!/bin/sh
exec ${as_player[*]} env -i HOME=$PLAYER_HOME $xdg XDG_RUNTIME_DIR=$WORK/runtime DISPLAY=$DISPLAY \
  LANG=C.UTF-8 SDL_AUDIODRIVER=dummy PATH=/usr/bin:/bin "$PROGRAM/$1" "\$@"
LAUNCH
  chmod 755 "$to"
  echo "$to"
}
no_files_beside() {
  [[ -z $(find "$PROGRAM" -name tomavel.ini -o -name solsc.dat) ]] || fail "files written beside the game"
}

# First start, XDG variables unset: the files go to ~/.config and ~/.local/share.
GAME=$(launcher tomavel)
start_game
[[ $WW -eq $TABLE_WIDTH && $WH -eq $((TABLE_HEIGHT + MENU)) ]] || fail "window is ${WW}x${WH}"
sleep 1
[[ $(count_windows) -eq 1 ]] || { shot message; fail "a message came up at start"; }
shot start
[[ -f $PLAYER_HOME/.config/tomavel/tomavel.ini ]] || fail "no tomavel.ini in ~/.config/tomavel"
[[ $(stat -c %s "$PLAYER_HOME/.local/share/tomavel/solsc.dat") -eq 511 ]] ||
  fail "no fresh solsc.dat in ~/.local/share/tomavel"
[[ $(stat -c %U "$PLAYER_HOME/.config/tomavel/tomavel.ini") == "$player" ]] || fail "the files are not $player's"
no_files_beside
ok "started as $player with no message; tomavel.ini in ~/.config/tomavel, solsc.dat in ~/.local/share/tomavel"
# On X11, desktops match the window to the menu entry by its class.
wm_class=$(xprop -id "$WIN" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
[[ -n $wm_class && $wm_class == "$(sed -n 's/^StartupWMClass=//p' \
  "$WORK/root/usr/share/applications/org.example.Tomavel.desktop")" ]] ||
  fail "the window's class $wm_class is not the menu entry's StartupWMClass"
ok "the window's class $wm_class is the menu entry's StartupWMClass"
kill "$GPID"; wait "$GPID" 2>/dev/null || true

# Second start with XDG_CONFIG_HOME and XDG_DATA_HOME: a whole solitaire game.
SEED=20011
load_deal $SEED
PINNED=$(launcher tomavel_pinned xdg)
start_game $SEED
[[ $(count_windows) -eq 1 ]] || fail "a message came up at start"
[[ -f $PLAYER_HOME/config/tomavel/tomavel.ini && -f $PLAYER_HOME/data/tomavel/solsc.dat ]] ||
  fail "the files are not in \$XDG_CONFIG_HOME/tomavel and \$XDG_DATA_HOME/tomavel"
ok "with XDG_CONFIG_HOME and XDG_DATA_HOME set, the files are there"
menu_game 0 5
declare -A first_of
for c in $(seq 1 54); do
  r=${RANK[c]}
  if [[ -n ${first_of[$r]:-} ]]; then
    move 60 400 0.05
    click_card "${first_of[$r]}" 0.35; click_card "$c" 0.3
    sleep 1.6
    unset "first_of[$r]"
  else
    first_of[$r]=$c
  fi
done
shot game-over
wait_for_window トマベル 5 >/dev/null || fail "no placing after the game"
sleep 1
key Return
sw=$(wait_for_window "１人トマベル　結果" 10) || fail "no score table after the game"
sleep 0.5
xdotool type --delay 40 "Player"
shot score-table
eval "$(xdotool getwindowgeometry --shell "$sw")"
xdotool mousemove --sync $((X + 440)) $((Y + 200)) click 1
sleep 1
grep -q Player "$PLAYER_HOME/data/tomavel/solsc.dat" || fail "the score was not saved in \$XDG_DATA_HOME/tomavel"
no_files_beside
ok "a solitaire game plays to the end and its score is saved in \$XDG_DATA_HOME/tomavel/solsc.dat"
