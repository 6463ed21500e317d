"""The bear boss and its cub, facing right, sharing one parametric drawing."""

import math

from kit import (INK, WHITE, BEAR, BEAR_DARK, BEAR_LIGHT, CUB, BLUSH, HONEY, CREAM, Sprite, doc, ellipse, circle,
                 path, group, radial, fmt, with_left)

LAYER = "Boss"


def limb(x1, y1, length, angle, width, fill, paw=True):
    """A rounded capsule limb from a joint, with a paw pad at its end."""
    x2 = x1 + length * math.cos(math.radians(angle))
    y2 = y1 + length * math.sin(math.radians(angle))
    out = path(f"M{fmt(x1)} {fmt(y1)} L{fmt(x2)} {fmt(y2)}", "none", INK, width + 6)
    out += path(f"M{fmt(x1)} {fmt(y1)} L{fmt(x2)} {fmt(y2)}", "none", fill, width)
    if paw:
        out += circle(fmt(x2), fmt(y2), width * 0.58, fill, INK, 3)
        out += ellipse(fmt(x2 + 2), fmt(y2 + 2), width * 0.26, width * 0.2, "#f3d2b0", "none", 0, 'opacity="0.8"')
    return out, (x2, y2)


def leg_(hip_x, hip_y, swing, fill, lift=0.0):
    """A short thick leg ending in a flat foot; swing moves the foot forward (+) or back (-)."""
    fx = hip_x + swing
    fy = 236 - lift
    out = path(f"M{fmt(hip_x)} {fmt(hip_y)} L{fmt(fx)} {fmt(fy - 12)}", "none", INK, 40)
    out += path(f"M{fmt(hip_x)} {fmt(hip_y)} L{fmt(fx)} {fmt(fy - 12)}", "none", fill, 34)
    out += ellipse(fx + 8, fy - 4, 24, 12, fill, INK, 3)
    out += ellipse(fx + 14, fy - 4, 9, 6, "#f3d2b0", "none", 0, 'opacity="0.8"')
    return out


