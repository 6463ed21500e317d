"""Parallax backgrounds for the two moods (meadow, forest) and the boss-arena backdrop.

Hills and tree rows repeat seamlessly left to right, so a level can lay copies side by side.
"""

import math
import random

import world

from kit import (INK, WHITE, BARK, BARK_DARK, ROSE, doc, ellipse, circle, path, rect, linear, radial, blob, embed,
                 fmt, single, puffy)

SKY_SIZE = (1600, 900)
SKY_RENDER = (1280, 720)


def sky(mood):
    w, h = SKY_SIZE
    if mood == "meadow":
        defs = linear("sk", [(0, "#58b7ee"), (0.55, "#a9ddf5"), (1, "#ffeec4")])
        b = rect(0, 0, w, h, "url(#sk)", "none", 0)
        b += circle(1240, 190, 150, "#fff6cf", "none", 0, 'opacity="0.35"')
        b += circle(1240, 190, 86, "#fff2b0", "#ffd66b", 6)
        b += circle(1240, 190, 118, "#fff6cf", "none", 0, 'opacity="0.45"')
        for i, (cx, cy, s) in enumerate(((260, 170, 1.0), (700, 110, 0.7), (980, 300, 0.8), (1450, 420, 0.6), (420, 420, 0.55))):
            b += embed(world.cloud(300, 130, False, seed=i), f"c{i}", cx - 150 * s, cy - 65 * s, 300 * s, 130 * s)
    elif mood == "forest":
        defs = linear("sk", [(0, "#2f6f77"), (0.6, "#7fb59a"), (1, "#f3e3b0")]) + linear(
            "ray", [(0, "#fff8d0", 0.55), (1, "#fff8d0", 0.0)]) + (
            '<radialGradient id="glow"><stop offset="0" stop-color="#fff6c8" stop-opacity="0.6"/>'
            '<stop offset="1" stop-color="#fff6c8" stop-opacity="0"/></radialGradient>')
        b = rect(0, 0, w, h, "url(#sk)", "none", 0)
        sx, sy = 1250, -40
        b += circle(sx, 40, 320, "url(#glow)", "none", 0)
        for i, (ang, spread) in enumerate(((100, 5), (112, 3), (121, 6), (133, 4), (146, 5))):
            a1, a2 = math.radians(ang - spread), math.radians(ang + spread)
            ln = 1400
            b += path(f"M{sx} {sy} L{fmt(sx + ln * math.cos(a1))} {fmt(sy + ln * math.sin(a1))} "
                      f"L{fmt(sx + ln * math.cos(a2))} {fmt(sy + ln * math.sin(a2))} Z", "url(#ray)", "none", 0,
                      'opacity="0.45"')
        b += path(f"M0 {h} L0 760 Q400 700 800 740 Q1200 780 {w} 720 L{w} {h} Z", "#f7efd0", "none", 0, 'opacity="0.3"')
        rnd = random.Random(4)
        for _ in range(40):
            b += circle(fmt(rnd.uniform(0, w)), fmt(rnd.uniform(80, h - 100)), fmt(rnd.uniform(2, 5)), "#fff6b0", "none", 0,
                        f'opacity="{fmt(rnd.uniform(0.3, 0.8))}"')
        canopy = [(x, rnd.uniform(-40, 10), rnd.uniform(70, 110)) for x in range(-40, w + 80, 90) if not 1120 < x < 1380]
        b += puffy(canopy, "#24503f", 4, stroke="#173a2c", highlight=False)
    else:  # arena: a glade walled by big trunks under a dusky sky
        defs = linear("sk", [(0, "#5a4a8a"), (0.5, "#e0897a"), (1, "#ffd59a")]) + linear(
            "tr", [(0, "#4a2e22"), (1, "#6e4530")], x2=1, y2=0) + radial("cn", "#6f9a4a", "#2f5a2e", 0.4, 0.3, 0.8)
        b = rect(0, 0, w, h, "url(#sk)", "none", 0)
        b += circle(800, 560, 260, "#fff0c0", "none", 0, 'opacity="0.25"')
        b += circle(800, 560, 200, "#fff0c0", "none", 0, 'opacity="0.5"')
        hill = f"M0 {h} L0 640 Q300 560 560 640 Q800 700 1040 630 Q1300 560 {w} 640 L{w} {h} Z"
        b += path(hill, "#7a5a6a", "none", 0)
        for i in range(14):
            x = 420 + i * 60
            y = 650 + 20 * math.sin(i * 0.9)
            b += path(f"M{x - 20} {fmt(y + 90)} L{x} {fmt(y - 50 - (i % 3) * 14)} L{x + 20} {fmt(y + 90)} Z", "#5e4558", "none", 0)
        for x, tw in ((60, 150), (300, 96), (1230, 104), (1430, 160)):
            b += path(f"M{x} {h} L{x + tw * 0.2} 0 L{x + tw * 0.8} 0 L{x + tw} {h} Z", "url(#tr)", INK, 5)
            b += path(f"M{x + tw * 0.4} 200 q10 60 0 120 M{x + tw * 0.55} 500 q-10 60 0 120", "none", "#2e1c14", 4)
            b += path(f"M{x - 20} {h - 90} Q{x + tw * 0.1} {h - 120} {x + tw * 0.3} {h - 110} L{x + tw * 0.7} {h - 110} "
                      f"Q{x + tw * 0.9} {h - 120} {x + tw + 20} {h - 90} Z", "url(#tr)", INK, 4)
        rnd = random.Random(12)
        canopy = []
        for x in range(-60, w + 120, 110):
            if 560 < x < 1040:
                continue
            canopy.append((x, rnd.uniform(-20, 60), rnd.uniform(90, 130)))
        b += puffy(canopy, "url(#cn)", 5)
        b += path(f"M0 {h} L0 800 Q400 760 800 790 Q1200 820 {w} 780 L{w} {h} Z", "#5b8a3a", INK, 5)
        for x, y, r in ((520, 812, 34), (560, 826, 22), (1080, 820, 40), (1120, 834, 24)):
            b += ellipse(x, y, r * 1.3, r * 0.8, "#a99a9a", INK, 4) + ellipse(x - r * 0.4, y - r * 0.3, r * 0.4, r * 0.18, WHITE, "none", 0,
                                                                              'opacity="0.35"')
        for i in range(26):
            b += circle(fmt(rnd.uniform(200, 1400)), fmt(rnd.uniform(250, 700)), fmt(rnd.uniform(2.5, 5)), "#fff3a0", "none", 0,
                        f'opacity="{fmt(rnd.uniform(0.5, 0.95))}"')
    return doc(w, h, b, defs, px=SKY_RENDER)


