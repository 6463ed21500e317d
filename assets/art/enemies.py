"""Wasps (common, red, king) and the porcupine.

Wasps face right. The porcupine faces left: its behaviour plays "default" while walking left and
"Left" (the mirrored frames) while walking right.
"""

import math

from kit import (INK, WHITE, WASP_YELLOW, WASP_RED, WASP_PURPLE, HONEY, HONEY_DEEP, BLUSH, BARK, BARK_DARK, CREAM,
                 Sprite, doc, ellipse, circle, path, group, radial, fmt)

LAYER = "Enemies"


def wasp(w, h, body_col, stripe, wing_phase, angry, crown=False):
    """A wasp in a w x h box facing right; wing_phase 0..1 beats the wings."""
    cx, cy = 42, 40 if not crown else 44
    inner = {WASP_RED: "#ff9f86", WASP_PURPLE: "#e6d4ff"}.get(body_col, "#fff6c8")
    defs = radial("wb", inner, body_col, 0.35, 0.3, 0.8) + radial("wg", "#ffffff", "#cfeefc", 0.3, 0.3, 0.9)
    b = ""
    a = -30 + 70 * wing_phase
    for off, op in ((-6, 0.55), (4, 0.8)):
        wing = path(f"M{cx + off} {cy - 8} Q{cx + off - 20} {cy - 38} {cx + off - 4} {cy - 36} Q{cx + off + 8} {cy - 30} {cx + off} {cy - 8} Z",
                    "url(#wg)", INK, 2.2, f'fill-opacity="{op}"')
        b += group(wing, rot=a + off, cx=cx + off, cy=cy - 8)
    # abdomen with stripes and stinger
    b += path(f"M{cx - 14} {cy + 2} Q{cx - 36} {cy + 4} {cx - 38} {cy + 18} L{cx - 30} {cy + 12} "
              f"Q{cx - 22} {cy + 20} {cx - 8} {cy + 12} Z", INK, INK, 2)
    abd = ellipse(cx - 16, cy + 6, 18, 13, "url(#wb)", INK, 2.8)
    abd += path(f"M{cx - 22} {cy - 6} Q{cx - 25} {cy + 6} {cx - 22} {cy + 18}", "none", stripe, 5)
    abd += path(f"M{cx - 12} {cy - 7} Q{cx - 15} {cy + 6} {cx - 12} {cy + 19}", "none", stripe, 5)
    b += group(abd, rot=-12, cx=cx - 16, cy=cy + 6)
    b += path(f"M{cx - 33} {cy + 12} L{cx - 42} {cy + 18} L{cx - 32} {cy + 17} Z", INK, INK, 1.5)
    # thorax and head
    b += ellipse(cx + 4, cy + 4, 10, 10, "url(#wb)", INK, 2.6)
    b += path(f"M{cx} {cy + 12} l-3 9 M{cx + 6} {cy + 13} l0 9 M{cx + 10} {cy + 11} l4 8", "none", INK, 2.2)
    b += circle(cx + 20, cy, 12, "url(#wb)", INK, 2.8)
    b += path(f"M{cx + 16} {cy - 11} Q{cx + 14} {cy - 22} {cx + 8} {cy - 24} M{cx + 22} {cy - 12} Q{cx + 24} {cy - 22} {cx + 30} {cy - 24}",
              "none", INK, 2.2)
    b += circle(cx + 8, cy - 24, 2.4, INK, "none", 0) + circle(cx + 30, cy - 24, 2.4, INK, "none", 0)
    b += ellipse(cx + 25, cy - 1, 5, 6, WHITE, INK, 2)
    b += ellipse(cx + 26.5, cy, 3, 4, INK, "none", 0) + circle(cx + 27.5, cy - 1.6, 1.1, WHITE, "none", 0)
    if angry:
        b += path(f"M{cx + 18} {cy - 9} L{cx + 30} {cy - 5}", "none", INK, 3)
        b += path(f"M{cx + 24} {cy + 7} q3 -3 6 0", "none", INK, 2)
    else:
        b += path(f"M{cx + 23} {cy + 7} q3 2 7 -1", "none", INK, 2)
    if crown:
        b += path(f"M{cx + 10} {cy - 10} L{cx + 9} {cy - 22} L{cx + 15} {cy - 16} L{cx + 20} {cy - 25} L{cx + 24} {cy - 16} "
                  f"L{cx + 30} {cy - 22} L{cx + 30} {cy - 9} Z", HONEY, INK, 2.2)
        b += circle(cx + 20, cy - 14, 2, BLUSH, INK, 1)
    return doc(w, h, b, defs, vb="-4 -10 84 80")


