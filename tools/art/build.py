"""Renders the drawings of assets/art, packs them into one atlas per layer and writes the resource tables.

Run through tools/build-art, which makes sure the tools are installed first.
"""

import argparse
import hashlib
import os
import shutil
import struct
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

import numpy as np
from PIL import Image

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ART = os.path.join(ROOT, "assets", "art")
sys.path.insert(0, ART)
sys.path.insert(0, os.path.dirname(__file__))

import catalog  # noqa: E402  (assets/art/catalog.py: the layer list and every drawing module)
import icons  # noqa: E402  (the desktop icons beside the window icon)
import packing  # noqa: E402
import tables  # noqa: E402
import tiled_project  # noqa: E402  (the Tiled project whose classes are the object types)
import tilesets  # noqa: E402

WORK = os.path.join(ROOT, "build", "art")
TEXTURES = os.path.join(ROOT, "Resources", "Textures")
DATA = os.path.join(ROOT, "Resources", "Data")
PAD = 2
# Atlases are packed to use at least this share of their area (the pixels are loaded and kept whole).
MIN_SHARE = 0.70


def render_all(jobs):
    """jobs: list of (key, svg text). Renders changed drawings with rsvg-convert; returns key -> png path."""
    svg_dir = os.path.join(WORK, "svg")
    png_dir = os.path.join(WORK, "png")
    os.makedirs(svg_dir, exist_ok=True)
    os.makedirs(png_dir, exist_ok=True)
    todo = []
    out = {}
    for key, svg in jobs:
        digest = hashlib.sha1(svg.encode()).hexdigest()[:16]
        svg_path = os.path.join(svg_dir, key + ".svg")
        png_path = os.path.join(png_dir, key + "." + digest + ".png")
        out[key] = png_path
        if not os.path.exists(png_path):
            with open(svg_path, "w") as f:
                f.write(svg)
            todo.append((svg_path, png_path))

    def run(job):
        svg_path, png_path = job
        subprocess.run(["rsvg-convert", "-f", "png", "-o", png_path, svg_path], check=True)

    if todo:
        print(f"rendering {len(todo)} drawings", flush=True)
        with ThreadPoolExecutor(max_workers=max(2, os.cpu_count() or 2)) as pool:
            list(pool.map(run, todo))
    return out


def load_rgba(path, size):
    img = Image.open(path).convert("RGBA")
    if img.size != tuple(size):
        img = img.resize(tuple(size), Image.LANCZOS)
    return np.array(img)


def write_ico(path, pngs):
    """An ICO container holding the given PNG files (16, 32 and 64 pixels square)."""
    blobs = [open(p, "rb").read() for p in pngs]
    sizes = [Image.open(p).size for p in pngs]
    header = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    entries = b""
    for (w, h), blob in zip(sizes, blobs):
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(header + entries + b"".join(blobs))