def periodic(w, terms, x):
    return sum(a * math.sin(2 * math.pi * (k * x / w) + p) for a, k, p in terms)


def ridge(w, h, base, terms, step=16):
    pts = [(x, base + periodic(w, terms, x)) for x in range(0, w + step, step)]
    d = f"M0 {h + 4} L" + " L".join(f"{fmt(x)} {fmt(y)}" for x, y in pts) + f" L{w} {h + 4} Z"
    return d


def hills(mood):
    w, h = 2048, 480
    if mood == "meadow":
        defs = linear("h1", [(0, "#a6d98a"), (1, "#7cb87a")]) + linear("h2", [(0, "#8cc86a"), (1, "#5f9f55")])
        b = path(ridge(w, h, 200, [(50, 2, 0.3), (30, 5, 1.1), (12, 9, 2.0)]), "url(#h1)", "#4f7f52", 4, 'opacity="0.9"')
        b += path(ridge(w, h, 300, [(40, 3, 2.2), (22, 7, 0.4), (8, 13, 1.0)]), "url(#h2)", "#3f7040", 4)
        rnd = random.Random(8)
        for i in range(14):
            x = (i + rnd.random() * 0.5) * w / 14
            y = 300 + periodic(w, [(40, 3, 2.2), (22, 7, 0.4), (8, 13, 1.0)], x) + 6
            b += path(f"M{fmt(x)} {fmt(y)} l0 -26", "none", "#3f7040", 4)
            b += circle(fmt(x), fmt(y - 34), 16, "#6aa85a", "#3f7040", 3)
    else:
        defs = linear("h1", [(0, "#5c8a8a"), (1, "#3f6b6e")]) + linear("h2", [(0, "#4a7a62"), (1, "#2f5a48")])
        b = path(ridge(w, h, 160, [(70, 2, 1.3), (40, 6, 0.2), (18, 11, 2.4)]), "url(#h1)", "#2e4f52", 4, 'opacity="0.9"')
        back = ""
        for i in range(32):
            x = i * w / 32
            y = 300 + periodic(w, [(30, 4, 0.7), (14, 9, 1.9)], x)
            back += path(f"M{fmt(x - 30)} {fmt(y + 40)} L{fmt(x)} {fmt(y - 90 - (i % 3) * 20)} L{fmt(x + 30)} {fmt(y + 40)} Z",
                         "#2f5a48", "#21423a", 3)
        b += back
        b += path(ridge(w, h, 340, [(20, 3, 0.2), (10, 8, 1.5)]), "url(#h2)", "#21423a", 4)
    return doc(w, h, b, defs)


