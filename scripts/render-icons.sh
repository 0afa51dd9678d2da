#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG icons from their hand-written SVG sources. The PNGs are
# committed; rerun after editing an SVG (needs librsvg2-bin).
set -eu
icons="$(cd "$(dirname "$0")/.." && pwd)/resources/icons"
for name in korvex-config korvex-instructions; do
  for size in 16 32 48; do
    rsvg-convert -w "$size" -h "$size" "$icons/$name.svg" -o "$icons/$name-$size.png"
  done
done
ls -l "$icons"
