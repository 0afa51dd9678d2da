#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Converts the manual's Markdown source to the RTF that F1 shows. The RTF is
# committed, so building the program never needs pandoc; run this after
# editing docs/manual/Korvex_Config.md and commit both files.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
src="$root/docs/manual/Korvex_Config.md"
out="$root/resources/Korvex_Config.rtf"
command -v pandoc >/dev/null || { echo "pandoc is needed: apt-get install pandoc" >&2; exit 1; }
pandoc --standalone --from markdown --to rtf --columns=40 \
  --template "$root/docs/manual/template.rtf" \
  --output "$out" "$src"
# Pandoc's heading sizes (18, 16, 14 pt) crowd a 10 pt body in a small window.
sed -i -e 's/\\outlinelevel0 \\b \\fs36/\\outlinelevel0 \\b \\fs32/' \
       -e 's/\\outlinelevel1 \\b \\fs32/\\outlinelevel1 \\b \\fs26/' \
       -e 's/\\outlinelevel2 \\b \\fs28/\\outlinelevel2 \\b \\fs22/' "$out"
echo "wrote $out"
