"""World props: pollen, the beehive checkpoint, water, clouds, platforms, logs, arena blockers, exit sign."""

import math
import random

from kit import (INK, INK_SOFT, WHITE, CREAM, HONEY, HONEY_DEEP, LEAF, LEAF_DEEP, BARK, BARK_DARK, BARK_LIGHT, STONE,
                 STONE_DARK, WATER, WATER_DEEP, WATER_FOAM, EARTH, EARTH_DARK, ROSE, Sprite, doc, ellipse, puffy,
                 circle, path, rect, group, radial, linear, blob, fmt, single)
import enemies

LAYER = "World"


def pollen(step):
    w = h = 48
    defs = radial("pg", "#fffbe0", HONEY_DEEP, 0.38, 0.32, 0.8) + radial("glow", HONEY, HONEY, 0.5, 0.5, 0.5)
    pulse = 1 + 0.08 * math.sin(step * math.pi / 2)
    b = circle(24, 24, 21 * pulse, HONEY, "none", 0, 'opacity="0.25"')
    b += circle(24, 24, 15, "url(#pg)", INK, 2.4)
    for i in range(8):
        a = math.radians(i * 45 + step * 10)
        b += circle(fmt(24 + 15 * math.cos(a)), fmt(24 + 15 * math.sin(a)), 2.8, HONEY, INK, 1.4)
    b += circle(19, 18.5, 4, WHITE, "none", 0, 'opacity="0.85"')
    sx, sy = [(38, 9), (9, 12), (40, 38), (8, 36)][step % 4]
    b += path(f"M{sx} {sy - 6} L{sx + 1.5} {sy - 1.5} L{sx + 6} {sy} L{sx + 1.5} {sy + 1.5} L{sx} {sy + 6} L{sx - 1.5} {sy + 1.5} "
              f"L{sx - 6} {sy} L{sx - 1.5} {sy - 1.5} Z", WHITE, HONEY_DEEP, 1)
    return doc(w, h, b, defs)


def hive(lit):
    w, h = 120, 144
    defs = radial("hv", "#ffe7a0", "#e8a33c", 0.35, 0.3, 0.85)
    b = ""
    b += path("M60 4 L60 16", "none", BARK_DARK, 5)
    b += path("M36 10 Q60 0 84 10", "none", BARK_DARK, 6)
    bands = [(20, 28, 16), (36, 40, 30), (52, 48, 46), (70, 52, 64), (90, 54, 84), (110, 50, 104)]
    for y, rx, _ in reversed(bands):
        b += ellipse(60, y + 8, rx, 14, "url(#hv)", INK, 3)
    b += path("M46 126 Q60 108 74 126 Z", "#4a2a14", INK, 3)
    b += rect(20, 126, 80, 12, BARK, INK, 3, rx=5)
    if lit:
        b += circle(60, 70, 56, HONEY, "none", 0, 'opacity="0.22"')
        for i in range(6):
            a = math.radians(i * 60 + 15)
            x, y = 60 + 52 * math.cos(a), 70 + 48 * math.sin(a)
            b += path(f"M{fmt(x)} {fmt(y - 7)} L{fmt(x + 2)} {fmt(y - 2)} L{fmt(x + 7)} {fmt(y)} L{fmt(x + 2)} {fmt(y + 2)} "
                      f"L{fmt(x)} {fmt(y + 7)} L{fmt(x - 2)} {fmt(y + 2)} L{fmt(x - 7)} {fmt(y)} L{fmt(x - 2)} {fmt(y - 2)} Z",
                      WHITE, HONEY_DEEP, 1.2)
        b += path("M52 120 q8 -8 16 0", "none", HONEY, 3)
    # a little flag on the hive: the checkpoint marker
    flag = ROSE if lit else "#c9b8a8"
    b += path("M92 66 L92 30", "none", BARK_DARK, 3.5)
    b += path("M92 30 L112 36 L92 44 Z", flag, INK, 2.4)
    return doc(w, h, b, defs)


