"""The marsh at dusk: its sky, far willows, near reeds and willow trunks, and its props.

Everything here lives in atlases of its own (the `Marsh_*` layers), so the first world's levels keep their
atlases as they were. Hills and reed rows repeat seamlessly left to right like the other moods' rows.
"""

import math
import random

from kit import INK, WHITE, HONEY, Sprite, doc, ellipse, circle, path, rect, linear, radial, fmt, single, puffy

SKY_SIZE = (1600, 900)
SKY_RENDER = (1280, 720)
ROW_W = 2048
HILLS_H = 480
REEDS_H = 640

PEAT = "#4b3a36"
PEAT_DARK = "#2e2220"
REED = "#8a9a48"
REED_DARK = "#4f6234"
CATTAIL = "#6a3e22"
PAD = "#5f9a4a"
PAD_DARK = "#3d6e35"
LILY = "#ffb3d0"
GLOW = "#fff2a0"


def sky():
    """Violet overhead to amber at the horizon, a low sun in haze, thin cloud streaks and rising mist."""
    w, h = SKY_SIZE
    defs = linear("sk", [(0, "#2f2452"), (0.35, "#6a4a86"), (0.62, "#c9708a"), (0.82, "#f2a46e"), (1, "#ffd39a")])
    defs += ('<radialGradient id="sun"><stop offset="0" stop-color="#fff1c4" stop-opacity="0.9"/>'
             '<stop offset="0.35" stop-color="#ffd08a" stop-opacity="0.55"/>'
             '<stop offset="1" stop-color="#ffb070" stop-opacity="0"/></radialGradient>')
    defs += linear("mist", [(0, "#f4d6e6", 0.0), (0.5, "#f4d6e6", 0.55), (1, "#f7e3ea", 0.85)])
    b = rect(-2, -2, w + 4, h + 4, "url(#sk)", "none", 0)
    rnd = random.Random(52)
    for _ in range(60):
        y = rnd.uniform(10, 300)
        b += circle(fmt(rnd.uniform(0, w)), fmt(y), fmt(rnd.uniform(1.2, 2.8)), "#fff8e8", "none", 0,
                    f'opacity="{fmt(rnd.uniform(0.25, 0.8) * (1 - y / 360))}"')
    b += circle(420, 610, 360, "url(#sun)", "none", 0)
    b += circle(420, 610, 84, "#ffe4a8", "none", 0, 'opacity="0.85"')
    for i, (cx, cy, ln) in enumerate(((240, 420, 520), (900, 360, 640), (1320, 470, 420), (640, 520, 380))):
        d = (f"M{cx - ln / 2} {cy} Q{cx - ln / 4} {cy - 14} {cx} {cy - 10} Q{cx + ln / 4} {cy - 16} {cx + ln / 2} {cy} "
             f"Q{cx} {cy + 10} {cx - ln / 2} {cy} Z")
        b += path(d, "#a8668e" if i % 2 else "#e59a9a", "none", 0, 'opacity="0.55"')
    # Mist from two thirds down to the bottom, so a view that looks lower still sees a filled sky.
    b += rect(-2, 560, w + 4, h - 556, "url(#mist)", "none", 0)
    for i in range(5):
        y = 640 + i * 52
        b += path(f"M-10 {y} Q{w * 0.25} {y - 18} {w * 0.5} {y} T{w + 10} {y} L{w + 10} {y + 22} L-10 {y + 22} Z",
                  "#fbe8ee", "none", 0, 'opacity="0.18"')
    return doc(w, h, b, defs, px=SKY_RENDER)


def periodic(terms, x):
    return sum(a * math.sin(2 * math.pi * (k * x / ROW_W) + p) for a, k, p in terms)


def ridge(h, base, terms, step=16):
    """A periodic outline across the row; its closing sides lie outside the picture so no outline shows at the wrap."""
    pts = [(x, base + periodic(terms, x)) for x in range(-step, ROW_W + 2 * step, step)]
    return f"M{-step} {h + 8} L" + " L".join(f"{fmt(x)} {fmt(y)}" for x, y in pts) + f" L{ROW_W + step} {h + 8} Z"


