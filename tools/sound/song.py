"""Songs in the step notation of assets/sound/README.md to stereo sample arrays."""

import re

import numpy as np

import dsp

COMMENT_RE = re.compile(r"(^|\s)#.*")
NOTE_RE = re.compile(r"^([A-Ga-g])([#b]?)(-?\d)(?::([a-z0-9]+))?$")
SEMITONE = {"c": 0, "d": 2, "e": 4, "f": 5, "g": 7, "a": 9, "b": 11}
CHORDS = {
    "maj": [0, 4, 7],
    "min": [0, 3, 7],
    "7": [0, 4, 7, 10],
    "maj7": [0, 4, 7, 11],
    "min7": [0, 3, 7, 10],
    "sus2": [0, 2, 7],
    "sus4": [0, 5, 7],
    "dim": [0, 3, 6],
    "aug": [0, 4, 8],
    "add9": [0, 4, 7, 14],
    "min9": [0, 3, 7, 14],
    "5": [0, 7, 12],
    "oct": [0, 12],
}
INSTRUMENT_DEFAULTS = {
    "wave": "triangle",
    "duty": 0.5,
    "env": [0.005, 0.1, 0.7, 0.1],
    "vol": 0.0,
    "pan": 0.0,
    "lp": 0.0,
    "hp": 0.0,
    "vib": [0.0, 0.0],
    "detune": 0.0,
    "oct": 0,
    "ratio": 1.0,
    "index": 1.0,
    "echo": 0.0,
    "rev": 0.0,
    "gate": 1.0,
    "decay": 3.0,
}


class Song:
    def __init__(self):
        self.tempo = 120.0
        self.steps = 4
        self.beats = 4
        self.swing = 0.0
        self.level = -20.0
        self.loop = True
        self.reverb = [1.5, 0.0]
        self.echo = [0.75, 0.3]
        self.seed = 1
        self.instruments = {}
        self.patterns = {}
        self.order = []


def _value(text):
    parts = text.split(",")
    vals = []
    for p in parts:
        try:
            vals.append(float(p))
        except ValueError:
            vals.append(p)
    return vals if len(vals) > 1 else vals[0]


def parse(text):
    song = Song()
    current = None
    for lineno, raw in enumerate(text.splitlines(), 1):
        line = COMMENT_RE.sub("", raw).rstrip()
        if not line.strip():
            continue
        try:
            if ":" in line.split()[0]:
                if current is None:
                    raise ValueError("a step line outside a pattern")
                name, rest = line.split(":", 1)
                tokens = [t for t in rest.split() if t != "|"]
                bar = song.steps * song.beats
                if len(tokens) % bar:
                    raise ValueError(f"{len(tokens)} steps, not whole bars of {bar}")
                current.setdefault(name.strip(), []).extend(tokens)
                continue
            key, *args = line.split()
            if key == "instrument":
                inst = dict(INSTRUMENT_DEFAULTS)
                for a in args[1:]:
                    k, v = a.split("=", 1)
                    if k not in inst:
                        raise ValueError("unknown instrument setting " + k)
                    inst[k] = _value(v)
                song.instruments[args[0]] = inst
            elif key == "drums":
                inst = {"wave": "drums", "vol": 0.0, "pan": 0.0, "echo": 0.0, "rev": 0.0}
                for a in args[1:]:
                    k, v = a.split("=", 1)
                    inst[k] = _value(v)
                song.instruments[args[0]] = inst
            elif key == "pattern":
                current = {}
                song.patterns[args[0]] = current
            elif key == "song":
                song.order.extend(args)
            elif key in ("tempo", "swing", "level", "seed"):
                setattr(song, key, float(args[0]))
            elif key in ("steps", "beats"):
                setattr(song, key, int(args[0]))
            elif key == "loop":
                song.loop = args[0] == "yes"
            elif key in ("reverb", "echo"):
                setattr(song, key, [float(a) for a in args])
            else:
                raise ValueError("unknown keyword " + key)
        except (ValueError, IndexError) as err:
            raise ValueError(f"line {lineno}: {err}") from None
    return song


def _note_freqs(token, octave_shift):
    m = NOTE_RE.match(token)
    if not m:
        raise ValueError("bad note " + token)
    letter, accidental, octave, quality = m.groups()
    semis = SEMITONE[letter.lower()] + {"#": 1, "b": -1, "": 0}[accidental]
    midi = 12 * (int(octave) + 1 + octave_shift) + semis
    return [440.0 * 2.0 ** ((midi + i - 69) / 12.0) for i in CHORDS[quality or "maj"][: None if quality else 1]]


