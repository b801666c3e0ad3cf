# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the install checks: the files an installed game is made of, relative
# to the prefix (the Debian package installs them under /usr).
# The checks run in a UTF-8 locale whatever the caller's is (see tests/screen/lib.sh).
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset LANGUAGE
# expected_files SOURCE_DIR: one path a line, sorted.
expected_files() {
  local n f
  {
    echo games/tomavel
    for f in "$1"/assets/sound/*.wav; do echo "share/tomavel/sound/$(basename "$f")"; done
    echo share/doc/tomavel/readme.txt
    for f in "$1"/data/readme-*.txt; do echo "share/doc/tomavel/$(basename "$f")"; done
    echo share/doc/tomavel/copyright
    echo share/doc/tomavel/changelog.gz
    echo share/man/man6/tomavel.6.gz
    echo share/applications/org.example.Tomavel.desktop
    echo share/metainfo/org.example.Tomavel.metainfo.xml
    for n in 16 22 24 32 48 64 128 256; do echo "share/icons/hicolor/${n}x${n}/apps/org.example.Tomavel.png"; done
  } | LC_ALL=C sort
}
fail() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok: $*"; }
