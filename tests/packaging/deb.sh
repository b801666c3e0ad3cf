#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: built by CPack, it holds exactly the installed game's
# files under /usr, owned by root, with a control file that names the game's
# section and what it needs; apt would install it here, and lintian finds no
# errors or warnings.
set -euo pipefail
BUILD=${1:?usage: deb.sh BUILD_DIR SOURCE_DIR}
SRC=${2:?usage: deb.sh BUILD_DIR SOURCE_DIR}
source "$(dirname "$0")/lib.sh"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK" >"$WORK/cpack.log" 2>&1 || { cat "$WORK/cpack.log"; fail "cpack"; }
debs=("$WORK"/tomavel_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "no single tomavel_*.deb"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[[ $(basename "$deb") == "tomavel_2001.11_$arch.deb" ]] || fail "package file is $(basename "$deb")"
ok "$(basename "$deb"), $(stat -c %s "$deb") bytes"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == tomavel && $(field Version) == 2001.11 && $(field Section) == games &&
   $(field Architecture) == "$arch" ]] || fail "control file: $(dpkg-deb -f "$deb")"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "maintainer is '$(field Maintainer)'"
depends=$(field Depends)
# From the shared libraries, and what they cannot show: the sound mixer the game
# loads itself, the fonts, Qt's Japanese button texts and its Wayland plugin.
for need in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libsdl2-mixer-2.0-0 \
  fonts-motoya-l-maruberi fonts-ipafont-mincho qt6-translations-l10n qt6-wayland; do
  [[ ", $depends," == *", $need"[\ ,]* ]] || fail "Depends lacks $need: $depends"
done
[[ $(field Recommends) == xdg-utils ]] || fail "Recommends is '$(field Recommends)', not xdg-utils"
ok "control file: tomavel 2001.11, section games, Depends: $depends; Recommends: xdg-utils"

# Contents: the installed file list under /usr; root owns everything; files are
# read-only for others, the game and the folders executable.
diff <(expected_files "$SRC" | sed 's|^|usr/|') \
  <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort) ||
  fail "the package's files differ from the list above (< wanted, > in the package)"
dpkg-deb -c "$deb" >"$WORK/contents"
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$WORK/contents" || fail "files not owned by root"
awk '($1 ~ /^d/ && $1 != "drwxr-xr-x") || ($1 ~ /^-/ && $6 != "./usr/games/tomavel" && $1 != "-rw-r--r--") ||
     ($6 == "./usr/games/tomavel" && $1 != "-rwxr-xr-x") { print; bad = 1 } END { exit bad }' "$WORK/contents" ||
  fail "unexpected permissions"
dpkg-deb -x "$deb" "$WORK/x"
readelf -S "$WORK/x/usr/games/tomavel" | grep -q '\.symtab' && fail "the game is not stripped"
ok "contents: $(grep -vc '/$' "$WORK/contents") files under /usr, owned by root, game stripped"

# What apt would do with it on this machine: every dependency can be met.
apt-get install --simulate --no-install-recommends "$deb" >"$WORK/apt.log" 2>&1 ||
  { cat "$WORK/apt.log"; fail "apt cannot install the package"; }
ok "apt-get install --simulate ./$(basename "$deb") succeeds"

# lintian: no errors and no warnings (informational notes are listed, not fatal).
code=0
lintian --fail-on error,warning --display-info "$deb" >"$WORK/lintian.log" 2>&1 || code=$?
grep -v 'running with root privileges' "$WORK/lintian.log" || true
[[ $code -eq 0 ]] || fail "lintian reports errors or warnings"
ok "lintian: no errors, no warnings"
