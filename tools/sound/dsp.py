"""Signal building blocks shared by the effect and song renderers.

Everything works on float64 numpy arrays at RATE samples per second, amplitude 1.0 = full scale.
"""

import numpy as np

RATE = 44100


def db(x):
    return 10.0 ** (x / 20.0)


def to_db(x):
    return 20.0 * np.log10(max(float(x), 1e-12))


def sweep(start, end, n, curve="exp"):
    """A parameter moving from start to end over n samples (exp curves need positive values)."""
    if n <= 0:
        return np.zeros(0)
    if start == end:
        return np.full(n, float(start))
    t = np.linspace(0.0, 1.0, n, endpoint=False)
    if curve == "exp" and start > 0 and end > 0:
        return start * (end / start) ** t
    return start + (end - start) * t


def phase_from_freq(freq):
    """Running phase in cycles for a per-sample frequency array."""
    return np.cumsum(freq / RATE) - freq[0] / RATE


def _blep(t, dt):
    """PolyBLEP residual that removes the aliasing step of a naive saw at its wrap point."""
    out = np.zeros_like(t)
    lo = t < dt
    x = t[lo] / dt[lo]
    out[lo] = x + x - x * x - 1.0
    hi = t > 1.0 - dt
    x = (t[hi] - 1.0) / dt[hi]
    out[hi] = x * x + x + x + 1.0
    return out


def osc(wave, phase, freq, duty=0.5):
    """One oscillator; phase in cycles, freq per sample (used for band limiting)."""
    t = np.mod(phase, 1.0)
    dt = np.clip(np.abs(freq) / RATE, 1e-6, 0.5)
    if wave == "sine":
        return np.sin(2 * np.pi * phase)
    if wave == "triangle":
        return 1.0 - 4.0 * np.abs(t - 0.5)
    if wave == "saw":
        return 2.0 * t - 1.0 - _blep(t, dt)
    if wave in ("square", "pulse"):
        t2 = np.mod(phase + (1.0 - duty), 1.0)
        saw1 = 2.0 * t - 1.0 - _blep(t, dt)
        saw2 = 2.0 * t2 - 1.0 - _blep(t2, dt)
        return saw1 - saw2 + (2.0 * duty - 1.0)
    raise ValueError("unknown wave " + wave)


def noise(n, rng, colour="white"):
    w = rng.standard_normal(n)
    if colour == "white":
        return w / 3.0
    spectrum = np.fft.rfft(w)
    f = np.fft.rfftfreq(n, 1.0 / RATE)
    f[0] = f[1] if n > 1 else 1.0
    spectrum *= 1.0 / np.sqrt(f) if colour == "pink" else 1.0 / f
    out = np.fft.irfft(spectrum, n)
    return out / (np.sqrt(np.mean(out * out)) + 1e-12) / 3.0


def adsr(n, a, d, s, r, hold=None, shape="exp"):
    """Envelope of n samples: attack, decay to sustain, hold, then release reaching zero at the end.
    Shape "xfade" uses equal-power quarter-sine ramps, so a loop's wrapped tail and its start sum evenly."""
    a_n = max(1, int(a * RATE))
    d_n = max(1, int(d * RATE))
    r_n = max(1, int(r * RATE))
    if hold is None:
        hold_n = max(0, n - a_n - d_n - r_n)
    else:
        hold_n = max(0, int(hold * RATE) - a_n - d_n)
    env = np.concatenate(
        [
            np.linspace(0.0, 1.0, a_n, endpoint=False),
            1.0 - (1.0 - s) * (1.0 - np.exp(-5.0 * np.arange(d_n) / d_n)) / (1.0 - np.exp(-5.0)),
            np.full(hold_n, s),
        ]
    )
    if shape == "xfade":
        env[:a_n] = np.sin(0.5 * np.pi * np.arange(a_n) / a_n)
    level = env[-1] if len(env) else 0.0
    if shape == "xfade":
        tail = np.cos(0.5 * np.pi * np.arange(r_n) / r_n)
    else:
        tail = np.exp(-6.0 * np.arange(r_n) / r_n) * np.linspace(1.0, 0.0, r_n)
    env = np.concatenate([env, level * tail])
    if len(env) < n:
        env = np.concatenate([env, np.zeros(n - len(env))])
    return env[:n]


