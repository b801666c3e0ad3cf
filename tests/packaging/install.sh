#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# "cmake --install" into a scratch folder: exactly the game's files land there,
# and the menu entry, the AppStream data, the icons and the help file are what
# a desktop and a player expect.
set -euo pipefail
BUILD=${1:?usage: install.sh BUILD_DIR SOURCE_DIR}
SRC=${2:?usage: install.sh BUILD_DIR SOURCE_DIR}
source "$(dirname "$0")/lib.sh"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

DESTDIR=$WORK/root cmake --install "$BUILD" --prefix /usr >/dev/null
ROOT=$WORK/root/usr
diff <(expected_files "$SRC") <(cd "$ROOT" && find . -type f -printf '%P\n' | LC_ALL=C sort) ||
  fail "the installed files differ from the list above (< wanted, > installed)"
[[ -z $(find "$WORK/root" -mindepth 1 -maxdepth 1 ! -name usr) ]] || fail "files outside the prefix"
[[ -x $ROOT/games/tomavel ]] || fail "the game is not executable"
ok "the game, $(ls "$ROOT/share/tomavel/sound" | wc -l) sound effects, help file, menu entry, AppStream data and icons"

# The menu entry and the AppStream data, as the desktop's own tools check them.
desktop-file-validate "$ROOT/share/applications/org.example.Tomavel.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$ROOT/share/metainfo/org.example.Tomavel.metainfo.xml" ||
  fail "appstreamcli validate"
ok "desktop-file-validate and appstreamcli validate --no-net pass"

# They name the installed program and icon, and each other.
entry=$ROOT/share/applications/org.example.Tomavel.desktop
[[ $(sed -n 's/^Exec=//p' "$entry") == tomavel ]] || fail "the menu entry does not start tomavel"
[[ $(sed -n 's/^Icon=//p' "$entry") == org.example.Tomavel ]] || fail "the menu entry names another icon"
grep -qx 'Categories=Game;CardGame;' "$entry" || fail "the menu entry is not under Game;CardGame;"
grep -q '^Name\[ja\]=トマベル$' "$entry" && grep -q '^Name=Tomavel$' "$entry" ||
  fail "the menu entry lacks its Japanese or English name"
meta=$ROOT/share/metainfo/org.example.Tomavel.metainfo.xml
grep -q '<launchable type="desktop-id">org.example.Tomavel.desktop</launchable>' "$meta" ||
  fail "the AppStream data does not launch the menu entry"
grep -q '<binary>tomavel</binary>' "$meta" || fail "the AppStream data does not provide the game"
grep -q '<release version="2001.11" date="[0-9-]*"' "$meta" || fail "no release 2001.11 with a date"
ok "menu entry and AppStream data name the installed game and its icon"

# Every icon at its own size.
for n in 16 22 24 32 48 64 128 256; do
  size=$(identify -format '%wx%h' "$ROOT/share/icons/hicolor/${n}x${n}/apps/org.example.Tomavel.png")
  [[ $size == "${n}x${n}" ]] || fail "the ${n}x${n} icon is $size"
done
ok "eight icons at their sizes"

# The help file: Japanese in CP932 with CR LF line ends, as it is in the build tree.
readme=$ROOT/share/doc/tomavel/readme.txt
cmp -s "$readme" "$BUILD/bin/readme.txt" || fail "the installed help file is not the one beside the built game"
iconv -f CP932 -t UTF-8 "$readme" >"$WORK/readme.utf8" || fail "the help file is not CP932"
[[ $(grep -c $'\r$' "$readme") -eq $(wc -l <"$readme") && $(tail -c 2 "$readme" | od -An -tx1) == " 0d 0a" ]] ||
  fail "the help file has a line that does not end in CR LF"
for topic in 遊び方 成績 ツバメ オオカミ トラ 設定 tomavel.ini solsc.dat XDG_CONFIG_HOME XDG_DATA_HOME; do
  grep -q "$topic" "$WORK/readme.utf8" || fail "the help file does not mention $topic"
done
for readme in "$ROOT"/share/doc/tomavel/readme-*.txt; do
  name=$(basename "$readme")
  cmp -s "$readme" "$BUILD/bin/$name" || fail "the installed $name is not the one beside the built game"
  iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null || fail "$name is not UTF-8"
  # The names that stay the same in every language: the files the help explains.
  for topic in tomavel.ini solsc.dat XDG_CONFIG_HOME; do
    grep -q "$topic" "$readme" || fail "$name does not mention $topic"
  done
done
readme=$ROOT/share/doc/tomavel/readme-en.txt
for topic in "How to play" Swallow Wolf Tiger Settings; do
  grep -q "$topic" "$readme" || fail "the English help does not mention $topic"
done
ok "help file in CP932 with CR LF and the translated ones in UTF-8, beside the built game and in the documentation folder"

# Compressed files carry no time stamp, so two builds give the same package.
for z in share/doc/tomavel/changelog.gz share/man/man6/tomavel.6.gz; do
  gzip -t "$ROOT/$z" || fail "$z is not gzip"
  [[ $(od -An -tx1 -j4 -N4 "$ROOT/$z") == " 00 00 00 00" ]] || fail "$z carries a time stamp"
done
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$ROOT/share/man/man6/tomavel.6.gz" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "the manual page has warnings: $warnings"
ok "changelog and manual page"
