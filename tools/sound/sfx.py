"""Effect recipes (assets/sound/sfx/*.sfx) to mono sample arrays. The notation is described in
assets/sound/README.md."""

import re

import numpy as np

import dsp

VOICE_DEFAULTS = {
    "wave": ["sine"],
    "at": [0.0],
    "dur": [0.2],
    "pitch": [440.0],
    "env": [0.003, 0.05, 0.7, 0.08],
    "vib": [0.0, 0.0],
    "trem": [0.0, 0.0],
    "filter": [],
    "q": [0.8],
    "gain": [0.0],
    "repeat": [1, 0.0],
    "jitter": [0.0, 0.0],
    "fm": [0.0, 0.0],
    "steps": [],
    "scatter": [],
}


def _number(token):
    try:
        return float(token)
    except ValueError:
        return token


def parse(text):
    recipe = {"length": 1.0, "level": -12.0, "loop": False, "seed": 1, "voices": []}
    voice = None
    for lineno, raw in enumerate(text.splitlines(), 1):
        line = re.sub(r"(^|\s)#.*", "", raw).strip()
        if not line:
            continue
        key, *args = line.split()
        args = [_number(a) for a in args]
        if key == "voice":
            voice = {k: list(v) for k, v in VOICE_DEFAULTS.items()}
            recipe["voices"].append(voice)
        elif voice is None and key in ("length", "level", "seed"):
            recipe[key] = float(args[0])
        elif voice is None and key == "loop":
            recipe["loop"] = args[0] == "yes"
        elif voice is not None and key in VOICE_DEFAULTS:
            voice[key] = args
        else:
            raise ValueError(f"line {lineno}: unknown key '{key}'")
    return recipe


def _pitch_curve(args, n):
    if len(args) == 1:
        return np.full(n, float(args[0]))
    curve = args[2] if len(args) > 2 else "exp"
    return dsp.sweep(float(args[0]), float(args[1]), n, curve)


def _render_voice(v, rng):
    n = max(1, int(v["dur"][0] * dsp.RATE))
    freq = _pitch_curve(v["pitch"], n)
    if v["steps"]:
        *semis, step = v["steps"]
        idx = np.minimum((np.arange(n) / (step * dsp.RATE)).astype(int), len(semis) - 1)
        freq = freq * 2.0 ** (np.asarray(semis)[idx] / 12.0)
    if v["jitter"][0]:
        freq = freq * 2.0 ** (rng.uniform(-1, 1) * v["jitter"][0] / 12.0)
    t = np.arange(n) / dsp.RATE
    rate, depth = v["vib"]
    if rate:
        freq = freq * (1.0 + depth * np.sin(2 * np.pi * rate * t))
    wave = v["wave"][0]
    if wave in ("noise", "pink", "brown"):
        x = dsp.noise(n, rng, "white" if wave == "noise" else wave)
    else:
        phase = dsp.phase_from_freq(freq)
        ratio, index = v["fm"]
        if ratio:
            mod_index = index * np.exp(-3.0 * t / max(v["dur"][0], 1e-3))
            phase = phase + mod_index * np.sin(2 * np.pi * ratio * phase) / (2 * np.pi)
        duty = float(v["wave"][1]) if len(v["wave"]) > 1 else 0.5
        x = dsp.osc(wave, phase, freq, duty)
    if v["filter"]:
        mode, lo = v["filter"][0], float(v["filter"][1])
        hi = float(v["filter"][2]) if len(v["filter"]) > 2 else lo
        x = dsp.svf(x, dsp.sweep(lo, hi, n), v["q"][0], mode)
    a, d, s, r = (float(e) for e in v["env"][:4])
    shape = v["env"][4] if len(v["env"]) > 4 else "exp"
    x = x * dsp.adsr(n, a, d, s, r, shape=shape)
    rate, depth = v["trem"]
    if rate:
        x = x * (1.0 - depth * 0.5 * (1.0 - np.cos(2 * np.pi * rate * t)))
    return x * dsp.db(v["gain"][0])


def render(recipe):
    """Mono samples of the whole effect; loops fold everything that runs past the end onto the start."""
    rng = np.random.default_rng(int(recipe["seed"]))
    total = int(recipe["length"] * dsp.RATE)
    out = np.zeros(total)
    for v in recipe["voices"]:
        count, every = int(v["repeat"][0]), float(v["repeat"][1])
        times = [v["at"][0] + i * every for i in range(count)]
        if v["scatter"]:
            # scatter N MIN MAX: N copies at random times, e.g. birdsong over an ambience loop
            k, lo, hi = int(v["scatter"][0]), float(v["scatter"][1]), float(v["scatter"][2])
            times = sorted(rng.uniform(lo, hi, k))
        for i, start in enumerate(times):
            voice = dict(v)
            if v["jitter"][1] and i:
                voice["gain"] = [v["gain"][0] - rng.uniform(0, v["jitter"][1])]
            x = _render_voice(voice, rng)
            s0 = int(start * dsp.RATE)
            if recipe["loop"]:
                idx = (s0 + np.arange(len(x))) % total
                np.add.at(out, idx, x)
            else:
                end = min(total, s0 + len(x))
                if end > s0:
                    out[s0:end] += x[: end - s0]
    out -= np.mean(out)
    if not recipe["loop"]:
        # both ends at exactly zero, so the effect starts and stops without a click
        fade_in = min(int(0.001 * dsp.RATE), total)
        out[:fade_in] *= np.linspace(0.0, 1.0, fade_in)
        fade = min(int(0.01 * dsp.RATE), total)
        out[total - fade :] *= np.linspace(1.0, 0.0, fade)
    return dsp.level(out, recipe["level"])
