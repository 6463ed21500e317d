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