def water_column(w, h, step, strong):
    """A geyser jet: a wavy column with a foaming crown; step animates the ripples."""
    deep = "#3aa0e8" if not strong else "#1f7fd6"
    defs = linear("wc", [(0, WATER_FOAM), (0.25, WATER), (1, deep)]) + linear(
        "wf", [(0, WHITE), (1, "#bfefff")])
    b = ""
    cx = w / 2
    top = 34
    amp = 4 if not strong else 6
    left, right = [], []
    for i in range(13):
        y = top + (h - top) * i / 12
        spread = w * (0.22 + 0.1 * i / 12)
        wob = amp * math.sin(i * 1.3 + step * math.pi / 2)
        left.append((cx - spread + wob, y))
        right.append((cx + spread + wob * 0.6, y))
    d = "M" + " L".join(f"{fmt(x)} {fmt(y)}" for x, y in left) + " L" + " L".join(
        f"{fmt(x)} {fmt(y)}" for x, y in reversed(right)) + " Z"
    b += path(d, "url(#wc)", INK, 2.6, 'fill-opacity="0.92"')
    for i in range(4):
        y = top + 20 + ((i * 60 + step * 15) % (h - top - 30))
        b += path(f"M{fmt(cx - w * 0.18)} {fmt(y)} q{fmt(w * 0.09)} -8 {fmt(w * 0.18)} 0", "none", WHITE, 3, 'opacity="0.7"')
    # a gushing crown of foam, turning over from frame to frame
    rnd = random.Random(70 + step)
    crown = []
    for i in range(5):
        t = (i + 0.5) / 5
        r = w * (0.1 + 0.06 * math.sin(math.pi * t)) * rnd.uniform(0.9, 1.1)
        crown.append((cx + w * 0.34 * (2 * t - 1), top + 14 - 8 * math.sin(math.pi * t) + rnd.uniform(-2, 2), r))
    crown.append((cx, top + 2, w * 0.14))
    b += puffy(crown, "url(#wf)", 2.6)
    for i in range(4):
        x = cx + w * 0.3 * math.cos(math.radians(200 + i * 47 + step * 20))
        y = top - 10 - 8 * ((i + step) % 3)
        b += circle(fmt(x), fmt(max(5.0, y)), 3 + (i % 2), WATER_FOAM, INK, 1.6)
    return doc(w, h, b, defs)


def water_base(step):
    """Churning foam where falling water hits the pool; step turns the foam over."""
    w, h = 192, 96
    defs = linear("wb", [(0, "#bfefff"), (1, WATER)]) + radial("fm", WHITE, "#d6f4ff", 0.4, 0.3, 0.8)
    b = ellipse(96, 74, 90, 18, "url(#wb)", INK, 2.6)
    b += path("M20 76 q18 -6 36 0 q18 6 36 0 q18 -6 36 0 q18 6 36 0", "none", WHITE, 2.5, 'opacity="0.7"')
    rnd = random.Random(40 + step)
    foam = []
    for i in range(7):
        x = 36 + i * 20 + rnd.uniform(-4, 4)
        r = 10 + 12 * math.sin(math.pi * (i + 0.5) / 7) + rnd.uniform(-2, 2)
        foam.append((x, 70 - r * 1.1 + rnd.uniform(-3, 3), r))
    b += puffy(foam, "url(#fm)", 2.6)
    for i in range(5):
        a = math.radians(200 + i * 35 + step * 9)
        x, y = 96 + 70 * math.cos(a), 44 + 34 * math.sin(a)
        b += circle(fmt(x), fmt(y), 3 + (i + step) % 3, WATER_FOAM, INK, 1.6)
    return doc(w, h, b, defs)


def waterfall(step):
    w, h = 160, 512
    defs = linear("wfall", [(0, "#9fe2ff"), (0.5, WATER), (1, WATER_DEEP)], x2=1, y2=0)
    b = rect(10, -4, 140, h + 8, "url(#wfall)", INK, 3, extra='fill-opacity="0.9"')
    for i in range(9):
        x = 22 + i * 14
        off = (step * 40 + i * 37) % 120
        for k in range(5):
            y = -60 + off + k * 120
            b += path(f"M{x} {y} l0 {50 + (i % 3) * 10}", "none", WHITE, 3 if i % 2 else 2, 'opacity="0.55"')
    return doc(w, h, b, defs)


