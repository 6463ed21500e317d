"""The game's own lettering: a rounded stroke alphabet drawn on a 10 x 14 grid.

Every word on screen (the glyph sprites, menu labels, titles, credits, the how-to-play card) is built
from these strokes, drawn twice: a wide dark outline, then a narrower coloured stroke on top.
"""

from kit import INK, CREAM, fmt

O = "M5 1.5 Q1.5 1.5 1.5 7 Q1.5 12.5 5 12.5 Q8.5 12.5 8.5 7 Q8.5 1.5 5 1.5 Z"
P = "M2 12.5 L2 1.5 L5.6 1.5 Q8.5 1.5 8.5 4.5 Q8.5 7.5 5.6 7.5 L2 7.5"

GLYPHS = {
    "A": "M1.5 12.5 L5 1.5 L8.5 12.5 M2.9 8.4 L7.1 8.4",
    "B": "M2 7 L2 12.5 L5.8 12.5 Q8.8 12.5 8.8 9.7 Q8.8 7 5.8 7 L2 7 L2 1.5 L5.4 1.5 Q8.2 1.5 8.2 4.2 Q8.2 7 5.4 7",
    "C": "M8.5 3.4 Q7.3 1.5 5.1 1.5 Q1.5 1.5 1.5 7 Q1.5 12.5 5.1 12.5 Q7.3 12.5 8.5 10.6",
    "D": "M2 1.5 L2 12.5 L4.6 12.5 Q8.7 12.5 8.7 7 Q8.7 1.5 4.6 1.5 Z",
    "E": "M8.2 1.5 L2 1.5 L2 12.5 L8.2 12.5 M2 7 L6.8 7",
    "F": "M8.2 1.5 L2 1.5 L2 12.5 M2 7 L6.8 7",
    "G": "M8.4 3.4 Q7.2 1.5 5.1 1.5 Q1.5 1.5 1.5 7 Q1.5 12.5 5.1 12.5 Q8.5 12.5 8.5 8.2 L5.6 8.2",
    "H": "M2 1.5 L2 12.5 M8 1.5 L8 12.5 M2 7 L8 7",
    "I": "M5 1.5 L5 12.5 M2.6 1.5 L7.4 1.5 M2.6 12.5 L7.4 12.5",
    "J": "M8 1.5 L8 9 Q8 12.5 5 12.5 Q2.2 12.5 1.8 9.6",
    "K": "M2 1.5 L2 12.5 M8.3 1.5 L2 8.2 M4.3 5.9 L8.5 12.5",
    "L": "M2 1.5 L2 12.5 L8 12.5",
    "M": "M1.5 12.5 L1.5 1.5 L5 8.2 L8.5 1.5 L8.5 12.5",
    "N": "M2 12.5 L2 1.5 L8 12.5 L8 1.5",
    "O": O,
    "P": P,
    "Q": O + " M5.9 9.4 L8.9 13",
    "R": P + " M5.2 7.5 L8.5 12.5",
    "S": "M8.2 3.2 Q7.3 1.5 5 1.5 Q1.8 1.5 1.8 4.2 Q1.8 6.3 5 7 Q8.3 7.7 8.3 9.9 Q8.3 12.5 5 12.5 Q2.6 12.5 1.7 10.8",
    "T": "M1.5 1.5 L8.5 1.5 M5 1.5 L5 12.5",
    "U": "M2 1.5 L2 9 Q2 12.5 5 12.5 Q8 12.5 8 9 L8 1.5",
    "V": "M1.5 1.5 L5 12.5 L8.5 1.5",
    "W": "M1 1.5 L2.8 12.5 L5 5 L7.2 12.5 L9 1.5",
    "X": "M2 1.5 L8 12.5 M8 1.5 L2 12.5",
    "Y": "M1.7 1.5 L5 7 L8.3 1.5 M5 7 L5 12.5",
    "Z": "M2 1.5 L8 1.5 L2 12.5 L8 12.5",
    "0": "M5 1.5 Q2 1.5 2 7 Q2 12.5 5 12.5 Q8 12.5 8 7 Q8 1.5 5 1.5 Z",
    "1": "M2.8 3.6 L5.5 1.5 L5.5 12.5 M2.8 12.5 L8 12.5",
    "2": "M2 4 Q2.5 1.5 5 1.5 Q8 1.5 8 4.3 Q8 6.5 5 8.8 L2 12.5 L8.2 12.5",
    "3": "M2 2.8 Q3 1.5 5 1.5 Q8 1.5 8 4.2 Q8 6.8 4.8 6.8 Q8.3 6.8 8.3 9.7 Q8.3 12.5 5 12.5 Q2.8 12.5 1.8 11",
    "4": "M6.5 12.5 L6.5 1.5 L1.5 9.2 L8.7 9.2",
    "5": "M8 1.5 L2.5 1.5 L2.2 6.6 Q3.3 5.6 5 5.6 Q8.3 5.6 8.3 9 Q8.3 12.5 5 12.5 Q2.8 12.5 1.8 11",
    "6": "M7.6 2.3 Q6.6 1.5 5.2 1.5 Q1.8 1.5 1.8 7.5 Q1.8 12.5 5 12.5 Q8.2 12.5 8.2 9.4 Q8.2 6.3 5 6.3 Q2.8 6.3 1.9 8",
    "7": "M1.8 1.5 L8.2 1.5 L4 12.5",
    "8": "M5 7 Q2.2 7 2.2 4.25 Q2.2 1.5 5 1.5 Q7.8 1.5 7.8 4.25 Q7.8 7 5 7 Q1.8 7 1.8 9.75 Q1.8 12.5 5 12.5 "
    "Q8.2 12.5 8.2 9.75 Q8.2 7 5 7 Z",
    "9": "M8.1 6 Q7.2 7.7 5 7.7 Q1.8 7.7 1.8 4.6 Q1.8 1.5 5 1.5 Q8.2 1.5 8.2 6.5 Q8.2 12.5 4.8 12.5 "
    "Q3.4 12.5 2.4 11.7",
    "/": "M8 1.5 L2 12.5",
    "!": "M5 1.5 L5 8.8 M5 12.4 L5 12.45",
    ":": "M5 4.6 L5 4.65 M5 10.6 L5 10.65",
    "?": "M2.2 3.8 Q2.8 1.5 5 1.5 Q8 1.5 8 4.2 Q8 6.4 5 7.6 L5 9 M5 12.4 L5 12.45",
    ".": "M5 12.4 L5 12.45",
    ",": "M5.4 11.6 L4.2 14",
    "-": "M2.5 7.5 L7.5 7.5",
    "'": "M5 1.5 L5 4.2",
    "&": "M8.6 12.5 L3.2 5.4 Q2.4 4.2 2.6 3.2 Q3 1.5 4.8 1.5 Q6.6 1.5 6.8 3.2 Q7 5 4.6 6.6 Q1.6 8.6 1.6 10.2 "
    "Q1.6 12.5 4.4 12.5 Q6.6 12.5 8.4 9",
    "_": "M1.5 13 L8.5 13",
    "+": "M5 4 L5 11 M1.5 7.5 L8.5 7.5",
    "=": "M2 5.5 L8 5.5 M2 9.5 L8 9.5",
    ";": "M5 4.6 L5 4.65 M5.4 10.4 L4.2 13",
    "[": "M7 1 L3.5 1 L3.5 13 L7 13",
    "]": "M3 1 L6.5 1 L6.5 13 L3 13",
    "\\": "M2 1.5 L8 12.5",
    "`": "M3.8 1.5 L6 4",
    # The options screen shows this on both sides of the resolution: it points both ways.
    "<>": "M1.2 7 L8.8 7 M3.8 4 L1.2 7 L3.8 10 M6.2 4 L8.8 7 L6.2 10",
    " ": "",
}

