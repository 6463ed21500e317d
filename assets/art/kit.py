"""Shared drawing kit: palette, SVG document helpers and the sprite record every drawing module returns.

Every picture of the game is an SVG string built here; tools/art/build.py renders and packs them.
Coordinates inside a drawing are the sprite's world units (pixels of the 1280 x 720 view), y down.
"""

import math

# One warm palette for the whole game. Outlines are a dark chocolate, never pure black.
INK = "#3a2216"
INK_SOFT = "#5a3825"
CREAM = "#fff3d6"
HONEY = "#ffc93c"
HONEY_DEEP = "#f29a1f"
AMBER = "#e07a1f"
FUR = "#f4a13b"
FUR_DARK = "#d97a22"
FUR_LIGHT = "#ffd38a"
BLUSH = "#ff8a80"
MINT = "#bdf2df"
MINT_DEEP = "#7fd1b9"
LEAF = "#7cc24a"
LEAF_DEEP = "#4f9a35"
LEAF_DARK = "#2f6b2a"
MOSS = "#5d8f3a"
BARK = "#8a5a34"
BARK_DARK = "#5e3a21"
BARK_LIGHT = "#b98352"
EARTH = "#9a6339"
EARTH_DARK = "#6e4226"
STONE = "#b7a99a"
STONE_DARK = "#8a7b6d"
SKY_TOP = "#6cc3f0"
SKY_LOW = "#fff0c9"
WATER = "#5cc8f2"
WATER_DEEP = "#2f8fd1"
WATER_FOAM = "#e9fbff"
WASP_YELLOW = "#ffd23f"
WASP_RED = "#e8412e"
WASP_PURPLE = "#8e5bd1"
BEAR = "#9a5b34"
BEAR_DARK = "#6d3c20"
BEAR_LIGHT = "#d9a06b"
CUB = "#c98a4f"
ROSE = "#ff7aa8"
WHITE = "#ffffff"


class Sprite:
    """One sprite: its frames (drawn at the sprite's size), its animations and the layer it lives in.

    name    sprite name, also a UV entry showing the first frame
    layer   layer name (an atlas)
    size    (width, height) in world units; every frame shares it
    frames  ordered dict frame name -> SVG document string
    anims   ordered dict animation name -> list of frame names (Left names are listed too)
    render  (width, height) in pixels when the atlas holds the frames at another resolution
    note    one line for the catalogue
    """

    def __init__(self, name, layer, size, frames, anims, render=None, note=""):
        self.name = name
        self.layer = layer
        self.size = size
        self.frames = frames
        self.anims = anims
        self.render = render or size
        self.note = note


def doc(w, h, body, defs="", vb=None, px=None):
    """A standalone SVG document of w x h units, optionally rendered at px = (width, height) pixels."""
    pw, ph = px or (w, h)
    view = vb or f"0 0 {w} {h}"
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{pw}" height="{ph}" viewBox="{view}" '
        f'preserveAspectRatio="none">'
        f"<defs>{defs}</defs>{body}</svg>"
    )


def fmt(v):
    if isinstance(v, str):
        return v
    return f"{v:.2f}".rstrip("0").rstrip(".")


def style(fill, stroke=INK, width=3.0, extra=""):
    return (
        f'fill="{fill}" stroke="{stroke}" stroke-width="{fmt(width)}" '
        f'stroke-linejoin="round" stroke-linecap="round" {extra}'
    )


def ellipse(cx, cy, rx, ry, fill, stroke=INK, width=3.0, extra=""):
    return f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(rx)}" ry="{fmt(ry)}" {style(fill, stroke, width, extra)}/>'


def circle(cx, cy, r, fill, stroke=INK, width=3.0, extra=""):
    return ellipse(cx, cy, r, r, fill, stroke, width, extra)


def path(d, fill="none", stroke=INK, width=3.0, extra=""):
    return f'<path d="{d}" {style(fill, stroke, width, extra)}/>'


def rect(x, y, w, h, fill, stroke=INK, width=3.0, rx=0, extra=""):
    return (
        f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" rx="{fmt(rx)}" '
        f"{style(fill, stroke, width, extra)}/>"
    )


def group(body, tx=0, ty=0, rot=0, cx=0, cy=0, sx=1, sy=1, extra=""):
    t = []
    if tx or ty:
        t.append(f"translate({fmt(tx)} {fmt(ty)})")
    if rot:
        t.append(f"rotate({fmt(rot)} {fmt(cx)} {fmt(cy)})")
    if sx != 1 or sy != 1:
        t.append(f"translate({fmt(cx)} {fmt(cy)}) scale({fmt(sx)} {fmt(sy)}) translate({fmt(-cx)} {fmt(-cy)})")
    attr = f' transform="{" ".join(t)}"' if t else ""
    return f"<g{attr} {extra}>{body}</g>"