def willow(x, ground, s, fill, stroke, strands):
    """A weeping willow: a short leaning trunk under a dome whose fronds hang down in strands."""
    out = path(f"M{fmt(x - 14 * s)} {fmt(ground)} Q{fmt(x - 6 * s)} {fmt(ground - 80 * s)} {fmt(x - 10 * s)} {fmt(ground - 150 * s)} "
               f"L{fmt(x + 8 * s)} {fmt(ground - 150 * s)} Q{fmt(x + 4 * s)} {fmt(ground - 80 * s)} {fmt(x + 16 * s)} {fmt(ground)} Z",
               stroke, "none", 0)
    top = ground - 230 * s
    dome = [(x + dx * s, top + dy * s, r * s) for dx, dy, r in ((-60, 30, 50), (-20, 0, 60), (30, 8, 56), (70, 36, 44), (0, 40, 60))]
    out += puffy(dome, fill, 3, stroke=stroke, highlight=False)
    for i in range(strands):
        fx = x + (-110 + 220 * (i + 0.5) / strands) * s
        ln = (90 + 50 * math.sin(i * 1.7 + x % ROW_W)) * s
        fy = top + 40 * s
        out += path(f"M{fmt(fx)} {fmt(fy)} q{fmt(6 * s)} {fmt(ln * 0.5)} {fmt(-2 * s)} {fmt(ln)}", "none", fill, 7 * s)
    return out


def hills():
    """Misty violet hills with a row of far willows standing in the haze."""
    w, h = ROW_W, HILLS_H
    defs = linear("h1", [(0, "#8a6f9e"), (1, "#6c5a86")]) + linear("h2", [(0, "#6d6488"), (1, "#4f4a6c")])
    defs += linear("hz", [(0, "#f0cfe0", 0.0), (1, "#f0cfe0", 0.5)])
    b = path(ridge(h, 170, [(60, 2, 0.9), (28, 5, 2.1), (12, 11, 0.3)]), "url(#h1)", "#5a4a72", 4, 'opacity="0.95"')
    rnd = random.Random(61)
    for i in range(12):
        x = (i + rnd.uniform(0.1, 0.8)) * w / 12
        s = rnd.uniform(0.55, 0.8)
        ground = 330 + periodic([(18, 3, 1.4), (8, 7, 0.6)], x)
        for dx in (-w, 0, w):
            b += willow(x + dx, ground + 20, s, "#5e6a82", "#454d66", 9)
    b += path(ridge(h, 330, [(18, 3, 1.4), (8, 7, 0.6)]), "url(#h2)", "#3f3a58", 4)
    b += rect(0, 250, w, h - 250, "url(#hz)", "none", 0)
    return doc(w, h, b, defs)


def cattail(x, ground, s, lean):
    out = path(f"M{fmt(x)} {fmt(ground)} Q{fmt(x + lean * 20 * s)} {fmt(ground - 90 * s)} {fmt(x + lean * 30 * s)} {fmt(ground - 170 * s)}",
               "none", REED_DARK, 5 * s)
    tx, ty = x + lean * 30 * s, ground - 170 * s
    out += ellipse(fmt(tx - lean * 2 * s), fmt(ty + 24 * s), 8 * s, 24 * s, CATTAIL, INK, 2.5,
                   f'transform="rotate({fmt(lean * 10)} {fmt(tx)} {fmt(ty + 24 * s)})"')
    out += path(f"M{fmt(tx)} {fmt(ty)} l{fmt(lean * 4 * s)} {fmt(-22 * s)}", "none", REED_DARK, 3 * s)
    return out


def reed_clump(x, ground, s, seed):
    rnd = random.Random(seed)
    out = ""
    for _ in range(9):
        bx = x + rnd.uniform(-40, 40) * s
        ln = rnd.uniform(90, 170) * s
        lean = rnd.uniform(-0.35, 0.35)
        col = REED if rnd.random() < 0.5 else "#6f8240"
        out += path(f"M{fmt(bx - 5 * s)} {fmt(ground)} Q{fmt(bx + lean * ln * 0.5)} {fmt(ground - ln * 0.6)} "
                    f"{fmt(bx + lean * ln)} {fmt(ground - ln)} Q{fmt(bx + lean * ln * 0.3 + 1)} {fmt(ground - ln * 0.5)} "
                    f"{fmt(bx + 5 * s)} {fmt(ground)} Z", col, INK, 2.2)
    for _ in range(3):
        out += cattail(x + rnd.uniform(-30, 30) * s, ground, s * rnd.uniform(0.8, 1.1), rnd.uniform(-0.4, 0.4))
    return out