ADVANCE = {"I": 8.0, "1": 8.5, "!": 6.0, ":": 6.0, ".": 6.0, ",": 6.0, "'": 6.0, " ": 6.5, "W": 11.0, "M": 10.5}


def advance(ch):
    return ADVANCE.get(ch, 10.0)


def text_width(text, size, track=0.6):
    """Width in units of text drawn with a cap height of size units (the 14-unit grid scaled)."""
    s = size / 14.0
    return sum(advance(c) + track for c in text) * s - track * s


def strokes(d, s, fill, outline, weight, outline_weight):
    if not d:
        return ""
    return (
        f'<path d="{d}" fill="none" stroke="{outline}" stroke-width="{fmt(outline_weight / s)}" '
        f'stroke-linecap="round" stroke-linejoin="round"/>'
        f'<path d="{d}" fill="none" stroke="{fill}" stroke-width="{fmt(weight / s)}" '
        f'stroke-linecap="round" stroke-linejoin="round"/>'
    )


def text(txt, x, y, size, fill=CREAM, outline=INK, weight=None, outline_weight=None, track=0.6, anchor="middle",
         shadow=True):
    """SVG for a line of text; (x, y) is the anchor point on the vertical middle of the capitals."""
    s = size / 14.0
    weight = weight if weight is not None else max(1.6, size * 0.16)
    outline_weight = outline_weight if outline_weight is not None else weight + max(2.0, size * 0.12)
    w = text_width(txt, size, track)
    x0 = x - w / 2 if anchor == "middle" else (x - w if anchor == "end" else x)
    top = y - size / 2
    body = ""
    cx = 0.0
    for ch in txt:
        d = GLYPHS.get(ch, GLYPHS["?"])
        shift = (advance(ch) - 10.0) / 2
        body += f'<g transform="translate({fmt(cx + shift)} 0)">{strokes(d, s, fill, outline, weight, outline_weight)}</g>'
        cx += advance(ch) + track
    out = ""
    if shadow:
        off = max(1.0, size * 0.06)
        sh = ""
        cx = 0.0
        for ch in txt:
            d = GLYPHS.get(ch, GLYPHS["?"])
            shift = (advance(ch) - 10.0) / 2
            sh += f'<g transform="translate({fmt(cx + shift)} 0)">{strokes(d, s, outline, outline, outline_weight, outline_weight)}</g>'
            cx += advance(ch) + track
        out += f'<g transform="translate({fmt(x0 + off)} {fmt(top + off)}) scale({fmt(s)})" opacity="0.35">{sh}</g>'
    out += f'<g transform="translate({fmt(x0)} {fmt(top)}) scale({fmt(s)})">{body}</g>'
    return out
