"""Writes the Tiled tilesets: one image-collection tileset per atlas, one picture per frame at its world size.

Each atlas Resources/Textures/<Stem>.png with frames gives tiled/tilesets/<Stem>.tsx, whose tiles are the files
tiled/tilesets/<Stem>/<Frame>.png, one for every name of UV.json drawn from that atlas (frame names and sprite
names alike, so a map can show any picture an object type names). The pictures are cut from the atlases the
game loads and scaled to the size Dimensions.json gives, so Tiled draws a placed tile at the size the game does.

Tile ids are a promise to the maps drawn with the tileset: a tile keeps its id for as long as its frame exists,
a new frame takes a new id and the id of a removed frame is never given again (the tileset remembers the next
free id in its "nextTileId" property). Maps find a frame's tile by the stem of its image file.
Re-running with unchanged atlases and tables rewrites nothing.
"""

import io
import json
import os
import re
import shutil
import xml.etree.ElementTree as ET

from PIL import Image

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
TEXTURES = os.path.join(ROOT, "Resources", "Textures")
DATA = os.path.join(ROOT, "Resources", "Data")
OUT = os.path.join(ROOT, "tiled", "tilesets")
TILED_VERSION = "1.8.2"
NEXT_ID = "nextTileId"
# Pictures whose exact PNG would be larger than this are kept as 256-colour images: the big backdrops and the
# frames drawn small and shown large would otherwise make the tilesets twice the size of the game's atlases.
EXACT_LIMIT = 64 * 1024


def _read_table(name, block):
    # The tables are written in the game's token layout, which is valid JSON.
    with open(os.path.join(DATA, name)) as f:
        return json.load(f)[block]


def frames_by_atlas(layers, sprites):
    """Atlas stem -> sorted picture names drawn from it; atlases without frames (ground tiles) are left out."""
    out = {}
    for layer in layers:
        if layer.tile:
            continue
        names = set()
        for sp in sprites:
            if sp.layer == layer.name:
                names.update(sp.frames)
                names.add(sp.name)
        if names:
            out[os.path.splitext(layer.file)[0]] = sorted(names)
    return out


def _cut(atlas, uv, size):
    """The frame's pixels from the atlas, scaled to its world size (w, h).

    A frame drawn taller than its world size for the same width (a scrolling page) shows its top part.
    """
    aw, ah = atlas.size
    u0, v0 = uv["m_UVTopLeft"]["x"], uv["m_UVTopLeft"]["y"]
    u1, v1 = uv["m_UVBottomRight"]["x"], uv["m_UVBottomRight"]["y"]
    box = [round(u0 * aw), round(v0 * ah), round(u1 * aw), round(v1 * ah)]
    w, h = size
    cw, ch = box[2] - box[0], box[3] - box[1]
    shown = round(h * cw / w)
    if shown < ch - 1:
        box[3] = box[1] + shown
    img = atlas.crop(tuple(box))
    if img.size != (w, h):
        img = img.resize((w, h), Image.LANCZOS)
    return img


def _png_bytes(img):
    buf = io.BytesIO()
    img.save(buf, format="PNG", optimize=True)
    if buf.tell() <= EXACT_LIMIT:
        return buf.getvalue()
    buf = io.BytesIO()
    img.quantize(colors=256, method=Image.Quantize.FASTOCTREE, dither=Image.Dither.NONE).save(
        buf, format="PNG", optimize=True)
    return buf.getvalue()


def _write_if_changed(path, data):
    """Writes bytes unless the file already holds them; True when it wrote."""
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return False
    with open(path, "wb") as f:
        f.write(data)
    return True


def read_ids(tsx_path):
    """(image stem -> tile id, next free id) of an existing tileset, or ({}, 0) when there is none."""
    if not os.path.exists(tsx_path):
        return {}, 0
    root = ET.parse(tsx_path).getroot()
    ids = {}
    for tile in root.findall("tile"):
        image = tile.find("image")
        if image is not None:
            stem = os.path.splitext(os.path.basename(image.get("source", "")))[0]
            ids[stem] = int(tile.get("id"))
    next_id = max(ids.values(), default=-1) + 1
    for prop in root.iter("property"):
        if prop.get("name") == NEXT_ID:
            next_id = max(next_id, int(prop.get("value")))
    return ids, next_id


