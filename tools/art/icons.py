"""Renders the desktop icon (Kibbet on a honey disc) in the sizes desktops look for, plus the scalable drawing.

Writes dist/linux/icons/kibbet-NN.png and dist/linux/icons/kibbet.svg, which `cmake --install` puts into the
hicolor icon theme. tools/art/build.py calls this after the atlases; it also runs on its own:
    /usr/bin/python3 tools/art/icons.py
"""

import os
import subprocess
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "assets", "art"))

import hero  # noqa: E402

OUT = os.path.join(ROOT, "dist", "linux", "icons")
# The hicolor sizes desktops and software centres ask for; 16..64 also sit in the window icon.
SIZES = (16, 24, 32, 48, 64, 128, 256)


def write():
    os.makedirs(OUT, exist_ok=True)
    with open(os.path.join(OUT, "kibbet.svg"), "w") as f:
        f.write(hero.icon(256) + "\n")
    for size in SIZES:
        # Each size is drawn at its own pixel size, so small icons keep crisp outlines.
        png = os.path.join(OUT, f"kibbet-{size}.png")
        subprocess.run(["rsvg-convert", "-f", "png", "-o", png], input=hero.icon(size).encode(), check=True)
        print("icon:", os.path.relpath(png, ROOT), flush=True)


if __name__ == "__main__":
    write()
