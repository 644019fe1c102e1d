"""Small synthesis helpers shared by the sound and music generators.

A sound is a plain list of floats in -1..1 at RATE samples per second, mono.
Only the standard library is used (math, random, wave), and every random
source is seeded, so two runs write identical files.
"""
import math
import os
import random
import wave

RATE = 22050

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.normpath(os.path.join(HERE, "..", "data"))


def n_samples(seconds):
    return int(round(seconds * RATE))


def silence(seconds):
    return [0.0] * n_samples(seconds)


def noise(seconds, seed):
    rng = random.Random(seed)
    return [rng.uniform(-1.0, 1.0) for _ in range(n_samples(seconds))]


def tone(freq, seconds, shape="sine", phase=0.0):
    """A fixed tone; freq may also be a function of time (a sweep)."""
    out = []
    ph = phase
    for i in range(n_samples(seconds)):
        f = freq(i / RATE) if callable(freq) else freq
        ph += f / RATE
        p = ph % 1.0
        if shape == "sine":
            v = math.sin(2 * math.pi * p)
        elif shape == "square":
            v = 1.0 if p < 0.5 else -1.0
        elif shape == "saw":
            v = 2.0 * p - 1.0
        else:  # triangle
            v = 4.0 * abs(p - 0.5) - 1.0
        out.append(v)
    return out


def lowpass(sig, cutoff):
    """One-pole low-pass; cutoff in Hz (or a function of time)."""
    out = []
    y = 0.0
    for i, x in enumerate(sig):
        c = cutoff(i / RATE) if callable(cutoff) else cutoff
        a = 1.0 - math.exp(-2 * math.pi * c / RATE)
        y += a * (x - y)
        out.append(y)
    return out


def highpass(sig, cutoff):
    low = lowpass(sig, cutoff)
    return [x - l for x, l in zip(sig, low)]


def env_exp(sig, decay, attack=0.002):
    """Short linear attack, then an exponential fall with time constant decay."""
    out = []
    for i, x in enumerate(sig):
        t = i / RATE
        g = t / attack if t < attack else math.exp(-(t - attack) / decay)
        out.append(x * g)
    return out


def fade_out(sig, seconds):
    n = min(len(sig), n_samples(seconds))
    out = list(sig)
    for k in range(n):
        out[len(sig) - n + k] *= 1.0 - (k + 1) / n
    return out


def gain(sig, g):
    return [x * g for x in sig]


def mix(*parts):
    """Sums sounds, each given as a signal or (offset_seconds, signal)."""
    placed = [(0.0, p) if isinstance(p, list) else p for p in parts]
    length = max(n_samples(off) + len(s) for off, s in placed)
    out = [0.0] * length
    for off, s in placed:
        start = n_samples(off)
        for i, x in enumerate(s):
            out[start + i] += x
    return out


def normalise(sig, peak=0.9):
    top = max(abs(x) for x in sig) or 1.0
    return [x * peak / top for x in sig]


def soft_clip(sig, drive=1.0):
    return [math.tanh(x * drive) for x in sig]


def write_wav(path, sig):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    frames = bytearray()
    for x in sig:
        v = int(round(max(-1.0, min(1.0, x)) * 32767))
        frames += v.to_bytes(2, "little", signed=True)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))