def puffs(w, h, base_y, seed):
    """Circles along an arc forming a cloud outline, biggest in the middle."""
    rnd = random.Random(seed)
    out = []
    n = 6
    for i in range(n):
        t = (i + 0.5) / n
        r = h * (0.22 + 0.2 * math.sin(math.pi * t)) * rnd.uniform(0.9, 1.1)
        x = w * (0.1 + 0.8 * t)
        y = base_y - r * 0.55 - h * 0.1 * math.sin(math.pi * t)
        out.append((x, y, r))
    return out


def cloud(w, h, rain, step=0, dark=False, seed=None):
    fill_a, fill_b = ("#ffffff", "#d9e4f5") if not dark else ("#d3dbeb", "#8f9dbd")
    defs = linear("cl", [(0, fill_a), (1, fill_b)], x1=0, y1=0, x2=0, y2=h, user=True)
    base_y = h * (0.62 if rain else 0.82)
    circles = puffs(w, h * (0.66 if rain else 0.92), base_y, seed if seed is not None else (7 if rain else 3))
    bottom = rect(w * 0.1, base_y - h * 0.18, w * 0.8, h * 0.18, "url(#cl)", "none", 0, rx=h * 0.09)
    b = ""
    for x, y, r in circles:
        b += circle(x, y, r + 2, INK, INK, 3)
    b += rect(w * 0.1, base_y - h * 0.18, w * 0.8, h * 0.18, INK, INK, 6, rx=h * 0.09)
    for x, y, r in circles:
        b += circle(x, y, r - 1, "url(#cl)", "none", 0)
    b += bottom
    for x, y, r in circles[1:-2:2]:
        b += path(f"M{fmt(x - r * 0.5)} {fmt(y - r * 0.35)} q{fmt(r * 0.3)} -{fmt(r * 0.35)} {fmt(r * 0.7)} -{fmt(r * 0.2)}",
                  "none", WHITE, 3.5, 'opacity="0.8"')
    if rain:
        for i in range(7):
            x = w * (0.16 + i * 0.11)
            y = h * 0.7 + ((i * 13 + step * 11) % 24)
            b += path(f"M{fmt(x)} {fmt(y)} q-3.5 9 0 12 q3.5 -3 0 -12 Z", "#7fc6f0", INK, 1.6)
        b += path(f"M{fmt(w * 0.42)} {fmt(base_y - h * 0.2)} q6 5 12 0 M{fmt(w * 0.56)} {fmt(base_y - h * 0.2)} q6 5 12 0",
                  "none", INK, 2.6)
        b += ellipse(w * 0.52, base_y - h * 0.08, 5, 3.4, INK_SOFT, "none", 0)
    return doc(w, h, b, defs)