def trunk(x, s):
    """A near willow: a thick gnarled trunk under a crown whose fronds hang down in long strands."""
    h = REEDS_H
    top = 210 - 40 * s
    out = path(f"M{fmt(x - 46 * s)} {h + 4} Q{fmt(x - 30 * s)} {fmt(h - 200 * s)} {fmt(x - 34 * s)} {fmt(top)} "
               f"L{fmt(x + 30 * s)} {fmt(top)} Q{fmt(x + 26 * s)} {fmt(h - 220 * s)} {fmt(x + 52 * s)} {h + 4} Z", "url(#tk)", INK, 4)
    for k in range(3):
        y = top + 60 + k * 110
        out += path(f"M{fmt(x - 20 * s)} {fmt(y)} q{fmt(14 * s)} 18 {fmt(4 * s)} 46", "none", "#2a1f26", 3)
    out += ellipse(fmt(x + 8 * s), fmt(top + 150), 10 * s, 16 * s, "#2a1f26", INK, 2.5)
    crown = [(x + dx * s, top - 70 * s + dy * s, r * s) for dx, dy, r in
             ((-120, 40, 60), (-60, -10, 78), (10, -30, 84), (80, -6, 76), (135, 38, 58), (0, 40, 80))]
    out += puffy(crown, "url(#cr)", 4, highlight=False)
    for i in range(15):
        fx = x + (-170 + 340 * (i + 0.5) / 15) * s
        fy = top - 10 * s + 30 * s * math.sin(math.pi * (i + 0.5) / 15)
        ln = (150 + 90 * math.sin(i * 2.3 + (x % ROW_W) * 0.01) ** 2) * s
        out += path(f"M{fmt(fx)} {fmt(fy)} q{fmt(10 * s)} {fmt(ln * 0.5)} {fmt(-4 * s)} {fmt(ln)}", "none", INK, 11 * s)
        out += path(f"M{fmt(fx)} {fmt(fy)} q{fmt(10 * s)} {fmt(ln * 0.5)} {fmt(-4 * s)} {fmt(ln)}", "none", "#5a7a44", 7 * s)
        out += path(f"M{fmt(fx + 2)} {fmt(fy)} q{fmt(10 * s)} {fmt(ln * 0.5)} {fmt(-2 * s)} {fmt(ln * 0.85)}", "none", "#8aa862",
                    2.5 * s)
    return out


def reeds():
    """Near row: willow trunks between clumps of reeds and cattails, over a dark reed bed."""
    w, h = ROW_W, REEDS_H
    defs = linear("tk", [(0, "#5a4446"), (1, "#33262c")], x2=1, y2=0) + radial("cr", "#6f8f52", "#3a5434", 0.4, 0.3, 0.8)
    rnd = random.Random(73)
    b = ""
    for i in range(4):
        x = (i + rnd.uniform(0.2, 0.7)) * w / 4
        s = rnd.uniform(0.9, 1.2)
        for dx in (-w, 0, w):
            b += trunk(x + dx, s)
    clumps = [((i + rnd.uniform(0, 1)) * w / 13, rnd.uniform(0.8, 1.3), rnd.randrange(1000)) for i in range(13)]
    for x, s, seed in clumps:
        for dx in (-w, 0, w):
            b += reed_clump(x + dx, h - 30, s, seed)
    b += path(ridge(h, h - 40, [(8, 5, 0.4), (5, 13, 1.2)]), "#3c4a2c", INK, 4)
    defs += ('<filter id="haze" x="0" y="0" width="1" height="1"><feFlood flood-color="#b07aa0" flood-opacity="0.12" '
             'result="f"/><feComposite in="f" in2="SourceGraphic" operator="atop"/></filter>')
    return doc(w, h, f'<g filter="url(#haze)">{b}</g>', defs)


