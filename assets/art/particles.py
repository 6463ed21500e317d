"""Particle sprites. Emitters draw them scaled down (0.1 to 0.5), so they are drawn large and bold."""

import math

from kit import (WHITE, HONEY, HONEY_DEEP, ROSE, WATER, WATER_FOAM, doc, circle, ellipse, path, radial, single, fmt)

LAYER = "Particle_1"


def sparkle(size, core, edge, points=4):
    c = size / 2
    defs = radial("sp", WHITE, core, 0.5, 0.5, 0.5)
    pts = []
    for i in range(points * 2):
        r = c * (0.95 if i % 2 == 0 else 0.28)
        a = math.radians(-90 + i * 180 / points)
        pts.append(f"{fmt(c + r * math.cos(a))} {fmt(c + r * math.sin(a))}")
    b = circle(c, c, c * 0.55, core, "none", 0, 'opacity="0.35"')
    b += path("M" + " L".join(pts) + " Z", "url(#sp)", edge, size * 0.04)
    return doc(size, size, b, defs)


def dust():
    s = 64
    b = ""
    for x, y, r, o in ((30, 36, 20, 0.9), (44, 26, 14, 0.8), (18, 24, 12, 0.7)):
        b += circle(x, y, r, "#e9d3b0", "#a9835a", 3, f'opacity="{o}"')
    return doc(s, s, b)


def drop(w, h, col):
    defs = radial("dr", WATER_FOAM, col, 0.35, 0.35, 0.8)
    b = path(f"M{w / 2} 2 Q{w - 3} {h * 0.62} {w / 2} {h - 2} Q3 {h * 0.62} {w / 2} 2 Z", "url(#dr)", "#1f6fb0", max(2, w * 0.06))
    b += ellipse(w * 0.4, h * 0.62, w * 0.1, h * 0.1, WHITE, "none", 0)
    return doc(w, h, b, defs)


def spray():
    s = 64
    defs = radial("spr", WHITE, WATER, 0.4, 0.4, 0.7)
    b = circle(32, 32, 26, "url(#spr)", "#2f8fd1", 3, 'opacity="0.9"')
    b += circle(24, 24, 7, WHITE, "none", 0)
    return doc(s, s, b, defs)


def sprites():
    return [
        single("Particle_Pollen", LAYER, (64, 64), sparkle(64, HONEY, HONEY_DEEP), "pollen sparkle (kind `Pollen`, drawn at 0.2)"),
        single("Particle_CheckPoint", LAYER, (64, 64), sparkle(64, ROSE, "#c8406e", 5),
               "checkpoint burst (kind `CheckPoint`, drawn at 0.3)"),
        single("Particle_Dust", LAYER, (64, 64), dust(), "running dust (kind `Walking`, drawn at 0.5)"),
        single("Particle_Water", LAYER, (48, 64), drop(48, 64, WATER), "geyser water drop (kind `Water`, drawn at 0.3)"),
        single("Particle_Spray", LAYER, (64, 64), spray(), "waterfall spray (kind `WaterBase`, drawn at 0.2)"),
        single("Particle_Rain", LAYER, (48, 128), drop(48, 128, "#7fb8e8"), "rain drop (kind `Rain`, drawn at 0.1)"),
    ]