def bear(arm_f=60, arm_b=70, leg=0.0, stride=1.0, mouth="closed", eyes="open", tilt=0, spin=0, sx=1.0, sy=1.0,
         stars=False, cub=False, claws=False, lift=0):
    w = h = 128 if cub else 256
    fur = CUB if cub else BEAR
    dark = "#9c6233" if cub else BEAR_DARK
    light = "#f0c28e" if cub else BEAR_LIGHT
    defs = radial("bb", light if cub else "#c9865a", fur, 0.35, 0.25, 0.85) + radial("bm", "#fff1dc", light, 0.4, 0.3, 0.9)
    cx, cy = 124, 158 - lift
    head_r = 40 if not cub else 50
    b = ""
    # back arm, back leg
    sh_b = (cx - 8, cy - 34)
    arm, _ = limb(sh_b[0], sh_b[1], 84 if arm_b < -25 else 50, arm_b, 30, dark)
    b += arm
    p = 2 * math.pi * leg
    b += leg_(cx - 26, cy + 36, -18 * math.sin(p) * stride, dark, max(0.0, 8 * math.cos(p)) * stride * 0 + lift * 0.3)
    # body
    b += ellipse(cx, cy, 60, 64, "url(#bb)", INK, 3.5)
    b += ellipse(cx + 16, cy + 10, 34, 44, "url(#bm)", "none", 0)
    b += leg_(cx + 10, cy + 40, 18 * math.sin(p) * stride, fur, lift * 0.3)
    # head
    hx, hy = cx + 24, cy - 76
    head = ""
    head += circle(hx - 26, hy - 30, 15, fur, INK, 3) + circle(hx - 26, hy - 30, 7, light, "none", 0)
    head += circle(hx + 14, hy - 36, 15, fur, INK, 3) + circle(hx + 14, hy - 36, 7, light, "none", 0)
    head += ellipse(hx, hy, head_r + 4, head_r, "url(#bb)", INK, 3.5)
    head += ellipse(hx + 28, hy + 12, 22, 16, "url(#bm)", INK, 3)
    head += ellipse(hx + 42, hy + 3, 8, 6, INK, "none", 0) + circle(hx + 40, hy + 1, 2, WHITE, "none", 0)
    for ex in (hx + 2, hx + 22):
        if eyes == "open":
            head += ellipse(ex, hy - 10, 6, 8, WHITE, INK, 2.5) + ellipse(ex + 2, hy - 9, 3.6, 5, INK, "none", 0)
            head += circle(ex + 3, hy - 11, 1.4, WHITE, "none", 0)
        elif eyes == "angry":
            head += ellipse(ex, hy - 8, 6, 6, WHITE, INK, 2.5) + circle(ex + 2, hy - 7, 3.4, INK, "none", 0)
            head += path(f"M{ex - 9} {hy - 20} L{ex + 8} {hy - 12}", "none", INK, 4.5)
        elif eyes == "closed":
            head += path(f"M{ex - 7} {hy - 8} Q{ex} {hy - 2} {ex + 7} {hy - 8}", "none", INK, 3.5)
        elif eyes == "hurt":
            head += path(f"M{ex - 6} {hy - 14} L{ex + 4} {hy - 8} L{ex - 6} {hy - 2}", "none", INK, 3.5)
        elif eyes == "x":
            head += path(f"M{ex - 6} {hy - 14} L{ex + 6} {hy - 2} M{ex + 6} {hy - 14} L{ex - 6} {hy - 2}", "none", INK, 3.5)
        elif eyes == "dizzy":
            head += path(f"M{ex} {hy - 8} m-6 0 a6 6 0 1 1 6 6 a3 3 0 1 1 -3 -3", "none", INK, 2.8)
    head += ellipse(hx - 12, hy + 10, 8, 5, BLUSH, "none", 0, 'opacity="0.55"')
    if mouth == "closed":
        head += path(f"M{hx + 26} {hy + 22} Q{hx + 34} {hy + 28} {hx + 44} {hy + 20}", "none", INK, 3)
    elif mouth == "smile":
        head += path(f"M{hx + 20} {hy + 20} Q{hx + 34} {hy + 34} {hx + 46} {hy + 18}", "none", INK, 3.2)
    elif mouth in ("open", "roar"):
        big = 1.0 if mouth == "roar" else 0.6
        head += path(f"M{hx + 16} {hy + 18} Q{hx + 32} {hy + 18 + 34 * big} {hx + 50} {hy + 16} Z", "#8a2a2a", INK, 3)
        head += path(f"M{hx + 22} {hy + 19} l3 7 l3 -7 M{hx + 40} {hy + 18} l3 7 l3 -7", "none", WHITE, 2)
        head += ellipse(hx + 32, hy + 20 + 20 * big, 8 * big, 5 * big, "#e06a6a", "none", 0)
    elif mouth == "o":
        head += ellipse(hx + 34, hy + 24, 7, 8, "#8a2a2a", INK, 2.8)
    head = group(head, rot=tilt * 0.5, cx=hx, cy=hy + 30)
    sh_f = (cx + 30, cy - 30)
    arm, (px, py) = limb(sh_f[0], sh_f[1], 92 if arm_f < -25 else 54, arm_f, 32, fur)
    if claws:
        for i in (-1, 0, 1):
            a = math.radians(arm_f + i * 28)
            arm += path(f"M{fmt(px + 16 * math.cos(a))} {fmt(py + 16 * math.sin(a))} l{fmt(10 * math.cos(a))} {fmt(10 * math.sin(a))}",
                        "none", CREAM, 4.5)
    # A raised front arm goes behind the head so it never hides the face.
    b += (arm + head) if arm_f < -25 else (head + arm)
    if stars:
        for i in range(3):
            a = math.radians(i * 120 + 30)
            sxp, syp = hx + 40 * math.cos(a), hy - 46 + 10 * math.sin(a)
            b += path(star_path(sxp, syp, 10, 4.5), HONEY, INK, 2)
    body = b
    if tilt:
        body = group(body, rot=tilt, cx=cx, cy=230)
    if sx != 1 or sy != 1:
        body = group(body, cx=cx, cy=240, sx=sx, sy=sy)
    if spin:
        body = group(body, rot=spin, cx=128, cy=150)
    return doc(w, h, body, defs, vb="0 0 256 256")


def star_path(x, y, r1, r2):
    pts = []
    for i in range(10):
        r = r1 if i % 2 == 0 else r2
        a = math.radians(-90 + i * 36)
        pts.append(f"{fmt(x + r * math.cos(a))} {fmt(y + r * math.sin(a))}")
    return "M" + " L".join(pts) + " Z"


