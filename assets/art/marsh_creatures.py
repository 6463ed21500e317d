"""The marsh's creatures and its crumbling ledge: the frog, the dragonfly and "Ledge_Crumble".

They live in an atlas of their own, drawn just after the first world's enemies, so the meadow and forest
levels keep their atlases as they were. The frog and the dragonfly face right (their Left animations mirror
them); the ledge's frames are drawn in place, its behaviour moves and fades it.
"""

from kit import (INK, WHITE, BLUSH, STONE, STONE_DARK, MOSS, LEAF, Sprite, doc, ellipse, circle, path, group, radial,
                 linear, fmt)

LAYER = "Marsh_Creatures"

FROG = "#6fbf4a"
FROG_DARK = "#3f8a34"
FROG_BELLY = "#f3f0b0"
FROG_SIZE = (96, 80)
FLY_BODY = "#2fb3a8"
FLY_DEEP = "#1d6f86"
FLY_SIZE = (112, 72)
LEDGE_SIZE = (256, 56)


def frog(pose, croak=0.0):
    """A frog facing right in a 96 x 80 box; pose "sit", "crouch", "stretch" or "tuck"; croak 0..1 fills its throat."""
    defs = radial("fb", "#a6e27a", FROG, 0.4, 0.3, 0.85) + radial("fs", "#ffffff", "#f6d8ff", 0.35, 0.35, 0.9)
    b = ""
    lift = {"sit": 0, "crouch": 4, "stretch": -6, "tuck": -2}[pose]
    cx, cy = 46, 52 + lift
    if pose == "stretch":
        # hind legs thrown back, front legs reaching forward
        b += path(f"M{cx - 18} {cy + 6} Q{cx - 34} {cy + 14} {cx - 44} {cy + 24} L{cx - 36} {cy + 26} Q{cx - 26} {cy + 18} {cx - 10} {cy + 12} Z",
                  FROG_DARK, INK, 2.4)
        b += path(f"M{cx + 16} {cy + 10} Q{cx + 28} {cy + 18} {cx + 40} {cy + 20} L{cx + 38} {cy + 25} Q{cx + 24} {cy + 24} {cx + 10} {cy + 16} Z",
                  FROG_DARK, INK, 2.2)
    else:
        fold = 1.0 if pose != "tuck" else 0.7
        # the folded hind leg: a thigh, then the foot along the ground
        b += ellipse(cx - 16, cy + 12, 18 * fold, 12, "url(#fb)", INK, 2.6)
        b += path(f"M{cx - 30} {cy + 22} Q{cx - 16} {cy + 26} {cx - 2} {cy + 24} l6 2 l-6 2 Q{cx - 18} {cy + 31} {cx - 32} {cy + 28} Z",
                  FROG_DARK, INK, 2.2)
        b += path(f"M{cx + 16} {cy + 8} L{cx + 18} {cy + 24} l6 2 l-10 1 Z", FROG_DARK, INK, 2.2)
    # body and belly
    b += ellipse(cx, cy + 4, 30, 20, "url(#fb)", INK, 2.8)
    b += path(f"M{cx - 6} {cy + 20} Q{cx + 16} {cy + 22} {cx + 26} {cy + 8}", "none", FROG_BELLY, 5)
    for sx, sy, r in ((-14, -4, 4), (-2, -10, 3), (-20, 8, 3)):
        b += circle(cx + sx, cy + sy, r, FROG_DARK, "none", 0)
    # throat sac, swelling as it croaks
    if croak > 0:
        b += ellipse(cx + 20, cy + 16, 9 + 8 * croak, 6 + 7 * croak, "url(#fs)", INK, 2.2)
    # head: two eye domes on top
    for ex in (cx + 10, cx + 24):
        b += circle(ex, cy - 16, 9, "url(#fb)", INK, 2.6)
        b += circle(ex + 1, cy - 16, 5.5, WHITE, INK, 1.6)
        b += circle(ex + 2.5, cy - 15, 3, INK, "none", 0) + circle(ex + 3.5, cy - 16.5, 1.1, WHITE, "none", 0)
    b += path(f"M{cx + 12} {cy + 2} Q{cx + 22} {cy + 8} {cx + 30} {cy}", "none", INK, 2.2)
    b += ellipse(cx + 26, cy + 4, 3, 2, BLUSH, "none", 0, 'opacity="0.7"')
    return doc(*FROG_SIZE, b, defs)