def _tone(inst, freq, n_on, rng):
    a, d, s, r = inst["env"]
    n = n_on + int(r * dsp.RATE)
    t = np.arange(n) / dsp.RATE
    f = np.full(n, freq)
    rate, depth = inst["vib"]
    if rate:
        # vibrato fades in so short notes stay clean
        f = f * (1.0 + depth * np.minimum(t / 0.25, 1.0) * np.sin(2 * np.pi * rate * t))
    wave = inst["wave"]
    detunes = [0.0] if not inst["detune"] else [-inst["detune"], inst["detune"]]
    x = np.zeros(n)
    for cents in detunes:
        ff = f * 2.0 ** (cents / 1200.0)
        phase = dsp.phase_from_freq(ff) + rng.uniform(0, 1)
        if wave == "fm":
            idx = inst["index"] * np.exp(-t * inst["decay"])
            x += np.sin(2 * np.pi * phase + idx * np.sin(2 * np.pi * inst["ratio"] * phase))
        elif wave in ("pluck", "organ"):
            top = int(min(24, 9000.0 / freq)) or 1
            for k in range(1, top + 1):
                if wave == "pluck":
                    amp = np.exp(-t * inst["decay"] * (1.0 + 0.6 * (k - 1))) / k
                else:
                    amp = {1: 1.0, 2: 0.6, 3: 0.35, 4: 0.25, 6: 0.12, 8: 0.1}.get(k, 0.0)
                if np.any(amp):
                    x += amp * np.sin(2 * np.pi * k * phase)
        else:
            x += dsp.osc(wave, phase, ff, inst["duty"])
    x /= len(detunes)
    env = dsp.adsr(n, a, d, s, r, hold=n_on / dsp.RATE)
    return x * env


class Kit:
    """Synthesised drum hits, one cached sample per letter (with two variants for the hats)."""

    def __init__(self, rng):
        self.rng = rng
        self.cache = {}

    def hit(self, letter):
        key = letter if letter not in "hr" else letter + str(self.rng.integers(2))
        if key not in self.cache:
            self.cache[key] = self._make(letter)
        return self.cache[key]

    def _make(self, c):
        R = dsp.RATE
        rng = self.rng

        def decay(n, tau):
            return np.exp(-np.arange(n) / (tau * R))

        if c in "kb":
            n = int((0.45 if c == "k" else 0.9) * R)
            f = 45.0 + (160.0 if c == "k" else 90.0) * decay(n, 0.03)
            x = np.sin(2 * np.pi * dsp.phase_from_freq(f)) * decay(n, 0.16 if c == "k" else 0.35)
            click = dsp.fft_filter(dsp.noise(n, rng), lp=3000) * decay(n, 0.004)
            return np.tanh(1.5 * (x + 0.6 * click)) * 0.9
        if c in "tm":
            n = int(0.5 * R)
            base = 95.0 if c == "t" else 140.0
            f = base * (1.0 + 0.5 * decay(n, 0.05))
            x = np.sin(2 * np.pi * dsp.phase_from_freq(f)) * decay(n, 0.18)
            return x * 0.8
        if c == "s":
            n = int(0.3 * R)
            body = np.sin(2 * np.pi * dsp.phase_from_freq(180.0 * (1 + 0.3 * decay(n, 0.02)))) * decay(n, 0.05)
            sn = dsp.fft_filter(dsp.noise(n, rng), lp=7000, hp=1200) * decay(n, 0.07) * 3.0
            return 0.5 * body + 0.6 * sn
        if c == "p":
            n = int(0.3 * R)
            env = np.zeros(n)
            for off in (0.0, 0.011, 0.022):
                s0 = int(off * R)
                env[s0:] += decay(n - s0, 0.008 if off < 0.02 else 0.08)
            return dsp.fft_filter(dsp.noise(n, rng), lp=5000, hp=900) * env * 3.0
        if c in "ho":
            n = int((0.08 if c == "h" else 0.4) * R)
            x = dsp.fft_filter(dsp.noise(n, rng), hp=7000) * decay(n, 0.02 if c == "h" else 0.12) * 3.0
            return x * (0.5 if c == "h" else 0.45)
        if c == "r":
            n = int(0.07 * R)
            return dsp.fft_filter(dsp.noise(n, rng), lp=9000, hp=4000) * decay(n, 0.015) * 1.4
        if c == "c":
            n = int(1.8 * R)
            x = dsp.fft_filter(dsp.noise(n, rng), hp=3500) * decay(n, 0.5) * 3.0
            return x * 0.45
        raise ValueError("unknown drum " + c)


def _place(buf, x, start, loop):
    """Adds x into buf from start; in a loop what runs past the end continues at the start."""
    total = len(buf)
    n = len(x)
    if loop:
        start %= total
    first = max(0, min(n, total - start))
    buf[start : start + first] += x[:first]
    if loop and first < n:
        rest = x[first:]
        while len(rest):
            m = min(len(rest), total)
            buf[:m] += rest[:m]
            rest = rest[m:]