def wasp_sprite(name, prefix, w, h, body_col, stripe, crown=False, note=""):
    f = {}
    for i, ph in enumerate((0.0, 1.0)):
        f[f"{prefix}_Fly_{i}"] = wasp(w, h, body_col, stripe, ph, False, crown)
    for i, ph in enumerate((0.2, 1.0)):
        f[f"{prefix}_Angry_{i}"] = wasp(w, h, body_col, stripe, ph, True, crown)
    fly = [f"{prefix}_Fly_0", f"{prefix}_Fly_1"]
    angry = [f"{prefix}_Angry_0", f"{prefix}_Angry_1"]
    anims = {"default": angry, "Left": angry, "moveRight": fly, "moveLeft": fly}
    return Sprite(name, LAYER, (w, h), f, anims, note=note)


def porcupine(step, bristle):
    """Facing left. step 0..3 walks the legs; bristle 0..1 raises the quills."""
    w, h = 128, 96
    defs = radial("pb", "#c89a6a", BARK, 0.5, 0.3, 0.8) + radial("pf", "#fff0dc", "#f1c9a4", 0.4, 0.3, 0.9)
    cx, cy = 70, 64
    b = ""
    # quills behind the body: a fan of spikes whose length grows with bristle
    n = 13
    for i in range(n):
        a = 200 + i * (150 / (n - 1))
        ln = 32 + 14 * bristle + 4 * ((i * 7) % 3)
        x1, y1 = cx + 30 * math.cos(math.radians(a)), cy + 22 * math.sin(math.radians(a))
        x2, y2 = cx + ln * math.cos(math.radians(a)) * 1.15, cy + ln * math.sin(math.radians(a)) * (0.95 + 0.2 * bristle)
        ax, ay = cx + 26 * math.cos(math.radians(a + 7)), cy + 20 * math.sin(math.radians(a + 7))
        b += path(f"M{fmt(x1)} {fmt(y1)} L{fmt(x2)} {fmt(y2)} L{fmt(ax)} {fmt(ay)} Z", BARK_DARK, INK, 2)
        b += path(f"M{fmt(x1 + (x2 - x1) * 0.7)} {fmt(y1 + (y2 - y1) * 0.7)} L{fmt(x2)} {fmt(y2)}", "none", CREAM, 2)
    # legs
    for k, lx in enumerate((cx - 22, cx - 6, cx + 12, cx + 26)):
        p = math.sin((step / 4 + k * 0.5) * 2 * math.pi)
        b += ellipse(lx + 3 * p, cy + 24 - max(0, 3 * p), 6, 5, BARK_DARK, INK, 2.2)
    b += ellipse(cx, cy + 2, 38, 24, "url(#pb)", INK, 3)
    # face to the left
    b += path(f"M{cx - 30} {cy - 8} Q{cx - 52} {cy - 2} {cx - 58} {cy + 10} Q{cx - 50} {cy + 20} {cx - 30} {cy + 18} Z", "url(#pf)", INK, 2.8)
    b += circle(cx - 58, cy + 9, 4, INK, "none", 0)
    b += circle(cx - 36, cy + 1, 4.2, WHITE, INK, 1.8) + circle(cx - 37.5, cy + 1.5, 2.4, INK, "none", 0)
    if bristle > 0.5:
        b += path(f"M{cx - 42} {cy - 6} L{cx - 31} {cy - 3}", "none", INK, 2.6)
    b += ellipse(cx - 44, cy + 12, 3.5, 2.2, BLUSH, "none", 0, 'opacity="0.7"')
    b += circle(cx - 24, cy - 16, 5, "url(#pf)", INK, 2)
    return doc(w, h, b, defs)