def radial(gid, inner, outer, cx=0.38, cy=0.32, r=0.75):
    """A soft top-left lit radial gradient in object bounding-box units."""
    return (
        f'<radialGradient id="{gid}" cx="{cx}" cy="{cy}" r="{r}">'
        f'<stop offset="0" stop-color="{inner}"/><stop offset="1" stop-color="{outer}"/></radialGradient>'
    )


def linear(gid, stops, x1=0, y1=0, x2=0, y2=1, user=False):
    units = ' gradientUnits="userSpaceOnUse"' if user else ""
    s = "".join(
        f'<stop offset="{o}" stop-color="{c}"{"" if a is None else f" stop-opacity={chr(34)}{a}{chr(34)}"}/>'
        for o, c, a in [(x[0], x[1], x[2] if len(x) > 2 else None) for x in stops]
    )
    return f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}"{units}>{s}</linearGradient>'


def polar(cx, cy, r, deg):
    a = math.radians(deg)
    return cx + r * math.cos(a), cy + r * math.sin(a)


def blob(cx, cy, rx, ry, n, wobble, phase=0.0, seed=0.0):
    """A closed smooth wobbly outline (clouds, bushes, foam) as a path string."""
    pts = []
    for i in range(n):
        a = 2 * math.pi * i / n + phase
        k = 1 + wobble * math.sin(3 * a + seed) * 0.5 + wobble * 0.5 * math.sin(5 * a + 2 * seed)
        pts.append((cx + rx * k * math.cos(a), cy + ry * k * math.sin(a)))
    return smooth_closed(pts)


def smooth_closed(pts):
    """Catmull-Rom through the points, closed, as cubic Bezier path data."""
    n = len(pts)
    d = f"M{fmt(pts[0][0])} {fmt(pts[0][1])}"
    for i in range(n):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[(i + 1) % n], pts[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += f" C{fmt(c1[0])} {fmt(c1[1])} {fmt(c2[0])} {fmt(c2[1])} {fmt(p2[0])} {fmt(p2[1])}"
    return d + "Z"


def smooth_open(pts):
    n = len(pts)
    d = f"M{fmt(pts[0][0])} {fmt(pts[0][1])}"
    for i in range(n - 1):
        p0 = pts[max(i - 1, 0)]
        p1, p2 = pts[i], pts[i + 1]
        p3 = pts[min(i + 2, n - 1)]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += f" C{fmt(c1[0])} {fmt(c1[1])} {fmt(c2[0])} {fmt(c2[1])} {fmt(p2[0])} {fmt(p2[1])}"
    return d


def single(name, layer, size, svg, note="", render=None, anims=None):
    """A one-frame sprite whose frame carries the sprite's own name."""
    return Sprite(name, layer, size, {name: svg}, anims or {"default": [name]}, render=render, note=note)


def with_left(anims):
    """Adds the Left animation names that reuse the right-facing frames (the engine mirrors them)."""
    out = dict(anims)
    for k, v in anims.items():
        if k == "default":
            continue
        if k.endswith("Right"):
            out[k[: -len("Right")] + "Left"] = v
    return out


def embed(svg, prefix, x, y, w, h):
    """Places a whole drawing inside another one, with its ids renamed so several can share a document."""
    import re

    head_end = svg.index(">") + 1
    head = svg[:head_end]
    inner = svg[head_end : svg.rindex("</svg>")]
    vb = re.search(r'viewBox="([^"]+)"', head).group(1)
    inner = re.sub(r'id="([^"]+)"', lambda m: f'id="{prefix}{m.group(1)}"', inner)
    inner = re.sub(r"url\(#([^)]+)\)", lambda m: f"url(#{prefix}{m.group(1)})", inner)
    return (
        f'<svg x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" viewBox="{vb}" '
        f'preserveAspectRatio="none">{inner}</svg>'
    )


def puffy(circles, fill, width=3.0, stroke=INK, highlight=True):
    """A cluster of circles drawn as one shape: outline pass underneath, fill pass on top."""
    out = "".join(circle(x, y, r + width / 2, stroke, "none", 0) for x, y, r in circles)
    out += "".join(circle(x, y, r - width / 2, fill, "none", 0) for x, y, r in circles)
    if highlight:
        for x, y, r in circles[::2]:
            out += path(f"M{fmt(x - r * 0.55)} {fmt(y - r * 0.25)} q{fmt(r * 0.25)} -{fmt(r * 0.4)} {fmt(r * 0.65)} -{fmt(r * 0.35)}",
                        "none", "#ffffff", max(2.0, r * 0.08), 'opacity="0.35"')
    return out
