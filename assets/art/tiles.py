"""Ground tiles for custom shapes. Each tile is seamless in both directions and fills its texture:
every detail near an edge is drawn again one tile over, so it continues across the wrap.
"""

import random

from kit import (INK, EARTH, EARTH_DARK, LEAF_DEEP, STONE, STONE_DARK, BARK_DARK, HONEY, ROSE, doc, ellipse, circle,
                 path, rect, fmt)

T = 256


class Tile:
    def __init__(self, layer, svg, shapes, note, size=(T, T)):
        self.layer = layer
        self.svg = svg
        self.shapes = shapes
        self.note = note
        self.size = size


def wrapped(draw):
    """Repeats a drawing function at the eight neighbouring offsets so the tile wraps cleanly."""
    out = ""
    for dx in (-T, 0, T):
        for dy in (-T, 0, T):
            out += f'<g transform="translate({dx} {dy})">{draw()}</g>'
    return out


def earth(base, dark, stone, stone_dark, seed, roots):
    rnd = random.Random(seed)
    items = []
    for _ in range(26):
        items.append(("spot", rnd.uniform(0, T), rnd.uniform(0, T), rnd.uniform(6, 16), rnd.uniform(0.25, 0.45)))
    for _ in range(9):
        items.append(("stone", rnd.uniform(0, T), rnd.uniform(0, T), rnd.uniform(7, 15), rnd.uniform(0.6, 1.0)))
    for _ in range(roots):
        items.append(("root", rnd.uniform(0, T), rnd.uniform(0, T), rnd.uniform(30, 60), rnd.uniform(-0.6, 0.6)))

    def draw():
        b = ""
        for kind, x, y, r, k in items:
            if kind == "spot":
                b += ellipse(x, y, r * 1.4, r, dark, "none", 0, f'opacity="{fmt(k)}"')
            elif kind == "stone":
                b += ellipse(x, y, r * 1.3, r * k, stone, INK, 2)
                b += ellipse(x - r * 0.3, y - r * 0.3 * k, r * 0.5, r * 0.25 * k, "#ffffff", "none", 0, 'opacity="0.35"')
            else:
                b += path(f"M{fmt(x)} {fmt(y)} q{fmt(r * 0.5)} {fmt(r * k)} {fmt(r)} {fmt(r * 0.2)}", "none", BARK_DARK, 3,
                          'opacity="0.7"')
        return b

    return doc(T, T, rect(-1, -1, T + 2, T + 2, base, "none", 0) + wrapped(draw))


def turf(base, light, dark, seed, flowers):
    """Grass or moss: a dense carpet with blade strokes; it wraps both ways, so use it for a top band."""
    rnd = random.Random(seed)
    blades = [(rnd.uniform(0, T), rnd.uniform(0, T), rnd.uniform(10, 22), rnd.uniform(-0.5, 0.5), rnd.random() < 0.5)
              for _ in range(170)]
    blooms = [(rnd.uniform(0, T), rnd.uniform(0, T), rnd.choice([HONEY, ROSE, "#ffffff"])) for _ in range(flowers)]

    def draw():
        b = ""
        for x, y, ln, lean, lit in blades:
            col = light if lit else dark
            b += path(f"M{fmt(x - 3)} {fmt(y)} Q{fmt(x + lean * ln)} {fmt(y - ln * 0.6)} {fmt(x + lean * ln * 1.3)} {fmt(y - ln)} "
                      f"Q{fmt(x + 1)} {fmt(y - ln * 0.4)} {fmt(x + 3)} {fmt(y)} Z", col, "none", 0)
        for x, y, col in blooms:
            for i in range(5):
                b += circle(fmt(x + 3.5 * [1, 0.3, -0.8, -0.8, 0.3][i]), fmt(y + 3.5 * [0, 0.95, 0.6, -0.6, -0.95][i]), 2.6, col,
                            INK, 0.8)
            b += circle(x, y, 1.8, HONEY, "none", 0)
        return b

    return doc(T, T, rect(-1, -1, T + 2, T + 2, base, "none", 0) + wrapped(draw))


