"""Contact sheet of the campaign: a row of screenshots along each level's replay route.

Plays tests/replays/<Level>.txt once per level in a window on SDL's offscreen driver, with the game writing a
numbered picture every so many frames (--screenshot-every), and lays the pictures out as one scaled-down JPEG per
level, labelled with the level and the frame of each picture.
"""

import argparse
import os
import subprocess
import sys
import tempfile

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def campaign_levels():
    """The playable levels in play order: the level files of Resources/Data/Levels in name order, without the
    start-up screens and the menu ("Level_00_*"); a map and a text file of one name are one level."""
    folder = os.path.join(ROOT, "Resources", "Data", "Levels")
    stems = {os.path.splitext(name)[0] for name in os.listdir(folder)
             if os.path.splitext(name)[1] in (".json", ".tmx", ".tmj")}
    return sorted(stem for stem in stems if not stem.startswith("Level_00"))


def font(size):
    for path in ("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                 "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"):
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.load_default()


def replay_frames(replay):
    with open(replay) as f:
        return sum(1 for _ in f) - 1


def shoot(binary, level, replay, shots, folder):
    """Runs the replay once and returns [(frame, path)] of the pictures written along it."""
    frames = replay_frames(replay)
    # Evenly along the route, leaving out the fade-in at the start and the fade-out at the exit.
    period = max(1, frames // (shots + 1))
    last = period * shots  # the pictures every period come before a frame; the run goes one frame past the last
    base = os.path.join(folder, level + ".png")
    env = dict(os.environ, SDL_VIDEODRIVER="offscreen", SDL_AUDIODRIVER="dummy")
    command = [binary, "--windowed", "--fixed-step", "--resources", os.path.join(ROOT, "Resources"),
               "--level", level, "--replay", replay, "--frames", str(last + 1),
               "--screenshot", base, "--screenshot-every", str(period)]
    result = subprocess.run(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if result.returncode != 0:
        sys.exit(f"contact-sheet: {level}: the game exited with status {result.returncode}\n{result.stderr}")
    pictures = []
    for n in range(1, shots + 1):
        path = os.path.join(folder, f"{level}-{n * period:06d}.png")
        if not os.path.exists(path):
            sys.exit(f"contact-sheet: {level}: no picture at frame {n * period}\n{result.stderr}")
        pictures.append((n * period, path))
    return pictures


def sheet(level, pictures, columns, width, out):
    height = width * 9 // 16
    gap = 4
    header = 30
    rows = (len(pictures) + columns - 1) // columns
    canvas = Image.new("RGB", (columns * width + (columns + 1) * gap, header + rows * (height + gap) + gap),
                       (24, 24, 28))
    draw = ImageDraw.Draw(canvas)
    draw.text((gap + 4, 5), f"{level}  ({len(pictures)} pictures along tests/replays/{level}.txt)",
              fill=(240, 240, 240), font=font(16))
    small = font(12)
    for i, (frame, path) in enumerate(pictures):
        x = gap + (i % columns) * (width + gap)
        y = header + (i // columns) * (height + gap)
        with Image.open(path) as shot:
            canvas.paste(shot.convert("RGB").resize((width, height), Image.LANCZOS), (x, y))
        label = f"frame {frame}"
        box = draw.textbbox((0, 0), label, font=small)
        draw.rectangle((x, y + height - box[3] - 6, x + box[2] + 8, y + height), fill=(0, 0, 0))
        draw.text((x + 4, y + height - box[3] - 4), label, fill=(255, 255, 255), font=small)
    canvas.save(out, quality=78, optimize=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("levels", nargs="*", help="levels (default: the campaign)")
    parser.add_argument("--shots", type=int, default=8, help="pictures per level (default 8)")
    parser.add_argument("--columns", type=int, default=4, help="pictures per row (default 4)")
    parser.add_argument("--width", type=int, default=288, help="width of one picture in pixels (default 288)")
    parser.add_argument("--out", default=os.path.join(ROOT, "docs", "levels"), help="folder of the sheets")
    parser.add_argument("--binary", default=os.path.join(ROOT, "build", "kibbet"), help="the game to run")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="kibbet-sheet-") as folder:
        for level in args.levels or campaign_levels():
            replay = os.path.join(ROOT, "tests", "replays", level + ".txt")
            if not os.path.exists(replay):
                sys.exit(f"contact-sheet: {level}: no replay {replay}")
            out = os.path.join(args.out, level + ".jpg")
            sheet(level, shoot(args.binary, level, replay, args.shots, folder), args.columns, args.width, out)
            print(f"{out}: {os.path.getsize(out) // 1024} KB")


if __name__ == "__main__":
    main()