def states(cub=False):
    """Animation name -> list of drawings (right-facing names; Left names are added by with_left)."""
    c = dict(cub=cub)
    walk = [bear(arm_f=70 + 25 * math.sin(i * math.pi / 2), arm_b=80 - 25 * math.sin(i * math.pi / 2), leg=i / 4,
                 lift=3 * abs(math.sin(i * math.pi / 2)), tilt=3, **c) for i in range(4)]
    return {
        "default": [bear(arm_f=80, arm_b=90, sy=1.0, **c), bear(arm_f=76, arm_b=86, sy=0.98, sx=1.01, **c),
                    bear(arm_f=80, arm_b=90, sy=0.97, sx=1.02, eyes="closed", **c)],
        "moveRight": walk,
        "roarRight": [bear(arm_f=-105, arm_b=-125, mouth="roar", eyes="angry", tilt=-6, claws=True, **c),
                      bear(arm_f=-115, arm_b=-135, mouth="roar", eyes="angry", tilt=-9, sy=1.03, claws=True, **c)],
        "beginAttackRight": [bear(arm_f=-100, arm_b=-120, mouth="open", eyes="angry", tilt=-10, claws=True, **c),
                             bear(arm_f=-130, arm_b=-140, mouth="open", eyes="angry", tilt=-8, sy=1.04, claws=True, **c)],
        "attackRight": [bear(arm_f=-80, arm_b=-100, mouth="roar", eyes="angry", tilt=2, claws=True, **c),
                        bear(arm_f=5, arm_b=-40, mouth="roar", eyes="angry", tilt=12, claws=True, **c),
                        bear(arm_f=45, arm_b=20, mouth="open", eyes="angry", tilt=16, claws=True, **c)],
        "endAttackRight": [bear(arm_f=70, arm_b=60, mouth="closed", eyes="angry", tilt=10, **c),
                           bear(arm_f=80, arm_b=88, mouth="closed", eyes="open", tilt=2, **c)],
        "damageRight": [bear(arm_f=-110, arm_b=-130, mouth="o", eyes="hurt", tilt=-14, stars=True, lift=10, **c),
                        bear(arm_f=-80, arm_b=-100, mouth="o", eyes="hurt", tilt=-8, stars=True, lift=18, **c),
                        bear(arm_f=-120, arm_b=-110, mouth="o", eyes="hurt", tilt=-12, stars=True, lift=6, **c)],
        "damageRunRight": [bear(arm_f=-110 + 20 * math.sin(i * math.pi / 2), arm_b=-110 - 30 * math.sin(i * math.pi / 2),
                                leg=i / 4, stride=1.5, mouth="o", eyes="hurt", tilt=8, lift=4 * abs(math.sin(i * math.pi / 2)), **c)
                           for i in range(4)],
        "damageIdleRight": [bear(arm_f=100, arm_b=110, mouth="o", eyes="dizzy", stars=True, tilt=-4, **c),
                            bear(arm_f=96, arm_b=106, mouth="o", eyes="dizzy", stars=True, tilt=4, **c)],
        "deathInitRight": [bear(arm_f=-90, arm_b=-110, mouth="roar", eyes="x", tilt=-10, **c),
                           bear(arm_f=-120, arm_b=-130, mouth="o", eyes="x", tilt=-12, lift=8, **c),
                           bear(arm_f=-150, arm_b=-150, mouth="o", eyes="x", tilt=-18, lift=14, **c)],
        "deathSpinRight": [bear(arm_f=-100, arm_b=-80, mouth="o", eyes="x", stars=True, spin=a, sx=0.9, sy=0.9, **c)
                           for a in (0, 90, 180, 270)],
        "danceRight": [bear(arm_f=-115, arm_b=-60, mouth="smile", eyes="closed", tilt=-8, leg=0.0, **c),
                       bear(arm_f=20, arm_b=-135, mouth="smile", eyes="closed", tilt=0, leg=0.25, lift=10, **c),
                       bear(arm_f=-115, arm_b=-60, mouth="smile", eyes="closed", tilt=8, leg=0.5, **c),
                       bear(arm_f=20, arm_b=-135, mouth="smile", eyes="closed", tilt=0, leg=0.75, lift=10, **c)],
    }


PREFIX = {
    "default": "Idle", "moveRight": "Walk", "roarRight": "Roar", "beginAttackRight": "BeginAttack",
    "attackRight": "Attack", "endAttackRight": "EndAttack", "damageRight": "Damage", "damageRunRight": "DamageRun",
    "damageIdleRight": "DamageIdle", "deathInitRight": "DeathInit", "deathSpinRight": "DeathSpin", "danceRight": "Dance",
}


def make(name, prefix, size, cub, note, render=None):
    f = {}
    anims = {}
    for anim, drawings in states(cub).items():
        names = []
        for i, d in enumerate(drawings):
            n = f"{prefix}_{PREFIX[anim]}_{i}"
            f[n] = d
            names.append(n)
        anims[anim] = names
    anims = with_left(anims)
    anims["idleLeft"] = anims["default"]
    return Sprite(name, LAYER, size, f, anims, render=render, note=note)


def sprites():
    return [
        make("Bear", "Bear", (256, 256), False, "the boss; all twelve states with their Left names"),
        # The closing scene shows the cub at scale 0.2: sized 640 it stands 128 tall there, half the bear,
        # while the atlas keeps its frames at 128 pixels, one atlas pixel per screen pixel.
        make("Cub", "Cub", (640, 640), True, "the small bear `1ChildBear`, shown at scale 0.2 (128 on screen); "
             "the same animation names as `Bear`", render=(128, 128)),
    ]
