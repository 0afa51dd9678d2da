#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the .ts files in translations/ are behind the sources (lupdate
# would add or drop a text), or when a translation's placeholders (%1, %L2,
# %n) differ from its source's. With --update, brings the .ts files up to date
# instead (what `cmake --build … --target update_translations` does too).
#   scripts/check-translations.sh [--update]
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
update() { "$lupdate" -silent -locations none -no-obsolete -I src "${sources[@]}" -ts "$@"; }

if [ "${1:-}" = --update ]; then
  update translations/korvex_*.ts
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in translations/korvex_*.ts; do
  cp "$ts" "$work/"
  update "$work/$(basename "$ts")"
  if ! diff -u "$ts" "$work/$(basename "$ts")" > "$work/diff"; then
    echo "$ts is behind the sources (run scripts/check-translations.sh --update and translate):"
    grep '^[-+] *<source>' "$work/diff" || head -20 "$work/diff"
    status=1
  fi
done

python3 - translations/korvex_*.ts <<'PY' || status=1
import re, sys, xml.etree.ElementTree as ET
from collections import Counter
placeholder = re.compile(r"%(?:L?\d{1,2}|n)")
def text(element):
    out = element.text or ""
    for child in element:
        if child.tag == "byte":
            out += chr(int(child.get("value").lstrip("x"), 16))
        out += child.tail or ""
    return out
bad = 0
for path in sys.argv[1:]:
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            source = text(message.find("source"))
            translation = message.find("translation")
            if translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            forms = translation.findall("numerusform") or [translation]
            for form in forms:
                given = text(form)
                # A plural form may leave out %n ("one digit") but add no other.
                want = Counter(placeholder.findall(source))
                got = Counter(placeholder.findall(given))
                if message.get("numerus") == "yes":
                    want.pop("%n", None), got.pop("%n", None)
                if want != got:
                    bad += 1
                    print(f"{path}: {context.findtext('name')}: placeholders differ:\n"
                          f"  source:      {source!r}\n  translation: {given!r}")
sys.exit(1 if bad else 0)
PY
[ $status -eq 0 ] && echo "translations: up to date, placeholders match"
exit $status
