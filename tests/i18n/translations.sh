#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A translation is whole and up to date: lupdate run over the sources into a
# copy of translations/tomavel_<code>.ts changes nothing (no text marked in src/
# is missing from the file, none in it is gone from src/), and every text has a
# finished, non-empty translation in every plural form, keeping the source's
# %1, %2 ...; and the language has its help file (data/readme-<code>.txt) and its
# lines in the menu entry and the AppStream data. Names each thing that is
# missing or wrong.
#
# Usage: translations.sh [CODE ...]   (every translations/tomavel_*.ts without one)
set -euo pipefail
SRC=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
if (($# == 0)); then
  for ts in "$SRC"/translations/tomavel_*.ts; do name=$(basename "$ts" .ts); set -- "$@" "${name#tomavel_}"; done
fi
failed=()
for code in "$@"; do
  TS=$SRC/translations/tomavel_$code.ts
  [[ -f $TS ]] || { echo "FAIL [$code]: there is no translations/tomavel_$code.ts"; failed+=("$code"); continue; }
  cp "$TS" "$WORK/tomavel_$code.ts"
  "$SRC/scripts/update-translations" "$WORK/tomavel_$code.ts"
  if diff -u "$TS" "$WORK/tomavel_$code.ts" >"$WORK/diff"; then
    echo "ok [$code]: translations/tomavel_$code.ts matches the sources"
  else
    echo "FAIL [$code]: translations/tomavel_$code.ts is stale: run scripts/update-translations and translate what is new"
    grep '^[-+] *<source>' "$WORK/diff" | sed 's/^-/  gone from the sources: /; s/^+/  new in the sources: /' || true
    failed+=("$code")
    # What follows reads the file as it will be once brought up to date.
    TS=$WORK/tomavel_$code.ts
  fi
  python3 -B - "$TS" "$code" <<'PY' || failed+=("$code")
import re, sys, xml.etree.ElementTree as ET
path, code = sys.argv[1], sys.argv[2]
root = ET.parse(path).getroot()
problems, count = [], 0
for context in root.iter("context"):
    where = context.findtext("name")
    for message in context.iter("message"):
        count += 1
        source = message.findtext("source") or ""
        tr = message.find("translation")
        kind = tr.get("type") if tr is not None else "missing"
        forms = [f.text or "" for f in tr.iter("numerusform")] if tr is not None else []
        texts = forms if message.get("numerus") == "yes" else [tr.text or "" if tr is not None else ""]
        label = "%s: %s" % (where, source.replace("\n", "\\n"))
        if kind in ("unfinished", "vanished", "obsolete", "missing"):
            problems.append("untranslated (%s) %s" % (kind, label))
        elif any(not t.strip() for t in texts):
            problems.append("empty translation %s" % label)
        else:
            want = sorted(set(re.findall(r"%\d", source)))
            for t in texts:
                if sorted(set(re.findall(r"%\d", t))) != want:
                    problems.append("placeholders %s in the source, %s in %r: %s" % (
                        want, sorted(set(re.findall(r"%\d", t))), t, label))
                    break
for p in problems:
    print("FAIL [%s]: %s" % (code, p))
if problems:
    sys.exit(1)
print("ok [%s]: %d texts, every one translated" % (code, count))
PY
  # Beside the game's texts, a language has its help and its lines in the menu
  # entry and the AppStream data (English is their untagged default).
  missing=()
  [[ -f $SRC/data/readme-$code.txt ]] || missing+=("help file data/readme-$code.txt")
  if [[ $code != en ]]; then
    for key in GenericName Comment Keywords; do
      grep -q "^$key\[$code\]=" "$SRC/data/org.example.Tomavel.desktop" ||
        missing+=("${key}[$code] in data/org.example.Tomavel.desktop")
    done
    for tag in summary p li keyword; do
      grep -q "<$tag xml:lang=\"$code\">" "$SRC/data/org.example.Tomavel.metainfo.xml" ||
        missing+=("<$tag xml:lang=\"$code\"> in data/org.example.Tomavel.metainfo.xml")
    done
  fi
  if ((${#missing[@]})); then
    for m in "${missing[@]}"; do echo "FAIL [$code]: no $m"; done
    failed+=("$code")
  else
    echo "ok [$code]: its help, menu entry and AppStream lines are there"
  fi
done
((${#failed[@]} == 0)) || { echo "FAIL: incomplete or stale: ${failed[*]}"; exit 1; }
