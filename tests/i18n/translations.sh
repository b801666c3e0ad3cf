#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The English translation is whole and up to date: lupdate run over the sources
# into a copy of translations/tomavel_en.ts changes nothing (no text marked in
# src/ is missing from the file, none in it is gone from src/), and every text
# has a finished, non-empty translation.
set -euo pipefail
SRC=$(cd "$(dirname "$0")/../.." && pwd)
TS=$SRC/translations/tomavel_en.ts
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cp "$TS" "$WORK/tomavel_en.ts"
"$SRC/scripts/update-translations" "$WORK/tomavel_en.ts"
diff -u "$TS" "$WORK/tomavel_en.ts" ||
  fail "translations/tomavel_en.ts is stale: run scripts/update-translations and translate what is new"

count=$(grep -c '<message>' "$TS")
grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"\|<translation></translation>\|<translation/>' "$TS" &&
  fail "texts above have no English translation"
((count == $(grep -c '<translation>[^<]' "$TS"))) || fail "some texts have an empty translation"
echo "ok: $count texts, every one in English, and the file matches the sources"
