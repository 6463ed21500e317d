"""The layer list and the gathering of every drawing; also writes CATALOG.md.

The order of LAYERS is the drawing order. Each layer is one texture whose file name sorts into that
place, because the game numbers its layers by the sorted listing of Resources/Textures.
"""

import backgrounds
import bear
import enemies
import hero
import hud
import marsh
import marsh_creatures
import particles
import screens
import tiles
import world


class Layer:
    def __init__(self, file, name, tile=False, width=4096, height=None, holds="", fixed_reason=""):
        self.file = file
        self.fixed_reason = fixed_reason
        self.name = name
        self.tile = tile
        self.width = width
        self.height = height
        self.holds = holds


LAYERS = [
    Layer("00_Sky.png", "Sky", width=4096,
          holds="sky backdrops, the boss-arena backdrop (parallax, farthest) and the loading picture"),
    Layer("01_Far.png", "Far", width=4096, holds="far hills of both moods (parallax)"),
    Layer("02_Near.png", "Near", width=4096, holds="near tree rows of both moods (parallax)"),
    Layer("03_Marsh_Sky.png", "Marsh_Sky", width=4096, holds="marsh sky (parallax, farthest in the marsh levels)"),
    Layer("04_Marsh_Far.png", "Marsh_Far", width=4096, holds="marsh far hills and willows (parallax)"),
    Layer("05_Marsh_Near.png", "Marsh_Near", width=4096, holds="marsh near willow trunks and reeds (parallax)"),
    Layer("06_Ground_Pit.png", "Ground_Pit", tile=True, holds="custom shapes: the darkness down a pit (drawn over the backdrops, under the ground)"),
    Layer("07_Ground_Earth.png", "Ground_Earth", tile=True, holds="custom shapes: meadow earth"),
    Layer("08_Ground_Grass.png", "Ground_Grass", tile=True, holds="custom shapes: meadow grass top"),
    Layer("09_Ground_ForestEarth.png", "Ground_ForestEarth", tile=True, holds="custom shapes: forest earth"),
    Layer("10_Ground_Moss.png", "Ground_Moss", tile=True, holds="custom shapes: forest moss top"),
    Layer("11_Ground_MarshEarth.png", "Ground_MarshEarth", tile=True, holds="custom shapes: marsh peat"),
    Layer("12_Ground_MarshReeds.png", "Ground_MarshReeds", tile=True, holds="custom shapes: marsh reed-grass top"),
    Layer("13_Marsh_World.png", "Marsh_World", width=2048, holds="marsh props: lily pads, stumps, logs, lanterns, cattails"),
    Layer("14_World.png", "World", width=4096, holds="props: pollen, hive, water, clouds, platforms, logs, blockers, traps"),
    Layer("15_Enemies.png", "Enemies", width=2048, holds="wasps, king wasp, porcupine"),
    Layer("16_Marsh_Creatures.png", "Marsh_Creatures", width=1024,
          holds="the marsh's frog and dragonfly and its crumbling ledge (only the second world uses them)"),
    Layer("17_Boss.png", "Boss", width=4096, holds="the bear boss and the cub"),
    Layer("18_Hero.png", "Hero", width=2048, holds="Kibbet"),
    Layer("19_Particle_1.png", "Particle_1", width=1024, holds="particle sprites (the engine draws every emitter here)"),
    Layer("20_Words.png", "Words", width=1024,
          holds="end-screen words, over the particles and under the heads-up display (loaded only when shown)"),
    Layer("21_Screens.png", "Screens", width=4096, holds="menu page backdrops and splash pictures"),
    Layer("22_Char_0.png", "Char_0", width=4096,
          holds="topmost: the font, the HUD, menu labels, cursor, planks, how-to-play card, credits"),
]

MODULES = [backgrounds, marsh, world, enemies, marsh_creatures, bear, hero, particles, screens, hud]


def all_sprites():
    out = []
    for m in MODULES:
        out += m.sprites()
    return out


def all_tiles():
    return tiles.tiles()


def custom_shapes(tile_list):
    out = {}
    for t in tile_list:
        for shape in t.shapes:
            out[shape] = t.layer
    return out


def icon_drawings():
    return [(s, hero.icon(s)) for s in (16, 32, 64)]


# The page of the credits roll that the scrolling credits show, in texels.
CREDITS_WINDOW = 345


def size_overrides(atlas_sizes):
    """Sizes that are not a frame's own: the credits' size is the page they show, and "TeamCredits_Roll" is the
    whole roll, from which the game works out how tall the credits' atlas is."""
    del atlas_sizes  # the credits no longer depend on how their atlas is packed
    w = hud.CREDITS_SIZE[0]
    return {"TeamCredits": (w, CREDITS_WINDOW), "TeamCredits_Roll": hud.CREDITS_SIZE}


def check(sprites, tile_list):
    problems = []
    names = {l.name for l in LAYERS}
    seen = {}
    for sp in sprites:
        if sp.layer not in names:
            problems.append(f"{sp.name}: unknown layer {sp.layer}")
        for frame in sp.frames:
            if frame in seen:
                problems.append(f"frame {frame} belongs to {seen[frame]} and {sp.name}")
            seen[frame] = sp.name
        for anim, frames in sp.anims.items():
            for f in frames:
                if f not in sp.frames:
                    problems.append(f"{sp.name}.{anim}: frame {f} is not one of the sprite's frames")
    for sp in sprites:
        if sp.name in seen and seen[sp.name] != sp.name:
            problems.append(f"sprite name {sp.name} is a frame of {seen[sp.name]}")
    for t in tile_list:
        if t.layer not in names:
            problems.append(f"tile {t.layer} has no layer")
    return problems


