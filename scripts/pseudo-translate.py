#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills a Qt Linguist .ts file with pseudo-translations.

Every text becomes "[" + its letters accented + padding + "]", 40 % longer
than the source, so a test sees at once a text that was clipped (its end
bracket missing from the screen) or not translated (no brackets at all).
Placeholders (%1, %L2, %n), line breaks, HTML tags and entities and the
accelerator's "&" are kept as they are.

    pseudo-translate.py TEMPLATE.ts OUT.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans(
    "AaCcEeIiNnOoUuYySsZz",
    "ÅåÇçÉéÎîÑñÖöÜüÝýŠšŽž")
# What must stay as written: placeholders, tags, entities, accelerators,
# and line breaks.
KEEP = re.compile(r"%L?\d+|%n|<[^>]*>|&[#\w]+;|&&|&(?=\w)|\r?\n")
GROWTH = 0.4


def pseudo(text):
    if not text.strip():
        return text
    parts = []
    last = 0
    for match in KEEP.finditer(text):
        parts.append(text[last:match.start()].translate(ACCENTED))
        parts.append(match.group(0))
        last = match.end()
    parts.append(text[last:].translate(ACCENTED))
    padding = max(0, math.ceil(len(text) * GROWTH) - 2)
    return "[" + "".join(parts) + "·" * padding + "]"


def source_text(message):
    # lupdate writes a control character such as CR as <byte value="xd"/>.
    source = message.find("source")
    text = source.text or ""
    for child in source:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16))
        text += child.tail or ""
    return text


def main(template, output):
    tree = ET.parse(template)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        source = source_text(message)
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
    tree.write(output, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