def trap(close):
    """A snapping plant trap; close 0 (open) .. 1 (shut)."""
    w, h = 128, 96
    defs = radial("tg", "#b8e986", "#4f9a35", 0.4, 0.3, 0.9) + radial("tr", "#ff9aa2", "#d04a5a", 0.5, 0.6, 0.8)
    cx, cy = 64, 80
    b = ""
    b += path(f"M{cx - 34} {cy + 12} Q{cx - 44} {cy} {cx - 20} {cy - 2} Q{cx} {cy - 6} {cx + 20} {cy - 2} Q{cx + 44} {cy} {cx + 34} {cy + 12} Z",
              "#4f9a35", INK, 2.6)
    for side in (-1, 1):
        jaw = path(f"M{cx} {cy - 4} Q{cx + side * 8} {cy - 44} {cx + side * 46} {cy - 36} Q{cx + side * 38} {cy - 10} {cx} {cy - 4} Z",
                   "url(#tg)", INK, 2.8)
        jaw += path(f"M{cx + side * 4} {cy - 8} Q{cx + side * 12} {cy - 34} {cx + side * 40} {cy - 33}", "none", "url(#tr)", 6)
        for k in range(6):
            t = 0.4 + k * 0.11
            # a point on the jaw's rim curve and its outward normal
            px = (1 - t) ** 2 * cx + 2 * (1 - t) * t * (cx + side * 8) + t * t * (cx + side * 46)
            py = (1 - t) ** 2 * (cy - 4) + 2 * (1 - t) * t * (cy - 44) + t * t * (cy - 36)
            dx = 2 * (1 - t) * (side * 8) + 2 * t * (side * 38)
            dy = 2 * (1 - t) * (-40) + 2 * t * 8
            ln = math.hypot(dx, dy)
            nx, ny = dy / ln * side, -dx / ln * side
            tx, ty = dx / ln, dy / ln
            jaw += path(f"M{fmt(px - tx * 3)} {fmt(py - ty * 3)} L{fmt(px + nx * 9)} {fmt(py + ny * 9)} "
                        f"L{fmt(px + tx * 3)} {fmt(py + ty * 3)} Z", CREAM, INK, 1.4)
        rot = -side * 48 * close
        b += group(jaw, rot=fmt(rot), cx=cx, cy=cy - 4)
    return doc(w, h, b, defs)


def sprites():
    out = [
        wasp_sprite("Wasp", "Wasp", 96, 92, WASP_YELLOW, INK, note="patrols with `moveRight`/`moveLeft`, chases with `default`/`Left`"),
        wasp_sprite("RedWasp", "RedWasp", 96, 92, WASP_RED, INK, note="the attack wasp; same animation names as `Wasp`"),
        wasp_sprite("KingWasp", "KingWasp", 168, 160, WASP_PURPLE, HONEY_DEEP, crown=True,
                    note="larger, crowned; same animation names as `Wasp`"),
    ]
    f = {}
    walk = []
    for i in range(4):
        n = f"Porcupine_Walk_{i}"
        f[n] = porcupine(i, 0.0)
        walk.append(n)
    bristle = []
    for i, v in enumerate((0.35, 0.75, 1.0)):
        n = f"Porcupine_Bristle_{i}"
        f[n] = porcupine(0, v)
        bristle.append(n)
    out.append(Sprite("Porcupine", LAYER, (128, 96), f,
                      {"default": walk, "Left": walk, "Idle": bristle, "Left_Idle": bristle},
                      note="drawn facing LEFT: `default` walks left, `Left` is the mirrored walk; `Idle`/`Left_Idle` bristle"))
    return out


def trap_sprite():
    f = {"Trap_Open": trap(0.0)}
    closing = []
    for i, c in enumerate((0.35, 0.7, 1.0)):
        n = f"Trap_Close_{i}"
        f[n] = trap(c)
        closing.append(n)
    return Sprite("Trap", "World", (128, 96), f, {"default": ["Trap_Open"], "close": closing},
                  note="snapping plant; `default` open, `close` snaps shut (give its name to the trap trigger)")
