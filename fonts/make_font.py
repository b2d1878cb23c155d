#!/usr/bin/python3
"""Builds fonts/ORRASTRO.TTF, the glyph font "OrreryAstro", from DejaVu Sans.

The wheel prints every astrological symbol as an ordinary key of this font: the zodiac signs
on "qwertyuiop[]", the planets on "asdfghjkl;", the lunar node on "A" and the Part of
Fortune on ":". The shapes are the Unicode symbols of DejaVu Sans, copied onto those keys;
digits, the blank and the minus sign are copied unchanged, since degree numbers are printed
in the same font.

Run by hand from the repository root with the system Python (Debian python3-fontforge):

    /usr/bin/python3 fonts/make_font.py

The output is reproducible: timestamps come from SOURCE_DATE_EPOCH (fixed below unless set).
"""

import os
import sys

os.environ.setdefault("SOURCE_DATE_EPOCH", "1704067200")  # 2024-01-01, keeps the file stable

import fontforge  # noqa: E402  (must come after SOURCE_DATE_EPOCH is set)

SOURCE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "ORRASTRO.TTF")
FAMILY = "OrreryAstro"

# Key -> source code point. Zodiac from Aries to Pisces, then "U" (never used by the wheel,
# given the descending node so that the key is not empty).
SIGN_KEYS = "qwertyuiop[]"
SIGN_SYMBOLS = list(range(0x2648, 0x2654))
PLANET_KEYS = "asdfghjkl;"
PLANET_SYMBOLS = [0x2609, 0x263D, 0x263F, 0x2640, 0x2642, 0x2643, 0x2644, 0x2645, 0x2646, 0x2647]
EXTRA = {"A": 0x260A, ":": 0x2295, "U": 0x260B}
PLAIN = "0123456789 -"  # copied from the same code point
# The start screen sets its two columns of planet glyphs apart with a run of blanks of this
# font; a blank of 0.42 em lines the second column up with its position texts.
BLANK_WIDTH_EM = 0.42


def mapping():
    pairs = list(zip(SIGN_KEYS, SIGN_SYMBOLS)) + list(zip(PLANET_KEYS, PLANET_SYMBOLS))
    pairs += sorted(EXTRA.items())
    pairs += [(c, ord(c)) for c in PLAIN]
    return [(ord(key), src) for key, src in pairs]


def main():
    src = fontforge.open(SOURCE)
    out = fontforge.font()
    out.encoding = "UnicodeBmp"
    out.em = src.em
    out.ascent = src.ascent
    out.descent = src.descent
    out.familyname = FAMILY
    out.fontname = FAMILY
    out.fullname = FAMILY
    out.weight = "Book"
    out.version = "1.0"
    out.copyright = (
        "Glyphs derived from DejaVu Sans. Copyright (c) 2003 by Bitstream, Inc. "
        "All Rights Reserved. Bitstream Vera is a trademark of Bitstream, Inc. "
        "DejaVu changes are in public domain. See LICENSE-DejaVu.txt."
    )
    for lang, key, value in (
        ("English (US)", "Family", FAMILY),
        ("English (US)", "Fullname", FAMILY),
        ("English (US)", "SubFamily", "Regular"),
        ("English (US)", "PostScriptName", FAMILY),
    ):
        out.appendSFNTName(lang, key, value)

    notdef = out.createChar(-1, ".notdef")
    notdef.width = src[".notdef"].width if ".notdef" in src else src.em // 2

    for key, code in mapping():
        glyph = src[code]
        glyph.unlinkRef()  # composites would point at glyphs the new font lacks
        src.selection.select(code)
        src.copy()
        name = fontforge.nameFromUnicode(key)
        target = out.createChar(key, name)
        out.selection.select(key)
        out.paste()
        target.glyphname = name
        target.width = glyph.width
        if key == ord(" "):
            target.width = round(BLANK_WIDTH_EM * src.em)

    out.os2_winascent = src.os2_winascent
    out.os2_windescent = src.os2_windescent
    out.os2_typoascent = src.os2_typoascent
    out.os2_typodescent = src.os2_typodescent
    out.os2_typolinegap = src.os2_typolinegap
    out.hhea_ascent = src.hhea_ascent
    out.hhea_descent = src.hhea_descent
    out.hhea_linegap = src.hhea_linegap

    out.generate(OUTPUT)
    print("written", OUTPUT, "with", len(mapping()), "mapped characters")
    return 0


if __name__ == "__main__":
    sys.exit(main())