def assign_ids(names, old_ids, next_id):
    """Keeps the ids of the names still there, gives new names new ids in name order; returns (ids, next id)."""
    ids = {n: old_ids[n] for n in names if n in old_ids}
    for n in names:
        if n not in ids:
            ids[n] = next_id
            next_id += 1
    return ids, next_id


def _attr(text):
    return text.replace("&", "&amp;").replace('"', "&quot;").replace("<", "&lt;").replace(">", "&gt;")


def tsx_text(stem, ids, sizes, next_id):
    """The tileset file as Tiled 1.8 writes an image collection, tiles in id order."""
    width = max(w for w, _ in sizes.values())
    height = max(h for _, h in sizes.values())
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<tileset version="1.8" tiledversion="{TILED_VERSION}" name="{_attr(stem)}" tilewidth="{width}" '
        f'tileheight="{height}" tilecount="{len(ids)}" columns="0">',
        ' <grid orientation="orthogonal" width="1" height="1"/>',
        " <properties>",
        f'  <property name="{NEXT_ID}" type="int" value="{next_id}"/>',
        " </properties>",
    ]
    for name, tile_id in sorted(ids.items(), key=lambda kv: kv[1]):
        w, h = sizes[name]
        lines += [
            f' <tile id="{tile_id}">',
            f'  <image width="{w}" height="{h}" source="{_attr(stem + "/" + name + ".png")}"/>',
            " </tile>",
        ]
    lines.append("</tileset>")
    return "\n".join(lines) + "\n"


def write_tileset(stem, names, uv, dims):
    """Writes one atlas's tileset and pictures and removes pictures of frames that are gone; returns
    (pictures written, total bytes of its pictures)."""
    folder = os.path.join(OUT, stem)
    os.makedirs(folder, exist_ok=True)
    tsx_path = os.path.join(OUT, stem + ".tsx")
    old_ids, next_id = read_ids(tsx_path)
    ids, next_id = assign_ids(names, old_ids, next_id)
    atlas = Image.open(os.path.join(TEXTURES, stem + ".png")).convert("RGBA")
    sizes = {}
    written = 0
    total = 0
    for name in names:
        size = (dims[name]["Width"], dims[name]["Height"])
        sizes[name] = size
        data = _png_bytes(_cut(atlas, uv[name], size))
        total += len(data)
        written += _write_if_changed(os.path.join(folder, name + ".png"), data)
    keep = {name + ".png" for name in names}
    for old in sorted(os.listdir(folder)):
        if old not in keep:
            os.remove(os.path.join(folder, old))
    _write_if_changed(tsx_path, tsx_text(stem, ids, sizes, next_id).encode())
    return written, total


def write_all(layers, sprites):
    """Writes the tileset of every atlas with frames from the atlases and tables in Resources."""
    uv = _read_table("UV.json", "UV_Map")
    dims = _read_table("Dimensions.json", "dimensions")
    atlases = frames_by_atlas(layers, sprites)
    os.makedirs(OUT, exist_ok=True)
    stale = re.compile(r"^(.*)\.tsx$")
    for old in sorted(os.listdir(OUT)):
        m = stale.match(old)
        if m and m.group(1) not in atlases:
            os.remove(os.path.join(OUT, old))
        elif os.path.isdir(os.path.join(OUT, old)) and old not in atlases:
            shutil.rmtree(os.path.join(OUT, old))
    grand = 0
    for stem, names in atlases.items():
        written, total = write_tileset(stem, names, uv, dims)
        grand += total
        changed = f", {written} written anew" if written else ""
        print(f"tiled/tilesets/{stem}.tsx: {len(names)} tiles, {total / 1024:.0f} KiB of pictures{changed}", flush=True)
    print(f"tiled/tilesets: {grand / 1024 / 1024:.1f} MiB of pictures", flush=True)
