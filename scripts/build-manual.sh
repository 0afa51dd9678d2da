#!/bin/sh
# Converts the manual's Markdown source to the RTF that F1 shows. The RTF is
# committed, so building the program never needs pandoc; run this after
# editing docs/manual/Korvex_Config.md and commit both files.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
src="$root/docs/manual/Korvex_Config.md"
out="$root/resources/Korvex_Config.rtf"
command -v pandoc >/dev/null || { echo "pandoc is needed: apt-get install pandoc" >&2; exit 1; }
pandoc --standalone --from markdown --to rtf \
  --template "$root/docs/manual/template.rtf" \
  --output "$out" "$src"
echo "wrote $out"
