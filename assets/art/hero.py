"""Kibbet: a small round honey-coloured critter with leaf wings, drawn facing right.

One parametric drawing; each frame changes squash, wing angle, leg phase, eyes or spin.
"""

import math

from kit import (INK, CREAM, FUR, FUR_DARK, FUR_LIGHT, BLUSH, MINT, MINT_DEEP, WHITE, Sprite, doc, ellipse, circle,
                 path, group, radial, fmt, with_left)

S = 112  # sprite size in world units
LAYER = "Hero"


def defs():
    return (
        radial("fur", FUR_LIGHT, FUR_DARK, 0.36, 0.3, 0.8)
        + radial("belly", "#fffaf0", CREAM, 0.4, 0.3, 0.8)
        + radial("wing", "#f2fffa", MINT, 0.3, 0.3, 0.9)
    )


def wing(ax, ay, angle, length=34, far=False):
    """A leaf-shaped wing hinged at (ax, ay); angle in degrees, 0 points back and up."""
    fill = MINT_DEEP if far else "url(#wing)"
    d = (f"M{ax} {ay} Q{ax - length * 0.35} {ay - length * 0.55} {ax - length} {ay - length * 0.25} "
         f"Q{ax - length * 0.5} {ay + length * 0.28} {ax} {ay} Z")
    vein = f"M{ax} {ay} Q{ax - length * 0.45} {ay - length * 0.12} {ax - length * 0.85} {ay - length * 0.22}"
    body = path(d, fill, INK, 2.6, 'fill-opacity="0.92"') + path(vein, "none", MINT_DEEP if not far else INK, 1.6)
    return group(body, rot=angle, cx=ax, cy=ay)


def feet(cx, base, phase, spread=1.0, lift=0.0):
    """Two stubby feet; phase in turns moves them in a running cycle."""
    out = ""
    for k, shade in ((0.5, FUR_DARK), (0.0, FUR)):
        p = 2 * math.pi * (phase + k)
        dx = 13 * math.cos(p) * spread
        dy = -max(0.0, 9 * math.sin(p)) * spread - lift
        out += ellipse(cx + dx + (4 if k == 0 else -4), base + dy, 10, 6.5, shade, INK, 2.6)
    return out


def face(cx, cy, eyes="open", look=0.0, mouth="smile"):
    out = ""
    for ex, r in ((cx + 6, 1.0), (cx + 20, 0.9)):
        if eyes == "open":
            out += ellipse(ex, cy, 6.2 * r, 7.8 * r, WHITE, INK, 2.4)
            out += ellipse(ex + 1.6 + look, cy + 1, 3.9 * r, 5.4 * r, INK, "none", 0)
            out += circle(ex + 2.6 + look, cy - 1.6, 1.5 * r, WHITE, "none", 0)
        elif eyes == "closed":
            out += path(f"M{ex - 5} {cy + 1} Q{ex} {cy + 5} {ex + 5} {cy + 1}", "none", INK, 2.6)
        elif eyes == "squint":
            out += path(f"M{ex - 5} {cy - 2} L{ex + 4} {cy + 1} L{ex - 5} {cy + 4}", "none", INK, 2.6)
        elif eyes == "x":
            out += path(f"M{ex - 4} {cy - 4} L{ex + 4} {cy + 4} M{ex + 4} {cy - 4} L{ex - 4} {cy + 4}", "none", INK, 2.8)
    out += ellipse(cx + 23, cy + 12, 5.5, 3.5, BLUSH, "none", 0, 'opacity="0.7"')
    out += ellipse(cx + 29, cy + 6, 3.6, 2.8, INK, "none", 0)
    if mouth == "smile":
        out += path(f"M{cx + 16} {cy + 12} Q{cx + 21} {cy + 16} {cx + 26} {cy + 11}", "none", INK, 2.2)
    elif mouth == "open":
        out += path(f"M{cx + 15} {cy + 11} Q{cx + 21} {cy + 22} {cx + 27} {cy + 10} Z", "#c2453d", INK, 2.2)
    elif mouth == "o":
        out += ellipse(cx + 21, cy + 15, 3, 3.6, "#c2453d", INK, 2)
    elif mouth == "wobble":
        out += path(f"M{cx + 15} {cy + 14} q2.5 -3 5 0 q2.5 3 5 0", "none", INK, 2.2)
    return out