def lily_pad(w, h, flower):
    defs = radial("lp", "#8cc66a", PAD_DARK, 0.4, 0.35, 0.8)
    cx, cy = w / 2, h * 0.62
    rx, ry = w / 2 - 6, h * 0.34
    notch = math.radians(-70)
    b = ellipse(cx, cy + 4, rx + 2, ry, "#2f4f3a", "none", 0, 'opacity="0.35"')
    d = (f"M{fmt(cx)} {fmt(cy)} L{fmt(cx + rx * math.cos(notch - 0.2))} {fmt(cy + ry * math.sin(notch - 0.2))} "
         f"A{fmt(rx)} {fmt(ry)} 0 1 0 {fmt(cx + rx * math.cos(notch + 0.2))} {fmt(cy + ry * math.sin(notch + 0.2))} Z")
    b += path(d, "url(#lp)", INK, 3)
    for a in (150, 200, 250, 20, 60):
        r = math.radians(a)
        b += path(f"M{fmt(cx)} {fmt(cy)} L{fmt(cx + rx * 0.8 * math.cos(r))} {fmt(cy + ry * 0.8 * math.sin(r))}", "none", PAD_DARK, 2)
    if flower:
        fx, fy = cx - rx * 0.3, cy - ry * 0.3
        for i in range(7):
            a = math.radians(180 + i * 30)
            b += ellipse(fmt(fx + 12 * math.cos(a)), fmt(fy + 8 * math.sin(a)), 7, 13, LILY, INK, 2,
                         f'transform="rotate({fmt(i * 30 - 90)} {fmt(fx + 12 * math.cos(a))} {fmt(fy + 8 * math.sin(a))})"')
        b += circle(fmt(fx), fmt(fy), 6, HONEY, INK, 2)
    return doc(w, h, b, defs)


def stump():
    w, h = 128, 112
    defs = linear("st", [(0, "#7a5a48"), (0.5, "#5c4034"), (1, "#3e2a24")], x2=1, y2=0)
    b = path("M14 108 Q22 70 20 30 L108 30 Q106 70 116 108 Q64 116 14 108 Z", "url(#st)", INK, 3)
    b += path("M4 110 Q14 96 24 100 M124 110 Q114 94 104 100", "none", INK, 3)
    b += ellipse(64, 30, 44, 14, "#c9a27a", INK, 3)
    b += ellipse(64, 30, 28, 8, "none", "#8a6448", 2) + ellipse(64, 30, 12, 3.5, "none", "#8a6448", 2)
    b += path("M22 34 Q40 20 60 26 Q44 34 22 40 Z", "#6f9a48", INK, 2)
    for x, y, r in ((96, 76, 9), (108, 86, 6)):
        b += path(f"M{x} {y} l0 {r + 4}", "none", "#e8dcc8", 3)
        b += path(f"M{x - r} {y} Q{x} {y - r * 1.3} {x + r} {y} Z", "#d9704a", INK, 2)
        b += circle(x - r * 0.3, y - r * 0.4, 1.6, WHITE, "none", 0)
    return doc(w, h, b, defs)


def mossy_log():
    w, h = 320, 88
    defs = linear("ml", [(0, "#8a6a58"), (0.5, "#6a4c3e"), (1, "#43302a")])
    b = rect(6, 24, w - 40, h - 30, "url(#ml)", INK, 3, rx=28)
    for i in range(5):
        x = 40 + i * 50
        b += path(f"M{x} {44 + (i % 2) * 12} q22 5 40 0", "none", "#3a2822", 2.2)
    b += ellipse(w - 36, 24 + (h - 30) / 2, 26, (h - 30) / 2, "#c9a27a", INK, 3)
    b += ellipse(w - 36, 24 + (h - 30) / 2, 12, 16, "none", "#8a6448", 2)
    moss = [(24 + i * 36, 28 + 4 * math.sin(i * 1.9), 14 + 5 * math.sin(i * 2.7) ** 2) for i in range(7)]
    b += puffy(moss, "#6f9a48", 2.5, highlight=False)
    for i in range(8):
        x = 20 + i * 32
        b += path(f"M{x} {30 + (i % 3) * 4} q2 14 -1 24", "none", "#4f7a3a", 3)
    return doc(w, h, b, defs)