def frog_sprite():
    f = {"Frog_Sit_0": frog("sit"), "Frog_Sit_1": frog("sit", 0.15)}
    croak = []
    for i, c in enumerate((0.5, 1.0, 0.6)):
        n = f"Frog_Croak_{i}"
        f[n] = frog("crouch" if i == 1 else "sit", c)
        croak.append(n)
    leap = []
    for i, pose in enumerate(("crouch", "stretch", "tuck")):
        n = f"Frog_Leap_{i}"
        f[n] = frog(pose)
        leap.append(n)
    sit = ["Frog_Sit_0", "Frog_Sit_0", "Frog_Sit_0", "Frog_Sit_1"]
    anims = {"default": sit, "Left": sit, "Croak": croak, "Croak_Left": croak, "Leap": leap, "Leap_Left": leap}
    return Sprite("Frog", LAYER, FROG_SIZE, f, anims,
                  note="faces right; `default`/`Left` sit, `Croak`/`Croak_Left` warn, `Leap`/`Leap_Left` jump (once)")


def dragonfly(wing, shiver=0.0, dive=False):
    """A dragonfly facing right in a 112 x 72 box; wing 0..1 beats the wings; shiver shakes it; dive tilts it."""
    defs = (radial("db", "#8ff0e0", FLY_BODY, 0.35, 0.3, 0.85) + radial("dw", "#ffffff", "#c8f4ff", 0.3, 0.3, 0.9)
            + radial("de", "#ffb0d0", "#d0407a", 0.35, 0.3, 0.8))
    cx, cy = 62, 38
    jitter = shiver * (2.5 if wing > 0.5 else -2.5)
    b = ""
    wings = ""
    for wx, base, op in ((-2, -14, 0.55), (8, -6, 0.8)):
        a = base + (-35 + 60 * wing)
        w = path(f"M{cx + wx} {cy - 4} Q{cx + wx - 12} {cy - 30} {cx + wx - 40} {cy - 26} Q{cx + wx - 30} {cy - 10} {cx + wx} {cy - 4} Z",
                 "url(#dw)", INK, 1.8, f'fill-opacity="{op}"')
        wings += group(w, rot=fmt(a), cx=cx + wx, cy=cy - 4)
    body = wings
    # the long segmented tail
    body += path(f"M{cx - 8} {cy} Q{cx - 34} {cy + 2} {cx - 56} {cy + 6}", "none", INK, 9)
    body += path(f"M{cx - 8} {cy} Q{cx - 34} {cy + 2} {cx - 56} {cy + 6}", "none", FLY_DEEP, 5)
    for k in range(4):
        x = cx - 16 - k * 10
        body += path(f"M{x} {cy - 2 + k * 0.8} l0 5", "none", "#8ff0e0", 1.6)
    body += ellipse(cx, cy, 12, 9, "url(#db)", INK, 2.6)
    body += circle(cx + 16, cy - 2, 10, "url(#de)", INK, 2.6)
    body += circle(cx + 19, cy - 5, 3.4, WHITE, "none", 0) + circle(cx + 20, cy - 4, 1.8, INK, "none", 0)
    body += path(f"M{cx + 6} {cy + 8} l-4 8 M{cx + 10} {cy + 8} l2 8", "none", INK, 2)
    if shiver > 0 or dive:
        body += path(f"M{cx + 14} {cy - 10} L{cx + 24} {cy - 7}", "none", INK, 2.6)
    rot = 28 if dive else 0
    b += group(body, tx=fmt(jitter), rot=rot, cx=cx, cy=cy)
    if shiver > 0:
        for k, (x, y) in enumerate(((cx - 50, cy - 24), (cx + 34, cy - 26), (cx - 10, cy + 26))):
            b += path(f"M{x} {y} l{4 if k % 2 else -4} -6", "none", INK, 2.2, 'opacity="0.6"')
    return doc(*FLY_SIZE, b, defs)