def _pan(x, pan):
    angle = (pan + 1.0) * np.pi / 4.0
    return np.stack([x * np.cos(angle), x * np.sin(angle)], axis=1) * np.sqrt(2.0)


def _echo_ir(song, step_sec, n):
    delay = int(song.echo[0] * song.steps * step_sec * dsp.RATE)
    ir = np.zeros((n, 2))
    g = 1.0
    for k in range(1, 12):
        pos = k * delay
        if pos >= n:
            break
        ir[pos, k % 2] = g
        g *= song.echo[1]
    return ir


def render(song):
    rng = np.random.default_rng(int(song.seed))
    step_sec = 60.0 / song.tempo / song.steps
    lengths = []
    for entry in song.order:
        parts = entry.split("+")
        lengths.append(max(len(toks) for p in parts for toks in song.patterns[p].values()))
    total_steps = sum(lengths)
    loop_len = int(round(total_steps * step_sec * dsp.RATE))
    total = loop_len if song.loop else loop_len + int(4.0 * dsp.RATE)
    dry = np.zeros((total, 2))
    echo_bus = np.zeros((total, 2))
    rev_bus = np.zeros((total, 2))
    kit = Kit(rng)
    stems = {}

    def step_time(step):
        t = step * step_sec
        if step % 2 == 1:
            t += song.swing * step_sec
        return int(round(t * dsp.RATE))

    base = 0
    for entry, length in zip(song.order, lengths):
        for part in entry.split("+"):
            for name, tokens in song.patterns[part].items():
                inst = song.instruments[name]
                # a shorter layer repeats until the longest layer of the entry has ended
                tokens = (tokens * (length // len(tokens) + 1))[:length]
                voice = np.zeros(total)
                for i, tok in enumerate(tokens):
                    if tok in (".", "-"):
                        continue
                    gain = 1.0
                    if tok[-1] in "!?":
                        gain = dsp.db(4.0) if tok[-1] == "!" else dsp.db(-7.0)
                        tok = tok[:-1]
                    start = step_time(base + i)
                    if inst["wave"] == "drums":
                        for letter in tok.split("+"):
                            g = gain * (dsp.db(3.0) if letter.isupper() else 1.0)
                            _place(voice, kit.hit(letter.lower()) * g, start, song.loop)
                        continue
                    held = 1
                    while i + held < len(tokens) and tokens[i + held] == "-":
                        held += 1
                    n_on = int(held * step_sec * inst["gate"] * dsp.RATE)
                    freqs = _note_freqs(tok, int(inst["oct"]))
                    x = sum(_tone(inst, f, n_on, rng) for f in freqs) / np.sqrt(len(freqs))
                    _place(voice, x * gain, start, song.loop)
                if inst.get("lp") or inst.get("hp"):
                    voice = dsp.fft_filter(voice, lp=inst.get("lp") or None, hp=inst.get("hp") or None,
                                           circular=song.loop)
                stereo = _pan(voice, inst["pan"]) * dsp.db(inst["vol"])
                stems[name] = stems.get(name, 0.0) + float(np.sum(stereo * stereo))
                dry += stereo
                echo_bus += stereo * inst["echo"]
                rev_bus += stereo * inst["rev"]
        base += length

    mix = dry
    if np.any(echo_bus):
        # ping-pong: the repeats of the summed send alternate between right and left
        ir = _echo_ir(song, step_sec, min(total, int(4 * dsp.RATE)))
        send = echo_bus.mean(axis=1)
        for ch in range(2):
            mix[:, ch] += dsp.convolve(send, ir[:, ch], circular=song.loop)
    if np.any(rev_bus) and song.reverb[1] > 0:
        for ch in range(2):
            ir = dsp.reverb_ir(song.reverb[0], np.random.default_rng(int(song.seed) + 17 + ch))
            mix[:, ch] += dsp.convolve(rev_bus[:, ch], ir, circular=song.loop) * song.reverb[1]
    mix = dsp.fft_filter(mix, hp=30.0, circular=song.loop)
    if not song.loop:
        mag = np.max(np.abs(mix), axis=1)
        last = np.nonzero(mag > 1e-4 * np.max(mag))[0][-1]
        mix = mix[: last + 1]
        mix[:88] *= np.linspace(0.0, 1.0, 88)[:, None]
        fade = min(int(0.3 * dsp.RATE), len(mix))
        mix[-fade:] *= np.linspace(1.0, 0.0, fade)[:, None] ** 2
    rms = np.sqrt(np.mean(mix * mix))
    song.stems = {k: dsp.to_db(np.sqrt(v / mix.size) / rms) for k, v in stems.items()}
    mix = mix * (dsp.db(song.level) / rms)
    # MP3 encoding can push peaks up by a few tenths of a dB, so songs keep more headroom than effects
    return dsp.soft_limit(mix, -2.5)