def kibbet(sx=1.0, sy=1.0, wing_a=20.0, wing_b=35.0, leg=0.0, legs=True, spread=1.0, lift=0.0, eyes="open",
           mouth="smile", tilt=0.0, look=0.0, dy=0.0):
    cx, cy = 56, 62 + dy
    r = 30
    base = cy + r * sy + 1
    body = ""
    body += wing(cx - 10, cy - 16, wing_b - 8, 38, far=True)
    # tail: a fluffy curl behind
    body += path(f"M{cx - 24} {cy + 8} Q{cx - 46} {cy + 2} {cx - 42} {cy - 16} Q{cx - 36} {cy - 26} {cx - 30} {cy - 14} "
                 f"Q{cx - 34} {cy - 4} {cx - 22} {cy - 2} Z", "url(#fur)", INK, 2.8)
    body += path(f"M{cx - 41} {cy - 14} Q{cx - 37} {cy - 24} {cx - 31} {cy - 15} Q{cx - 36} {cy - 12} {cx - 41} {cy - 14} Z",
                 CREAM, "none", 0)
    if legs:
        body += feet(cx, base, leg, spread, lift)
    torso = ""
    # ears
    torso += path(f"M{cx - 14} {cy - 24} L{cx - 16} {cy - 42} L{cx - 2} {cy - 29} Z", "url(#fur)", INK, 2.8)
    torso += path(f"M{cx - 12} {cy - 28} L{cx - 13.5} {cy - 37} L{cx - 6} {cy - 30} Z", BLUSH, "none", 0)
    torso += path(f"M{cx + 2} {cy - 29} L{cx + 10} {cy - 45} L{cx + 16} {cy - 25} Z", "url(#fur)", INK, 2.8)
    torso += path(f"M{cx + 5} {cy - 30} L{cx + 10} {cy - 40} L{cx + 13} {cy - 28} Z", BLUSH, "none", 0)
    torso += ellipse(cx, cy, r, r, "url(#fur)", INK, 3.2)
    torso += ellipse(cx + 8, cy + 10, 17, 15, "url(#belly)", "none", 0)
    torso += path(f"M{cx - 6} {cy - 27} q4 -5 8 0 q4 -5 8 0", "none", INK, 2.2)
    torso += face(cx + 2, cy - 6, eyes, look, mouth)
    body += group(torso, cx=cx, cy=base, sx=sx, sy=sy)
    body += wing(cx - 6, cy - 14, wing_a, 44)
    if tilt:
        body = group(body, rot=tilt, cx=cx, cy=cy)
    body = group(body, cx=56, cy=60, sx=1.04, sy=1.04, tx=0, ty=3)
    return doc(S, S, body, defs())


def roll(angle, blur=True):
    cx, cy, r = 56, 64, 30
    stripes = ""
    for k in range(3):
        a = angle + k * 120
        x1, y1 = cx + r * 0.9 * math.cos(math.radians(a)), cy + r * 0.9 * math.sin(math.radians(a))
        x2, y2 = cx + r * 0.9 * math.cos(math.radians(a + 70)), cy + r * 0.9 * math.sin(math.radians(a + 70))
        stripes += path(f"M{fmt(x1)} {fmt(y1)} Q{cx} {cy} {fmt(x2)} {fmt(y2)}", "none", FUR_DARK, 5)
    ear_x, ear_y = cx + (r + 4) * math.cos(math.radians(angle - 90)), cy + (r + 4) * math.sin(math.radians(angle - 90))
    body = ""
    if blur:
        for i, o in enumerate((0.35, 0.22, 0.12)):
            body += path(f"M{cx - 36 - i * 3} {cy - 18 + i * 10} L{cx - 48 - i * 3} {cy - 18 + i * 10}", "none", INK, 3,
                         f'opacity="{o + 0.3}"')
    body += circle(fmt(ear_x), fmt(ear_y), 7, "url(#fur)", INK, 2.6)
    body += circle(cx, cy, r, "url(#fur)", INK, 3.2)
    body += stripes
    body += ellipse(cx + 8, cy + 8, 10, 8, CREAM, "none", 0, f'transform="rotate({fmt(angle)} {cx} {cy})"')
    body += path(f"M{cx - 18} {cy - 18} Q{cx - 8} {cy - 28} {cx + 6} {cy - 26}", "none", WHITE, 3, 'opacity="0.6"')
    return doc(S, S, body, defs())