def dragonfly_sprite():
    f = {}
    hover, shiver, dive = [], [], []
    for i, w in enumerate((0.0, 0.5, 1.0)):
        n = f"Dragonfly_Hover_{i}"
        f[n] = dragonfly(w)
        hover.append(n)
    for i, w in enumerate((0.2, 0.9)):
        n = f"Dragonfly_Shiver_{i}"
        f[n] = dragonfly(w, shiver=1.0)
        shiver.append(n)
    for i, w in enumerate((0.1, 0.6)):
        n = f"Dragonfly_Dive_{i}"
        f[n] = dragonfly(w, dive=True)
        dive.append(n)
    anims = {"default": hover, "Left": hover, "Shiver": shiver, "Shiver_Left": shiver, "Dive": dive, "Dive_Left": dive}
    return Sprite("Dragonfly", LAYER, FLY_SIZE, f, anims,
                  note="faces right; `default`/`Left` hover, `Shiver`/`Shiver_Left` warn, `Dive`/`Dive_Left` dive")


def ledge(cracks, spread=0.0, shake=0.0):
    """A mossy slab of peat and stone, 256 x 56; cracks 0..3 split it; spread 0..1 breaks it into falling pieces."""
    w, h = LEDGE_SIZE
    defs = linear("ls", [(0, "#8f8071"), (1, STONE_DARK)])
    top, bottom = 14, 44
    pieces = 5
    b = ""
    for i in range(pieces):
        x0, x1 = 8 + i * 48, 8 + (i + 1) * 48
        dx = (i - 2) * 10 * spread + (shake if i % 2 else -shake)
        # the pieces stay inside the frame: the behaviour drops the whole ledge while they break apart
        dy = spread * 2 * ((i * 3) % 3)
        rot = (i - 2) * 6 * spread
        slab = path(f"M{x0} {top} L{x1} {top} L{x1 - 2 - i % 2 * 4} {bottom - 4 + (i % 3) * 3} "
                    f"Q{(x0 + x1) / 2} {bottom + 4} {x0 + 3 + (i % 2) * 3} {bottom - 2} Z", "url(#ls)", INK, 2.6)
        slab += path(f"M{x0 + 4} {top + 12} l10 3 m8 6 l12 -2", "none", STONE, 2, 'opacity="0.8"')
        # moss along the top, hanging over the edge a little
        slab += path(f"M{x0 - 1} {top + 1} Q{x0 + 12} {top - 8} {(x0 + x1) / 2} {top - 3} Q{x1 - 10} {top - 9} {x1 + 1} {top + 1} "
                     f"Q{x1 - 6} {top + 8} {(x0 + x1) / 2} {top + 5} Q{x0 + 6} {top + 9} {x0 - 1} {top + 1} Z", MOSS, INK, 2)
        slab += path(f"M{x0 + 6} {top - 2} q8 -4 16 0", "none", LEAF, 2)
        b += group(slab, tx=fmt(dx), ty=fmt(dy), rot=fmt(rot), cx=(x0 + x1) / 2, cy=(top + bottom) / 2)
    for k in range(min(cracks, pieces - 1)):
        x = 8 + (k * 2 % 4 + 1) * 48
        if spread == 0:
            b += path(f"M{x} {top} l-4 10 l6 8 l-3 10", "none", INK, 2.4)
    return doc(w, h, b, defs)


def ledge_sprite():
    f = {"Ledge_Whole": ledge(0)}
    shake = []
    for i, (c, s) in enumerate(((1, 2.5), (2, -2.5), (3, 2.5), (3, -2.5))):
        n = f"Ledge_Shake_{i}"
        f[n] = ledge(c, shake=s)
        shake.append(n)
    crumble = []
    for i, s in enumerate((0.25, 0.6, 1.0)):
        n = f"Ledge_Crumble_{i}"
        f[n] = ledge(3, spread=s)
        crumble.append(n)
    anims = {"default": ["Ledge_Whole"], "Shake": shake, "Crumble": crumble}
    return Sprite("Ledge", LAYER, LEDGE_SIZE, f, anims,
                  note="`default` whole, `Shake` cracks and trembles, `Crumble` breaks into falling pieces (once)")


def sprites():
    return [frog_sprite(), dragonfly_sprite(), ledge_sprite()]