def plank_platform(w, h, kind):
    defs = linear("pw", [(0, BARK_LIGHT), (1, BARK)]) + linear("ps", [(0, "#d6cbbd"), (1, STONE_DARK)]) + linear(
        "pg", [(0, "#9ad65a"), (1, LEAF_DEEP)]) + linear("pe", [(0, EARTH), (1, EARTH_DARK)])
    b = ""
    if kind == "wood":
        b += rect(3, 8, w - 6, h - 14, "url(#pw)", INK, 3, rx=8)
        for x in range(int(w / 64), w, 64):
            b += path(f"M{x} 10 L{x} {h - 8}", "none", BARK_DARK, 2.4)
        b += path(f"M12 {h / 2} q{w / 4} -4 {w / 2} 0 t{w / 2 - 24} 0", "none", BARK_DARK, 1.6, 'opacity="0.6"')
        for x in range(32, w, 64):
            b += circle(x - 22, 16, 2.5, INK, "none", 0) + circle(x - 22, h - 14, 2.5, INK, "none", 0)
    elif kind == "stone":
        b += rect(3, 6, w - 6, h - 10, "url(#ps)", INK, 3, rx=12)
        for i, x in enumerate(range(40, w - 20, 52)):
            b += path(f"M{x} {8 if i % 2 else h - 6} l6 {fmt((h - 14) / 2 * (1 if i % 2 else -1))}", "none", STONE_DARK, 2.4)
        b += path(f"M14 14 L{w - 20} 14", "none", WHITE, 3, 'opacity="0.5"')
    else:  # grassy earth chunk
        b += path(f"M4 18 Q{w / 2} 10 {w - 4} 18 L{w - 20} {h - 4} Q{w / 2} {h + 4} 20 {h - 4} Z", "url(#pe)", INK, 3)
        for i in range(6):
            b += circle(30 + i * (w - 60) / 5, 34 + (i % 2) * 10, 4 + i % 3, EARTH_DARK, "none", 0)
        b += path(f"M2 22 Q{w / 2} 8 {w - 2} 22 L{w - 4} 28 Q{w / 2} 20 4 28 Z", "url(#pg)", INK, 3)
        for i in range(int(w / 14)):
            x = 8 + i * 14
            b += path(f"M{x} 16 l3 -9 l3 9", "url(#pg)", INK, 1.6)
    return doc(w, h, b, defs)


def log(w, h, vertical=False):
    defs = linear("lg", [(0, BARK_LIGHT), (0.5, BARK), (1, BARK_DARK)])
    lw, lh = (h, w) if vertical else (w, h)
    b = rect(4, 4, lw - 8 - lh * 0.3, lh - 8, "url(#lg)", INK, 3, rx=lh / 2 - 4)
    for i in range(4):
        x = 30 + i * (lw - 90) / 3
        b += path(f"M{fmt(x)} {fmt(lh * 0.3)} q{fmt(lw * 0.08)} 4 {fmt(lw * 0.16)} 0", "none", BARK_DARK, 2.2)
    b += ellipse(lw - 8 - lh * 0.32, lh / 2, lh * 0.3, lh / 2 - 4, "#e9c08a", INK, 3)
    b += ellipse(lw - 8 - lh * 0.32, lh / 2, lh * 0.16, lh * 0.25, "none", BARK, 2)
    b += ellipse(lw * 0.47, 10, 7, 4, LEAF, INK, 1.6)
    if vertical:
        b = group(b, tx=0, ty=0, rot=90, cx=lh / 2, cy=lh / 2)
    return doc(w, h, b, defs)


def blocker():
    w, h = 96, 480
    defs = linear("bk", [(0, BARK_LIGHT), (0.5, BARK), (1, BARK_DARK)], x2=1, y2=0)
    b = ""
    for i, x in enumerate((6, 34, 62)):
        top = 10 + (i % 2) * 12
        b += path(f"M{x} {h} L{x} {top + 14} L{x + 14} {top} L{x + 28} {top + 14} L{x + 28} {h} Z", "url(#bk)", INK, 3)
        for y in range(top + 60, h, 90):
            b += path(f"M{x + 6} {y} q8 6 16 0", "none", BARK_DARK, 2)
    for y in (120, 360):
        b += rect(2, y, 92, 20, BARK_DARK, INK, 3, rx=6)
        b += circle(20, y + 10, 3, STONE, INK, 1.2) + circle(76, y + 10, 3, STONE, INK, 1.2)
    b += path(f"M8 {h - 40} q20 -30 40 -10 q20 -26 40 4", "none", LEAF_DEEP, 5)
    return doc(w, h, b, defs)


def exit_sign():
    w, h = 112, 144
    defs = linear("es", [(0, BARK_LIGHT), (1, BARK)])
    import font
    b = rect(50, 40, 12, 102, BARK, INK, 3, rx=4)
    b += path("M10 20 L92 20 L108 44 L92 68 L10 68 Z", "url(#es)", INK, 3)
    b += font.text("GO", 54, 44, 24, fill=CREAM)
    b += ellipse(56, 142, 30, 6, LEAF_DEEP, INK, 2.4)
    return doc(w, h, b, defs)