def die(step):
    if step == 0:
        return kibbet(eyes="x", mouth="o", wing_a=40, wing_b=55, sy=1.08, sx=0.94, lift=4)
    if step == 1:
        return kibbet(eyes="x", mouth="o", wing_a=70, wing_b=80, tilt=-20, sy=1.05, lift=6)
    if step == 2:
        return kibbet(eyes="x", mouth="wobble", wing_a=-20, wing_b=-10, tilt=-70, legs=True, spread=0.2, dy=-8)
    return kibbet(eyes="x", mouth="wobble", wing_a=-30, wing_b=-20, tilt=-90, sx=1.12, sy=0.88, spread=0.1, dy=-8)


def frames():
    f = {}
    anims = {}

    def add(anim, drawings, prefix):
        names = []
        for i, d in enumerate(drawings):
            n = f"Kibbet_{prefix}_{i}"
            f[n] = d
            names.append(n)
        anims[anim] = names

    add("default", [kibbet(sy=1.0, wing_a=18), kibbet(sy=0.97, sx=1.02, wing_a=24, dy=1),
                    kibbet(sy=0.95, sx=1.04, wing_a=30, dy=2, eyes="closed"), kibbet(sy=0.98, sx=1.01, wing_a=22, dy=1)],
        "Idle")
    add("jumpStartRight", [kibbet(sy=0.82, sx=1.14, wing_a=10, spread=1.3, mouth="smile"),
                           kibbet(sy=1.12, sx=0.9, wing_a=60, lift=6, spread=0.5, mouth="open"),
                           kibbet(sy=1.06, sx=0.95, wing_a=80, lift=10, spread=0.4, mouth="open")], "JumpStart")
    add("glideRight", [kibbet(wing_a=-2, wing_b=40, lift=8, spread=0.3, mouth="smile", look=1, tilt=4),
                       kibbet(wing_a=8, wing_b=48, lift=9, spread=0.3, mouth="smile", look=1, dy=1, tilt=4)], "Glide")
    add("landRight", [kibbet(sy=1.05, sx=0.96, wing_a=70, lift=4, spread=0.6, mouth="o"),
                      kibbet(sy=0.84, sx=1.14, wing_a=15, spread=1.3, eyes="squint"),
                      kibbet(sy=0.96, sx=1.03, wing_a=20)], "Land")
    add("flyStartRight", [kibbet(wing_a=60, wing_b=70, lift=6, spread=0.5, mouth="open"),
                          kibbet(wing_a=120, wing_b=125, lift=8, spread=0.4, mouth="open", sy=1.05)], "FlyStart")
    add("flyRight", [kibbet(wing_a=a, wing_b=a + 8, lift=8, spread=0.35, mouth="open", dy=d)
                     for a, d in ((125, -2), (70, 0), (5, 2), (70, 0))], "Fly")
    add("moveRight", [kibbet(leg=i / 6, wing_a=25 + 10 * math.sin(i * math.pi / 3), dy=-5 * abs(math.sin(i * math.pi / 3)),
                             tilt=6, look=1.2) for i in range(6)], "Run")
    add("attackRight", [roll(i * 45) for i in range(8)], "Roll")
    add("dieRight", [die(i) for i in range(4)], "Die")
    anims = with_left(anims)
    anims["idleLeft"] = anims["default"]
    return f, anims


def sprites():
    f, anims = frames()
    return [Sprite("Kibbet", LAYER, (S, S), f, anims,
                   note="the hero; `Kibbet_Idle_0` is the picture before an animation plays")]


def icon(size):
    """The window icon: Kibbet on a honey disc, drawn for the given pixel size."""
    body = kibbet(wing_a=30)
    inner = body[body.index("<defs>"):body.rindex("</svg>")]
    disc = ('<circle cx="56" cy="58" r="50" fill="#ffe3a0" stroke="#3a2216" stroke-width="4"/>'
            '<circle cx="56" cy="58" r="42" fill="#fff3d6" opacity="0.7"/>')
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="4 6 104 104">'
            f"{disc}{inner}</svg>")