def catalog_markdown(sprites, tile_list, atlas_sizes, dims):
    index = {l.name: i for i, l in enumerate(LAYERS)}
    lines = [
        "# Art catalogue",
        "",
        "Generated by `tools/build-art` from the drawings in this folder; do not edit by hand.",
        "",
        "Sizes are world units (pixels of the 1280 x 720 view). A frame name is global: it lives in one",
        "atlas only, so an object must draw in the layer of the frames it shows (its `m_zOrderString`).",
        "Animations whose name contains `Left` reuse the right-facing frames; the engine mirrors them.",
        "Every frame name and every sprite name has an entry in `UV.json` and `Dimensions.json`; the sprite",
        "name shows the first frame of its first animation.",
        "",
        "## Layers",
        "",
        "| Index | Layer name | Atlas file | Atlas size | Holds |",
        "|---|---|---|---|---|",
    ]
    for i, l in enumerate(LAYERS):
        w, h = atlas_sizes[l.name]
        lines.append(f"| {i} | `{l.name}` | `Resources/Textures/{l.file}` | {w} x {h} | {l.holds} |")
    lines += [
        "",
        "`MaxZ` is the layer of `Char_0`. Particles are drawn in `Particle_1` whatever layer the emitter's",
        "own object uses.",
        "",
        "## Which layer each kind of object uses",
        "",
        "| Objects | Layer |",
        "|---|---|",
        "| parallax sky, arena backdrop, the loading picture (`Loading`: the loading frame is drawn when only the first atlas is loaded) | `Sky` |",
        "| far hills | `Far` |",
        "| near trees | `Near` |",
        "| marsh sky, far hills and willows, near reeds (`Sky_Marsh`, `Hills_Marsh`, `Trees_Marsh`) | `Marsh_Sky`, `Marsh_Far`, `Marsh_Near` |",
        "| marsh props (lily pads, stump, mossy log, lantern, cattails) | `Marsh_World` |",
        "| ground polygons (`CustomShape`) | chosen by the shape name below, not by `m_zOrderString` |",
        "| the darkness down a pit (`Ground_Pit`, shape `Pit`) | `Ground_Pit`, over the backdrops and under the ground |",
        "| pollen, hive, geysers, waterfall, clouds, platforms, logs, blockers, traps, exit sign | `World` |",
        "| wasps, red wasp, king wasp, porcupine | `Enemies` |",
        "| bear boss (`Bear`), cub (`1ChildBear`) | `Boss` |",
        "| the hero `Kibbet` | `Hero` |",
        "| particle sprites named in an `Emitter` | `Particle_1` (must be `Particle_*` frames) |",
        "| menu page backdrops, `0_MainMenu` frame, splash pictures | `Screens` |",
        "| `Game_Over`, `You_Win`, `For_Now` | `Words` |",
        "| `PrimaryFont`, HUD objects, menu and pause labels, `Z_Bees` cursor, planks, how-to-play card, credits | `Char_0` |",
        "",
        "## Custom shapes",
        "",
        "Each ground texture is a seamless tile filling its whole texture; a shape's texture repeats every",
        "`m_ScaleFactor` world units.",
        "",
        "| Shape name (`m_TextureName`) | Layer | Tile | Use |",
        "|---|---|---|---|",
    ]
    for t in tile_list:
        for shape in t.shapes:
            lines.append(f"| `{shape}` | `{t.layer}` ({index[t.layer]}) | {t.size[0]} x {t.size[1]} | {t.note} |")
    lines += [
        "",
        "Tips: `m_ScaleFactor` 256 shows a tile at its drawn size. Grass and moss are dense carpets, so a top band",
        "of any height (40 to 80 units reads well) can sit on the earth polygon; list vertices clockwise on screen.",
        "",
        "## Notes for object and level data",
        "",
        "- The font glyphs are 48 x 64: letters and digits advance 48 units at scale 1 (`Char_D`, `Char_5`).",
        "  The HUD digit objects use the same frames: `default` -> `Char_Arrow_2` (blank), `Char_0`..`Char_9`,",
        "  `Char_Slash`.",
        "- `Cursor_Bees` is centred on the selected label, so its two bees sit 320 units left and right of the",
        "  label's centre; scale the cursor object with the labels it marks.",
        "- `TeamCredits` is drawn 640 x 2400 in the `Char_0` atlas; its size in `Dimensions.json` is the 345-texel",
        "  page the scrolling credits show, so a credits object shows it undistorted at scale 1. `TeamCredits_Roll`",
        "  in `Dimensions.json` is the whole roll, from which the game sizes its scroll steps for the atlas.",
        "- Skies are 1600 x 900 so a parallax sky with factor 1 covers the view with room to spare; hills and tree",
        "  rows are 2048 wide and repeat seamlessly, so copies can stand side by side.",
        "- Particle sprites are drawn big because emitters scale them down (0.1 to 0.5).",
    ]
    lines += ["", "## Sprites", ""]
    for l in LAYERS:
        mine = [s for s in sprites if s.layer == l.name]
        if not mine:
            continue
        lines += [f"### Layer `{l.name}` ({index[l.name]})", "", "| Sprite | Size | Animations: frames | Notes |", "|---|---|---|---|"]
        for s in mine:
            anims = "<br>".join(f"`{a}`: " + ", ".join(f"`{f}`" for f in fr) for a, fr in s.anims.items())
            w, h = dims[s.name]
            lines.append(f"| `{s.name}` | {w} x {h} | {anims} | {s.note} |")
        lines.append("")
    return "\n".join(lines) + "\n"