def svf(x, cutoff, q=0.7, mode="lp"):
    """State-variable filter with a per-sample cutoff (Hz); slow but exact, meant for short effects."""
    cutoff = np.broadcast_to(np.asarray(cutoff, dtype=float), x.shape)
    f = 2.0 * np.sin(np.pi * np.clip(cutoff, 10.0, RATE / 6.5) / RATE)
    damp = 1.0 / max(q, 0.5)
    low = band = 0.0
    out = np.empty_like(x)
    pick = {"lp": 0, "hp": 1, "bp": 2}[mode]
    for i in range(len(x)):
        low += f[i] * band
        high = x[i] - low - damp * band
        band += f[i] * high
        out[i] = (low, high, band)[pick]
    return out


def fft_filter(x, lp=None, hp=None, order=2, circular=False):
    """Static low/high-pass by spectral shaping; circular keeps a loop's wrap continuous."""
    n = len(x)
    if n == 0 or (lp is None and hp is None):
        return x
    pad = 0 if circular else min(RATE, n)
    size = n + pad
    spectrum = np.fft.rfft(x, size, axis=0)
    f = np.fft.rfftfreq(size, 1.0 / RATE)
    gain = np.ones_like(f)
    if lp:
        gain *= 1.0 / np.sqrt(1.0 + (f / lp) ** (2 * order))
    if hp:
        ff = np.maximum(f, 1e-3)
        gain *= 1.0 / np.sqrt(1.0 + (hp / ff) ** (2 * order))
    if x.ndim == 2:
        gain = gain[:, None]
    return np.fft.irfft(spectrum * gain, size, axis=0)[:n]


def convolve(x, ir, circular=False):
    """FFT convolution; circular folds the tail back onto the start (for loops)."""
    n = len(x)
    if circular:
        irc = np.zeros(n)
        m = min(len(ir), n)
        irc[:m] = ir[:m]
        return np.fft.irfft(np.fft.rfft(x, n) * np.fft.rfft(irc, n), n)
    size = n + len(ir)
    return np.fft.irfft(np.fft.rfft(x, size) * np.fft.rfft(ir, size), size)[:n]


def reverb_ir(seconds, rng, bright=6000.0):
    """A small diffuse room: decaying noise, darker towards its end."""
    n = int(seconds * RATE)
    t = np.arange(n) / RATE
    ir = rng.standard_normal(n) * np.exp(-6.9 * t / seconds)
    ir = fft_filter(ir, lp=bright, hp=200.0)
    ir[: int(0.012 * RATE)] *= np.linspace(0, 1, int(0.012 * RATE))
    return ir / np.sqrt(np.sum(ir * ir))


def stats(x):
    """Peak and RMS in dBFS of a mono or stereo signal."""
    peak = np.max(np.abs(x)) if len(x) else 0.0
    rms = np.sqrt(np.mean(np.square(x))) if len(x) else 0.0
    return to_db(peak), to_db(rms)


def level(x, rms_db, ceiling_db=-1.5, squeeze_db=6.0):
    """Scale towards the target RMS; peaks that would pass the ceiling are rounded off by soft_limit,
    but by no more than squeeze_db, so spiky sounds stay clean and end up a little quieter instead."""
    peak = np.max(np.abs(x))
    rms = np.sqrt(np.mean(np.square(x)))
    if peak <= 0 or rms <= 0:
        return x
    gain = min(db(rms_db) / rms, db(ceiling_db + squeeze_db) / peak)
    return soft_limit(x * gain, ceiling_db)


def soft_limit(x, ceiling_db=-1.5):
    """Rounds off the rare peaks above the knee instead of lowering the whole track."""
    c = db(ceiling_db)
    knee = 0.8 * c
    a = np.abs(x)
    over = a > knee
    y = x.copy()
    y[over] = np.sign(x[over]) * (knee + (c - knee) * np.tanh((a[over] - knee) / (c - knee)))
    return y