def lantern(step):
    """A firefly lantern on a crooked post; step moves the fireflies and breathes the glow."""
    w, h = 80, 176
    glow = 0.35 + 0.15 * [0, 1, 0.5][step]
    defs = radial("lg", GLOW, "#ffb84a", 0.5, 0.45, 0.6)
    b = path("M40 176 Q34 120 40 70", "none", "#4a3434", 7)
    b += path("M40 70 Q52 52 40 40", "none", "#4a3434", 5)
    b += circle(40, 66, 38, GLOW, "none", 0, f'opacity="{fmt(glow)}"')
    b += path("M24 48 Q40 38 56 48 L54 86 Q40 94 26 86 Z", "url(#lg)", INK, 3, 'fill-opacity="0.85"')
    b += path("M24 48 L56 48 M26 86 L54 86", "none", INK, 3)
    b += path("M30 50 L30 84 M40 50 L40 88 M50 50 L50 84", "none", "#7a5a3a", 1.6, 'opacity="0.7"')
    rnd = random.Random(90)
    for i in range(6):
        a = rnd.uniform(0, 2 * math.pi) + step * 0.9
        r = rnd.uniform(6, 12)
        b += circle(fmt(40 + r * math.cos(a)), fmt(66 + r * 1.2 * math.sin(a)), 2.2, WHITE, "none", 0)
    for i in range(3):
        a = math.radians(i * 120 + step * 40)
        b += circle(fmt(40 + 30 * math.cos(a)), fmt(60 + 22 * math.sin(a)), 2.6, GLOW, INK, 1)
    return doc(w, h, b, defs)


def cattails(step):
    w, h = 112, 208
    sway = [-0.15, 0.0, 0.15][step]
    b = ""
    rnd = random.Random(31)
    for i in range(8):
        x = 16 + i * 11 + rnd.uniform(-4, 4)
        ln = rnd.uniform(110, 180)
        lean = rnd.uniform(-0.3, 0.3) + sway
        b += path(f"M{fmt(x - 4)} {h} Q{fmt(x + lean * ln * 0.5)} {fmt(h - ln * 0.6)} {fmt(x + lean * ln)} {fmt(h - ln)} "
                  f"Q{fmt(x + lean * ln * 0.3 + 1)} {fmt(h - ln * 0.5)} {fmt(x + 4)} {h} Z", REED if i % 2 else "#6f8240", INK, 2)
    for x, s, lean in ((38, 1.0, -0.25), (60, 1.15, 0.1), (82, 0.9, 0.3)):
        b += cattail(x, h, s, lean + sway)
    return doc(w, h, b)


def pad_platform():
    w, h = 192, 48
    defs = radial("pp", "#8cc66a", PAD_DARK, 0.45, 0.3, 0.8)
    b = ellipse(96, 30, 90, 15, "#2f4f3a", "none", 0, 'opacity="0.35"')
    b += path("M8 22 Q96 6 184 22 Q190 32 180 36 Q96 46 12 36 Q2 32 8 22 Z", "url(#pp)", INK, 3)
    b += path("M96 24 L120 10 L132 14 Z", "#2f4f3a", INK, 2)
    for x in (40, 70, 130, 160):
        b += path(f"M96 26 L{x} {20 if x < 96 else 18}", "none", PAD_DARK, 2)
    b += path("M24 22 q30 -8 60 -6", "none", WHITE, 3, 'opacity="0.4"')
    return doc(w, h, b, defs)


LAYER = "Marsh_World"


def sprites():
    lt = {f"Lantern_{i}": lantern(i) for i in range(3)}
    ct = {f"Cattails_{i}": cattails(i) for i in range(3)}
    return [
        single("Sky_Marsh", "Marsh_Sky", SKY_SIZE, sky(), "marsh dusk sky with mist (parallax factor near 1)",
               render=SKY_RENDER),
        single("Hills_Marsh", "Marsh_Far", (ROW_W, HILLS_H), hills(), "far misty hills and willows, repeats"),
        single("Trees_Marsh", "Marsh_Near", (ROW_W, REEDS_H), reeds(), "near willow trunks, reeds and cattails, repeats"),
        single("LilyPad", LAYER, (128, 56), lily_pad(128, 56, True), "lily pad with a flower"),
        single("Platform_LilyPad", LAYER, (192, 48), pad_platform(), "big lily pad to stand on"),
        single("Stump", LAYER, (128, 112), stump(), "willow stump with mushrooms"),
        single("MossyLog", LAYER, (320, 88), mossy_log(), "mossy log lying on the ground"),
        Sprite("Lantern", LAYER, (80, 176), lt, {"default": list(lt) + ["Lantern_1"]},
               note="firefly lantern on a post, loop `default`"),
        Sprite("Cattails", LAYER, (112, 208), ct, {"default": ["Cattails_0", "Cattails_1", "Cattails_2", "Cattails_1"]},
               note="cattail clump swaying, loop `default`"),
    ]