def flower(step):
    w, h = 64, 96
    b = path("M32 96 Q30 70 32 40", "none", LEAF_DEEP, 5)
    b += ellipse(22, 70, 10, 5, LEAF, INK, 2, 'transform="rotate(-30 22 70)"')
    for i in range(6):
        a = math.radians(i * 60 + step * 8)
        b += ellipse(fmt(32 + 13 * math.cos(a)), fmt(30 + 13 * math.sin(a)), 9, 9, ROSE, INK, 2.2)
    b += circle(32, 30, 9, HONEY, INK, 2.4)
    return doc(w, h, b)


def sprites():
    out = []
    pf = {f"Pollen_{i}": pollen(i) for i in range(4)}
    out.append(Sprite("Pollen", LAYER, (48, 48), pf, {"default": list(pf)}, note="loop `default` for the shimmer"))
    out.append(Sprite("Hive", LAYER, (120, 144), {"Hive_Idle": hive(False), "Hive_Lit_0": hive(True), "Hive_Lit_1": hive(True)},
                      {"default": ["Hive_Idle"], "active": ["Hive_Lit_0", "Hive_Lit_1"]},
                      note="checkpoint; `active` once touched"))
    gf = {f"Geyser_{i}": water_column(96, 256, i, False) for i in range(4)}
    out.append(Sprite("Geyser", LAYER, (96, 256), gf, {"default": list(gf)}, note="geyser water, loop `default`"))
    pg = {f"PowerGeyser_{i}": water_column(128, 384, i, True) for i in range(4)}
    out.append(Sprite("PowerGeyser", LAYER, (128, 384), pg, {"default": list(pg)}, note="stronger geyser (`PowerWater`)"))
    wb = {f"WaterBase_{i}": water_base(i) for i in range(4)}
    out.append(Sprite("WaterBase", LAYER, (192, 96), wb, {"default": list(wb)}, note="foam at a waterfall's foot"))
    wf = {f"Waterfall_{i}": waterfall(i) for i in range(3)}
    out.append(Sprite("Waterfall", LAYER, (160, 512), wf, {"default": list(wf)}, note="falling water column"))
    rc = {f"RainCloud_{i}": cloud(256, 144, True, i, dark=True) for i in range(3)}
    out.append(Sprite("RainCloud", LAYER, (256, 144), rc, {"default": list(rc)}, note="`Clouds_Rain`"))
    cp = {"CloudPlatform": cloud(256, 96, False)}
    out.append(Sprite("CloudPlatform", LAYER, (256, 96), cp, {"default": ["CloudPlatform"], "moveRight": ["CloudPlatform"],
                                                               "moveLeft": ["CloudPlatform"]},
                      note="moving cloud platform (`Clouds_1`)"))
    out.append(single("Platform_Wood", LAYER, (256, 48), plank_platform(256, 48, "wood"), "wooden plank platform"))
    out.append(single("Platform_Stone", LAYER, (192, 48), plank_platform(192, 48, "stone"), "stone slab platform"))
    out.append(single("Platform_Grass", LAYER, (320, 80), plank_platform(320, 80, "grass"), "floating grassy earth chunk"))
    out.append(single("Log_Short", LAYER, (256, 64), log(256, 64), "short log"))
    out.append(single("Log_Long", LAYER, (512, 72), log(512, 72), "long log"))
    out.append(single("Log_Upright", LAYER, (72, 256), log(72, 256, vertical=True), "log standing up"))
    out.append(single("Blocker", LAYER, (96, 480), blocker(), "arena blocker palisade (`1Blocker`, `2Blocker`)"))
    out.append(single("ExitSign", LAYER, (112, 144), exit_sign(), "level exit signpost"))
    fl = {f"Flower_{i}": flower(i) for i in range(2)}
    out.append(Sprite("Flower", LAYER, (64, 96), fl, {"default": list(fl)}, note="decoration"))
    out.append(enemies.trap_sprite())
    return out
