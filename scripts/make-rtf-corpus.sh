#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the RTF test corpus: the same small document, given to several
# real RTF writers from Debian's packages. The outputs are committed, so the
# tests never need these programs; rerun only to refresh or extend the corpus.
#   apt-get install pandoc latex2rtf enscript abiword libreoffice-writer-nogui
# The tests check what each file reads back as against the sources in
# tests/ui/instructions/data/corpus/source.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
corpus="$root/tests/ui/instructions/data/corpus"
src="$corpus/source"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" # LibreOffice and AbiWord want a profile; keep it out of the user's

cd "$src"
pandoc -s sample.md -t rtf -o "$corpus/pandoc.rtf"
latex2rtf -o "$corpus/latex2rtf.rtf" sample.tex >/dev/null 2>&1
rm -f sample.aux sample.log
# enscript copies bytes as they are and calls them Windows-1252; Latin-1 input
# without the euro sign is the same text in both.
iconv -f utf-8 -t latin1 sample.txt > "$work/sample.txt"
enscript -q --language=rtf -o "$corpus/enscript.rtf" "$work/sample.txt"
soffice --headless --infilter="HTML (StarWriter)" --convert-to rtf --outdir "$work/lo-html" sample.html >/dev/null 2>&1
cp "$work/lo-html/sample.rtf" "$corpus/libreoffice-html.rtf"
pandoc -s sample.md -o "$work/sample.docx"
soffice --headless --convert-to rtf --outdir "$work/lo-docx" "$work/sample.docx" >/dev/null 2>&1
cp "$work/lo-docx/sample.rtf" "$corpus/libreoffice-docx.rtf"
abiword --to=rtf -o "$corpus/abiword.rtf" sample.html
ls -l "$corpus"/*.rtf
