#!/usr/bin/python3
"""Builds fonts/ORRASTRO.TTF, the glyph font "OrreryAstro", from DejaVu Sans.

The wheel prints every astrological symbol as an ordinary key of this font: the zodiac signs
on "qwertyuiop[]", the planets on "asdfghjkl;", the lunar node on "A", the Part of Fortune on
":", the further points on "zxcvbSnmX" and the aspects on "QWERTYIOP". The shapes are the
Unicode symbols of DejaVu Sans, copied onto those keys; symbols DejaVu Sans lacks (the Vertex,
four of the aspects) and the variants of the true node and the osculating Lilith are composed
from its outlines. Digits, the blank and the minus sign are copied unchanged, since degree
numbers are printed in the same font.

Run by hand from the repository root with the system Python (Debian python3-fontforge):

    /usr/bin/python3 fonts/make_font.py

The output is reproducible: timestamps come from SOURCE_DATE_EPOCH (fixed below unless set).
"""

import math
import os
import sys

os.environ.setdefault("SOURCE_DATE_EPOCH", "1704067200")  # 2024-01-01, keeps the file stable

import fontforge  # noqa: E402  (must come after SOURCE_DATE_EPOCH is set)
import psMat  # noqa: E402

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
# The further points: Chiron, Ceres, Pallas, Juno, Vesta, mean Lilith (the black moon).
EXTRA_POINTS = {"z": 0x26B7, "x": 0x26B3, "c": 0x26B4, "v": 0x26B5, "b": 0x26B6, "n": 0x26B8}
# The aspects DejaVu Sans has, by angle: conjunction (0), semisquare (45), square (90),
# trine (120), opposition (180). The others are composed (COMPOSED below).
ASPECTS = {"Q": 0x260C, "E": 0x2220, "T": 0x25A1, "Y": 0x25B3, "P": 0x260D}
PLAIN = "0123456789 -"  # copied from the same code point
# The start screen sets its two columns of planet glyphs apart with a run of blanks of this
# font; a blank of 0.42 em lines the second column up with its position texts.
BLANK_WIDTH_EM = 0.42


def mapping():
    pairs = list(zip(SIGN_KEYS, SIGN_SYMBOLS)) + list(zip(PLANET_KEYS, PLANET_SYMBOLS))
    pairs += sorted(EXTRA.items())
    pairs += sorted(EXTRA_POINTS.items()) + sorted(ASPECTS.items())
    pairs += [(c, ord(c)) for c in PLAIN]
    return [(ord(key), src) for key, src in pairs]


# Composed glyphs. Each is built from DejaVu Sans outlines, moved, scaled or turned about, then
# merged into one outline. Coordinates are font units of DejaVu Sans (2048 to the em); the
# minus sign is a bar 170 units thick, the stroke of these symbols.
NODE, LILITH, BULLET = 0x260A, 0x26B8, 0x2022
MINUS, LOGICAL_OR, SQUARE, ANGLE = 0x2212, 0x2228, 0x25A1, 0x2220


def outline(src, code, *matrices):
    """The outline of a source glyph, with the transforms applied in order."""
    glyph = src[code]
    glyph.unlinkRef()
    layer = glyph.foreground.dup()
    for m in matrices:
        layer.transform(m)
    return layer


def dot(src, x, y, diameter):
    """A round dot centred at (x, y): the bullet scaled to the diameter."""
    box = src[BULLET].boundingBox()
    scale = diameter / (box[2] - box[0])
    return outline(
        src,
        BULLET,
        psMat.translate(-(box[0] + box[2]) / 2, -(box[1] + box[3]) / 2),
        psMat.scale(scale),
        psMat.translate(x, y),
    )


def bar(src, x0, x1, y):
    """A horizontal stroke from x0 to x1 centred on height y: the minus sign stretched."""
    box = src[MINUS].boundingBox()
    return outline(
        src,
        MINUS,
        psMat.translate(-box[0], -(box[1] + box[3]) / 2),
        psMat.scale((x1 - x0) / (box[2] - box[0]), 1),
        psMat.translate(x0, y),
    )


def true_node(src):
    # The true node is the node's glyph with a dot in its arch, so it stands apart from the
    # mean node when both are on the wheel (they are seldom more than two degrees apart).
    return outline(src, NODE) + dot(src, 910, 560, 300), src[NODE].width


def osculating_lilith(src):
    # The osculating Lilith is the black moon with a dot in the hollow of its crescent; the
    # mean Lilith keeps the plain symbol.
    return outline(src, LILITH) + dot(src, 1010, 960, 260), src[LILITH].width


def vertex(src):
    # No symbol exists for the Vertex: the letters "Vx", the x smaller, set close.
    v = outline(src, ord("V"), psMat.scale(0.8), psMat.translate(40, 0))
    x = outline(src, ord("x"), psMat.scale(0.62), psMat.translate(1050, 0))
    return v + x, 1830


def sextile(src):
    # Six spokes from one centre: the minus sign turned to 90, 30 and 150 degrees.
    cx, cy, length = 860, 640, 1300
    layer = None
    for degrees in (90, 30, 150):
        spoke = bar(src, -length / 2, length / 2, 0)
        spoke.transform(psMat.rotate(math.radians(degrees)))
        spoke.transform(psMat.translate(cx, cy))
        layer = spoke if layer is None else layer + spoke
    return layer, 1720


def semisextile(src):
    # A "v" standing on a bar: the logical-or sign with its point on a stroke across its foot.
    box = src[LOGICAL_OR].boundingBox()
    v = outline(src, LOGICAL_OR, psMat.translate(0, 170))
    return v + bar(src, box[0] - 60, box[2] + 60, 85), src[LOGICAL_OR].width


def quincunx(src):
    # The semisextile upside down: the bar on top and the "v" opening downwards.
    layer, width = semisextile(src)
    layer.transform(psMat.compose(psMat.scale(1, -1), psMat.translate(0, 1356)))
    return layer, width


def sesquiquadrate(src):
    # A square with the semisquare's angle on its top edge: 90 + 45 degrees.
    sq = src[SQUARE].boundingBox()
    k = 0.55
    square = outline(src, SQUARE, psMat.translate(-sq[0], -sq[1]), psMat.scale(k),
                     psMat.translate(150, 0))
    top = (sq[3] - sq[1]) * k
    an = src[ANGLE].boundingBox()
    angle = outline(src, ANGLE, psMat.translate(-an[0], -an[1]), psMat.scale(0.5),
                    psMat.translate(150, top - 90))
    return square + angle, 1250


COMPOSED = {
    "S": true_node,
    "m": osculating_lilith,
    "X": vertex,
    "W": semisextile,
    "R": sextile,
    "I": sesquiquadrate,
    "O": quincunx,
}


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

    for key, build in sorted(COMPOSED.items()):
        layer, width = build(src)
        target = out.createChar(ord(key), fontforge.nameFromUnicode(ord(key)))
        target.foreground = layer
        target.removeOverlap()
        target.correctDirection()
        target.round()
        target.width = width

    out.os2_winascent = src.os2_winascent
    out.os2_windescent = src.os2_windescent
    out.os2_typoascent = src.os2_typoascent
    out.os2_typodescent = src.os2_typodescent
    out.os2_typolinegap = src.os2_typolinegap
    out.hhea_ascent = src.hhea_ascent
    out.hhea_descent = src.hhea_descent
    out.hhea_linegap = src.hhea_linegap

    out.generate(OUTPUT)
    print("written", OUTPUT, "with", len(mapping()) + len(COMPOSED), "mapped characters")
    return 0


if __name__ == "__main__":
    sys.exit(main())
