"""Contact sheets: every frame on a checkerboard with its name, for reviewing the art by eye."""

import os

import numpy as np
from PIL import Image

import font
from kit import INK, doc

COLS, ROWS = 8, 5
CELL_W, CELL_H = 220, 230
THUMB = 196


def checker(w, h):
    y, x = np.mgrid[0:h, 0:w]
    c = ((x // 12 + y // 12) % 2).astype(np.uint8)
    img = np.where(c[..., None] == 1, np.array([236, 228, 214, 255], np.uint8), np.array([250, 246, 238, 255], np.uint8))
    return Image.fromarray(img.astype(np.uint8))


def contact_sheets(sprites, pngs, out_dir, render_all):
    os.makedirs(out_dir, exist_ok=True)
    for old in os.listdir(out_dir):
        os.remove(os.path.join(out_dir, old))
    frames = [(sp.layer, f, sp.render) for sp in sprites for f in sp.frames]
    per = COLS * ROWS
    pages = []
    for p in range(0, len(frames), per):
        chunk = frames[p : p + per]
        sheet = Image.new("RGBA", (COLS * CELL_W, ROWS * CELL_H), (255, 255, 255, 255))
        labels = ""
        for i, (layer, name, _) in enumerate(chunk):
            cx, cy = (i % COLS) * CELL_W, (i // COLS) * CELL_H
            sheet.paste(checker(CELL_W - 8, THUMB + 4), (cx + 4, cy + 4))
            img = Image.open(pngs[name]).convert("RGBA")
            k = min(THUMB / img.width, THUMB / img.height, 1.0)
            img = img.resize((max(1, int(img.width * k)), max(1, int(img.height * k))), Image.LANCZOS)
            sheet.alpha_composite(img, (cx + (CELL_W - img.width) // 2, cy + 6 + (THUMB - img.height) // 2))
            labels += font.text(name.upper(), cx + CELL_W / 2, cy + THUMB + 18, 10, fill=INK, outline=INK, weight=1.4,
                                outline_weight=1.4, shadow=False, track=0.3)
        key = f"sheet_labels_{p // per:02d}"
        text_png = render_all([(key, doc(sheet.width, sheet.height, labels))])[key]
        sheet.alpha_composite(Image.open(text_png).convert("RGBA"))
        path = os.path.join(out_dir, f"contact_sheet_{p // per + 1:02d}.png")
        sheet.convert("RGB").save(path)
        pages.append(path)
    return pages


def _frame(pngs, name, size=None):
    img = Image.open(pngs[name]).convert("RGBA")
    if size and img.size != tuple(size):
        img = img.resize(tuple(size), Image.LANCZOS)
    return img


def _tile_fill(tile, w, h):
    out = Image.new("RGBA", (w, h))
    for y in range(0, h, tile.height):
        for x in range(0, w, tile.width):
            out.paste(tile, (x, y))
    return out


def scene_previews(pngs, out_dir, sizes):
    """Two mock game views (meadow, forest) at 1280 x 720, to judge readability against the backgrounds."""
    paths = []
    for mood, earth, top in (("Meadow", "Ground_Earth", "Ground_Grass"), ("Forest", "Ground_ForestEarth", "Ground_Moss")):
        view = Image.new("RGBA", (1280, 720))
        view.alpha_composite(_frame(pngs, "Sky_" + mood, (1280, 720)))
        view.alpha_composite(_frame(pngs, "Hills_" + mood), (-300, 200))
        view.alpha_composite(_frame(pngs, "Trees_" + mood), (-500, 110))
        ground = _tile_fill(_frame(pngs, "tile_" + earth), 1280, 140)
        view.alpha_composite(ground, (0, 600))
        band = _tile_fill(_frame(pngs, "tile_" + top), 1280, 28)
        view.alpha_composite(band, (0, 584))

        def put(name, cx, bottom, flip=False):
            img = _frame(pngs, name, sizes[name])
            if flip:
                img = img.transpose(Image.FLIP_LEFT_RIGHT)
            view.alpha_composite(img, (int(cx - img.width / 2), int(bottom - img.height)))

        put("Platform_Wood", 900, 420)
        put("Hive_Lit_0", 1150, 590)
        put("Kibbet_Run_1", 300, 592)
        put("Kibbet_Fly_0", 880, 360)
        put("Wasp_Angry_0", 560, 420)
        put("Porcupine_Walk_0", 700, 592)
        put("Pollen_0", 420, 470)
        put("Pollen_1", 470, 450)
        put("Trap_Open", 1000, 596)
        put("Geyser_0", 120, 600)
        put("CloudPlatform", 480, 250)
        for i in range(3):
            put("HUD_Head_Alive" if i < 2 else "HUD_Head_Dead", 40 + 70 * i, 72)
        put("HUD_PollenIcon", 930, 82)
        for i, ch in enumerate(["Char_0", "Char_7", "Char_Slash", "Char_1", "Char_2"]):
            put(ch, 990 + 60 * i, 86)
        for i in range(7):
            put("HUD_Bar_Full" if i < 4 else "HUD_Bar_Empty", 40 + 25 * i, 700)
        p = os.path.join(out_dir, f"scene_{mood.lower()}.png")
        view.convert("RGB").save(p)
        paths.append(p)
    return paths