def trees(mood):
    w, h = 2048, 640
    rnd = random.Random(21 if mood == "meadow" else 34)
    items = []
    if mood == "meadow":
        defs = linear("tk", [(0, BARK), (1, BARK_DARK)], x2=1, y2=0) + radial("cn", "#a9dc6a", "#4f9a35", 0.35, 0.3, 0.8)
        for i in range(7):
            items.append(("tree", (i + rnd.uniform(0.1, 0.6)) * w / 7, rnd.uniform(0.8, 1.15)))
        for i in range(11):
            items.append(("bush", (i + rnd.uniform(0, 1)) * w / 11, rnd.uniform(0.6, 1.0)))
    else:
        defs = linear("tk", [(0, "#5a3a2c"), (1, "#3a241a")], x2=1, y2=0) + linear("cn", [(0, "#4f8a4a"), (1, "#24503a")])
        for i in range(9):
            items.append(("pine", (i + rnd.uniform(0.1, 0.7)) * w / 9, rnd.uniform(0.8, 1.2)))
        for i in range(10):
            items.append(("fern", (i + rnd.uniform(0, 1)) * w / 10, rnd.uniform(0.6, 1.0)))

    def draw(kind, x, s):
        if kind == "tree":
            out = path(f"M{fmt(x - 16 * s)} {h} L{fmt(x - 10 * s)} {fmt(h - 260 * s)} L{fmt(x + 10 * s)} {fmt(h - 260 * s)} "
                       f"L{fmt(x + 16 * s)} {h} Z", "url(#tk)", INK, 4)
            rnd2 = random.Random(int(x * 10) % 9973)
            cl = [(x + 100 * s * math.cos(a) * rnd2.uniform(0.8, 1.0), h - 330 * s + 70 * s * math.sin(a) * rnd2.uniform(0.8, 1.0),
                   55 * s * rnd2.uniform(0.85, 1.15)) for a in [i * 2 * math.pi / 7 for i in range(7)]]
            cl.append((x, h - 340 * s, 80 * s))
            out += puffy(cl, "url(#cn)", 4)
            out += circle(fmt(x - 40 * s), fmt(h - 360 * s), 6, ROSE, INK, 2) + circle(fmt(x + 36 * s), fmt(h - 310 * s), 6, ROSE, INK, 2)
            return out
        if kind == "bush":
            cl = [(x - 55 * s, h - 20 * s, 38 * s), (x, h - 40 * s, 50 * s), (x + 55 * s, h - 22 * s, 36 * s)]
            return puffy(cl, "#5fa845", 4)
        if kind == "pine":
            out = rect(x - 12 * s, h - 200 * s, 24 * s, 200 * s, "url(#tk)", INK, 4)
            for k in range(4):
                y = h - 160 * s - k * 90 * s
                wd = (130 - k * 26) * s
                out += path(f"M{fmt(x - wd)} {fmt(y)} L{fmt(x)} {fmt(y - 150 * s)} L{fmt(x + wd)} {fmt(y)} Z", "url(#cn)", INK, 4)
            return out
        return path(blob(x, h - 24 * s, 80 * s, 44 * s, 12, 0.4, seed=x * 0.7), "#2f6b3a", INK, 4)

    b = ""
    for kind, x, s in items:
        for dx in (-w, 0, w):
            b += draw(kind, x + dx, s)
    # A little haze pushes the row back behind the play field.
    haze = "#dff0ff" if mood == "meadow" else "#a9c9b8"
    defs += (f'<filter id="haze" x="0" y="0" width="1" height="1"><feFlood flood-color="{haze}" flood-opacity="0.16" result="f"/>'
             f'<feComposite in="f" in2="SourceGraphic" operator="atop"/></filter>')
    return doc(w, h, f'<g filter="url(#haze)">{b}</g>', defs)


def sprites():
    out = [
        single("Sky_Meadow", "Sky", SKY_SIZE, sky("meadow"), "meadow sky (parallax factor near 1)", render=SKY_RENDER),
        single("Sky_Forest", "Sky", SKY_SIZE, sky("forest"), "forest sky with light shafts", render=SKY_RENDER),
        single("Arena_Backdrop", "Sky", SKY_SIZE, sky("arena"), "boss-arena backdrop (`1BG`, `2BG`)", render=SKY_RENDER),
        single("Hills_Meadow", "Far", (2048, 480), hills("meadow"), "far meadow hills, repeats left to right"),
        single("Hills_Forest", "Far", (2048, 480), hills("forest"), "far forest ridges and pines, repeats"),
        single("Trees_Meadow", "Near", (2048, 640), trees("meadow"), "near meadow trees and bushes, repeats"),
        single("Trees_Forest", "Near", (2048, 640), trees("forest"), "near forest pines and ferns, repeats"),
    ]
    return out