def build(args):
    layers = catalog.LAYERS
    sprites = catalog.all_sprites()
    tiles = catalog.all_tiles()
    problems = catalog.check(sprites, tiles)
    if problems:
        for p in problems:
            print("error:", p, file=sys.stderr)
        sys.exit(1)

    jobs = []
    for sp in sprites:
        for frame, svg in sp.frames.items():
            jobs.append((frame, svg))
    for t in tiles:
        jobs.append(("tile_" + t.layer, t.svg))
    icon_jobs = catalog.icon_drawings()
    jobs += [(f"icon_{size}", svg) for size, svg in icon_jobs]
    pngs = render_all(jobs)

    os.makedirs(TEXTURES, exist_ok=True)
    os.makedirs(DATA, exist_ok=True)
    for old in os.listdir(TEXTURES):
        if old.endswith(".png"):
            os.remove(os.path.join(TEXTURES, old))

    uv = {}
    placements = {}
    atlas_sizes = {}
    for index, layer in enumerate(layers):
        file_name = layer.file
        if layer.tile:
            tile = next(t for t in tiles if t.layer == layer.name)
            img = Image.fromarray(load_rgba(pngs["tile_" + layer.name], tile.size))
            img.save(os.path.join(TEXTURES, file_name), optimize=True)
            atlas_sizes[layer.name] = tile.size
            continue
        items = []
        for sp in sprites:
            if sp.layer != layer.name:
                continue
            for frame in sp.frames:
                items.append((frame, sp.render))
        atlas_w, atlas_h, spots = packing.pack(items, PAD, layer.width, layer.height)
        atlas = np.zeros((atlas_h, atlas_w, 4), dtype=np.uint8)
        for frame, (x, y, w, h) in spots.items():
            px = load_rgba(pngs[frame], (w, h))
            padded = np.pad(px, ((PAD, PAD), (PAD, PAD), (0, 0)), mode="edge")
            atlas[y - PAD : y + h + PAD, x - PAD : x + w + PAD] = padded
            uv[frame] = (x / atlas_w, y / atlas_h, (x + w) / atlas_w, (y + h) / atlas_h)
            placements[frame] = (layer.name, x, y, w, h)
        Image.fromarray(atlas).save(os.path.join(TEXTURES, file_name), optimize=True)
        atlas_sizes[layer.name] = (atlas_w, atlas_h)
        share = packing.used_share(items, PAD, atlas_w, atlas_h)
        why = f" (below {MIN_SHARE:.0%}: {layer.fixed_reason})" if share < MIN_SHARE and layer.height else ""
        print(f"{file_name}: {atlas_w} x {atlas_h}, {len(spots)} frames, {share:.1%} of the area used{why}",
              flush=True)
        if share < MIN_SHARE and not layer.height:
            print(f"warning: {file_name} uses less than {MIN_SHARE:.0%} of its area", file=sys.stderr)

    dims = {}
    for sp in sprites:
        first = next(iter(sp.anims.values()))[0]
        if sp.name not in uv:
            uv[sp.name] = uv[first]
        for name in [sp.name] + list(sp.frames):
            dims[name] = sp.size
    extra = catalog.size_overrides(atlas_sizes)
    dims.update(extra)

    tables.write_uv(os.path.join(DATA, "UV.json"), uv)
    tables.write_dimensions(os.path.join(DATA, "Dimensions.json"), dims)
    tables.write_zorders(os.path.join(DATA, "ZOrders.json"), {l.name: i for i, l in enumerate(layers)})
    tables.write_custom_shapes(os.path.join(DATA, "CustomShapes.json"), catalog.custom_shapes(tiles))
    write_ico(os.path.join(TEXTURES, "Icon.ico"), [pngs[f"icon_{s}"] for s, _ in icon_jobs])
    icons.write()
    tiled_project.write()
    with open(os.path.join(ART, "CATALOG.md"), "w") as f:
        f.write(catalog.catalog_markdown(sprites, tiles, atlas_sizes, dims))
    tilesets.write_all(layers, sprites)

    if args.sheet:
        import sheet

        pages = sheet.contact_sheets(sprites, pngs, os.path.join(WORK, "sheet"), render_all)
        sizes = {f: sp.size for sp in sprites for f in sp.frames}
        pages += sheet.scene_previews(pngs, os.path.join(WORK, "sheet"), sizes)
        for p in pages:
            print("contact sheet:", os.path.relpath(p, ROOT))


def main():
    parser = argparse.ArgumentParser(description="Render and pack the game's art.")
    parser.add_argument("--sheet", action="store_true", help="also write contact sheets to build/art/sheet/")
    parser.add_argument("--clean", action="store_true", help="forget cached renders first")
    parser.add_argument("--tiled", action="store_true",
                        help="only write the Tiled tilesets, from the atlases and tables in Resources")
    args = parser.parse_args()
    if args.tiled:
        tilesets.write_all(catalog.LAYERS, catalog.all_sprites())
        return
    if args.clean and os.path.isdir(WORK):
        shutil.rmtree(WORK)
    build(args)


if __name__ == "__main__":
    main()
