"""Renders every effect recipe and song under assets/sound/ into Resources/Audio/ and prints a level table.

Usage: build.py [--stems] [NAME ...]   (no names: everything)
--stems also prints each song instrument's share of the mix in dB, for balancing.
"""

import os
import subprocess
import sys
import tempfile
import wave

import numpy as np

import dsp
import sfx
import song

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SOURCES = os.path.join(ROOT, "assets", "sound")
OUT = os.path.join(ROOT, "Resources", "Audio")


def write_wav(path, x):
    data = np.clip(np.round(x * 32767.0), -32768, 32767).astype("<i2")
    channels = 1 if x.ndim == 1 else x.shape[1]
    with wave.open(path, "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(2)
        w.setframerate(dsp.RATE)
        w.writeframes(data.tobytes())


def read_wav(path):
    with wave.open(path, "rb") as w:
        raw = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2").astype(float) / 32768.0
        return raw.reshape(-1, w.getnchannels()), w.getframerate()


def encode_mp3(x, path):
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "song.wav")
        write_wav(src, x)
        subprocess.run(["lame", "--quiet", "-q", "2", "--cbr", "-b", "128", src, path], check=True)


def decoded(path):
    """What a player hears: MP3 files are decoded again before they are measured."""
    if path.endswith(".wav"):
        return read_wav(path)
    with tempfile.TemporaryDirectory() as tmp:
        dst = os.path.join(tmp, "check.wav")
        subprocess.run(["lame", "--quiet", "--decode", path, dst], check=True)
        return read_wav(dst)


def main(names, show_stems):
    jobs = []
    for sub, ext in (("sfx", ".sfx"), ("music", ".song")):
        folder = os.path.join(SOURCES, sub)
        for f in sorted(os.listdir(folder)):
            if f.endswith(ext) and (not names or f[: -len(ext)] in names):
                jobs.append((os.path.join(folder, f), f[: -len(ext)], ext))
    os.makedirs(OUT, exist_ok=True)
    for src, name, ext in jobs:
        with open(src, encoding="utf-8") as fh:
            text = fh.read()
        try:
            if ext == ".sfx":
                out = os.path.join(OUT, name + ".wav")
                write_wav(out, sfx.render(sfx.parse(text)))
            else:
                out = os.path.join(OUT, name + ".mp3")
                parsed = song.parse(text)
                encode_mp3(song.render(parsed), out)
                if show_stems:
                    print("  " + "  ".join(f"{k} {v:.1f}" for k, v in sorted(parsed.stems.items())))
        except ValueError as err:
            sys.exit(f"{src}: {err}")
        x, rate = decoded(out)
        peak, rms = dsp.stats(x)
        print(f"| {os.path.basename(out):32} | {len(x) / rate:7.2f} s | {peak:6.1f} dBFS | {rms:6.1f} dBFS |",
              flush=True)


if __name__ == "__main__":
    args = sys.argv[1:]
    main([a for a in args if a != "--stems"], "--stems" in args)