def reed_bed(base, light, dark, seed):
    """Reed-grass: tall, thin, nearly upright blades with seed heads; it wraps both ways like the turf."""
    rnd = random.Random(seed)
    blades = [(rnd.uniform(0, T), rnd.uniform(0, T), rnd.uniform(18, 36), rnd.uniform(-0.18, 0.18), rnd.randrange(3))
              for _ in range(150)]
    heads = [(rnd.uniform(0, T), rnd.uniform(0, T)) for _ in range(10)]

    def draw():
        b = ""
        for x, y, ln, lean, tone in blades:
            col = (light, dark, "#c9b25a")[tone]
            b += path(f"M{fmt(x - 2)} {fmt(y)} Q{fmt(x + lean * ln)} {fmt(y - ln * 0.6)} {fmt(x + lean * ln * 1.4)} {fmt(y - ln)} "
                      f"Q{fmt(x + 0.5)} {fmt(y - ln * 0.5)} {fmt(x + 2)} {fmt(y)} Z", col, "none", 0)
        for x, y in heads:
            b += path(f"M{fmt(x)} {fmt(y)} l0 -14", "none", dark, 1.6)
            b += ellipse(x, y - 18, 2.6, 6, "#6a3e22", INK, 0.8)
        return b

    return doc(T, T, rect(-1, -1, T + 2, T + 2, base, "none", 0) + wrapped(draw))


def shadow(base, dark, root, seed):
    """The darkness down a pit: nearly black earth with faint roots, quiet enough to read as depth."""
    rnd = random.Random(seed)
    spots = [(rnd.uniform(0, T), rnd.uniform(0, T), rnd.uniform(10, 24)) for _ in range(18)]
    roots = [(rnd.uniform(0, T), rnd.uniform(0, T), rnd.uniform(30, 60), rnd.uniform(-0.6, 0.6)) for _ in range(5)]

    def draw():
        b = ""
        for x, y, r in spots:
            b += ellipse(x, y, r * 1.4, r, dark, "none", 0, 'opacity="0.5"')
        for x, y, r, k in roots:
            b += path(f"M{fmt(x)} {fmt(y)} q{fmt(r * 0.5)} {fmt(r * k)} {fmt(r)} {fmt(r * 0.2)}", "none", root, 3,
                      'opacity="0.6"')
        return b

    return doc(T, T, rect(-1, -1, T + 2, T + 2, base, "none", 0) + wrapped(draw))


def tiles():
    return [
        Tile("Ground_Pit", shadow("#1e1719", "#120c0e", "#33262a", 41), ["Pit"],
             "the darkness down a pit: a shape filling the gap hides the backdrops there; the ground's edges draw over it"),
        Tile("Ground_Earth", earth(EARTH, EARTH_DARK, STONE, STONE_DARK, 3, 5), ["Earth", "Meadow_Earth"],
             "warm meadow soil with pebbles and roots; the body of the ground"),
        Tile("Ground_Grass", turf(LEAF_DEEP, "#9ad65a", "#3f8a2c", 5, 7), ["Grass", "Meadow_Grass"],
             "meadow grass carpet; a thin band on top of `Earth`"),
        Tile("Ground_ForestEarth", earth("#6e4a3a", "#4b2f25", "#9f97a3", "#6f6675", 11, 8), ["ForestEarth", "Forest_Earth"],
             "dark forest loam with grey stones"),
        Tile("Ground_Moss", turf("#3f6e34", "#79b04a", "#2b5527", 13, 3), ["Moss", "Forest_Moss"],
             "forest moss carpet; a thin band on top of `ForestEarth`"),
        Tile("Ground_MarshEarth", earth("#3e2d31", "#23181c", "#7f7590", "#5a5066", 23, 14), ["MarshEarth", "Marsh_Earth"],
             "dark marsh peat with violet-grey stones and old roots"),
        Tile("Ground_MarshReeds", reed_bed("#3f5230", "#9fb05a", "#2f4526", 29), ["MarshReeds", "Marsh_Reeds"],
             "reed-grass carpet; a thin band on top of `MarshEarth`"),
    ]
