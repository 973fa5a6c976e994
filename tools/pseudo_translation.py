#!/usr/bin/env python3
"""Writes a pseudo-translation of the program's texts for layout tests: every
text about 40 % longer, its letters accented, its placeholders (%1 ...) and
line breaks kept, so that a cut caption shows at once.

    pseudo_translation.py SOURCE.ts OUTPUT.ts
"""
import re
import sys
import xml.etree.ElementTree as ElementTree

ACCENTED = str.maketrans("aeiouyAEIOUYcnCN", "áéíöüýÅÉÍÖÜÝçñÇÑ")
PLACEHOLDER = re.compile(r"(%L?\d+|%L?n|\r\n|\n)")


def pseudo(text):
    pieces = PLACEHOLDER.split(text)
    accented = "".join(piece if PLACEHOLDER.fullmatch(piece) else piece.translate(ACCENTED) for piece in pieces)
    letters = sum(1 for piece in pieces if not PLACEHOLDER.fullmatch(piece) for _ in piece)
    padding = "·" * max(1, round(letters * 0.4))
    return "[" + accented + padding + "]"


def main(source, output):
    tree = ElementTree.parse(source)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        for child in list(translation):
            translation.remove(child)
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            # English has two plural forms; both read the same here.
            translation.text = None
            for _ in range(2):
                ElementTree.SubElement(translation, "numerusform").text = pseudo(text)
        else:
            translation.text = pseudo(text)
    tree.write(output, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
