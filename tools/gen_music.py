"""Writes the game's music, data/music/0.ogg and 1.ogg.

Each track is a few bars of synthesised bass, arpeggio and drums that loop
seamlessly (notes ringing past the end are folded back onto the start). The
tracks are encoded with oggenc (Debian's vorbis-tools) at a fixed stream
serial number, so the output is the same on every run, and each file ends
with a 128-byte ID3v1 tag whose artist and title the main menu shows.
"""
import math
import os
import random
import subprocess
import tempfile

from soundkit import (DATA, RATE, env_exp, gain, highpass, lowpass, n_samples,
                      noise, tone, write_wav)

ALBUM = "Larder ][ Soundtrack"
YEAR = "2024"
COMMENT = "Made by tools/gen_music.py"
GENRE_ELECTRONIC = 52


def midi_hz(note):
    return 440.0 * 2 ** ((note - 69) / 12.0)


class Track:
    """A loop of `bars` bars of 4/4 at `bpm`, filled by placing notes."""

    def __init__(self, bpm, bars):
        self.step = 60.0 / bpm / 4  # one sixteenth, in seconds
        self.buf = [0.0] * n_samples(self.step * 16 * bars)

    def place(self, sixteenth, sig, level):
        start = n_samples(sixteenth * self.step)
        size = len(self.buf)
        for i, x in enumerate(sig):
            self.buf[(start + i) % size] += x * level  # the loop's end rings into its start

    def bass(self, at, note, sixteenths, cut=700):
        length = sixteenths * self.step
        sig = lowpass(tone(midi_hz(note), length, "saw"), cut)
        sig = env_exp(sig, length * 0.6, attack=0.005)
        self.place(at, sig, 0.45)

    def lead(self, at, note, level=0.12, shape="square", decay=0.07):
        sig = env_exp(tone(midi_hz(note), self.step * 1.5, shape), decay)
        self.place(at, lowpass(sig, 3500), level)

    def kick(self, at):
        self.place(at, env_exp(tone(lambda t: 55 + 120 * math.exp(-t * 30), 0.25), 0.09), 0.8)

    def snare(self, at, seed):
        body = env_exp(lowpass(noise(0.18, seed), 5000), 0.05)
        self.place(at, body, 0.35)

    def hat(self, at, seed, level=0.12):
        self.place(at, env_exp(highpass(noise(0.05, seed), 6000), 0.012), level)

    def samples(self):
        top = max(abs(x) for x in self.buf)
        return [math.tanh(1.2 * x / top) * 0.85 for x in self.buf]


def cold_storage():
    """A slow, creeping minor loop: A minor, F, D minor, E."""
    t = Track(bpm=104, bars=8)
    rng = random.Random(7)
    chords = [(45, [57, 60, 64]), (41, [53, 57, 60]), (38, [50, 53, 57]), (40, [52, 56, 59])]
    for bar in range(8):
        root, triad = chords[bar % 4]
        b = bar * 16
        for k in range(0, 16, 4):
            t.bass(b + k, root, 3)
            t.bass(b + k + 3, root + 12 if k == 12 else root, 1)
        arp = triad + [triad[1] + 12]
        for k in range(16):
            t.lead(b + k, arp[(k * 3) % 4] + 12, 0.07 if bar < 4 else 0.1, "triangle", 0.09)
        for k in (0, 6, 10):
            t.kick(b + k)
        t.snare(b + 4, rng.randrange(1 << 30))
        t.snare(b + 12, rng.randrange(1 << 30))
        for k in range(0, 16, 2):
            t.hat(b + k, rng.randrange(1 << 30), 0.1 if k % 4 else 0.06)
    return t.samples()


def meat_locker_shuffle():
    """A faster chase: D minor, B flat, G minor, A, with a square-wave riff."""
    t = Track(bpm=138, bars=8)
    rng = random.Random(11)
    chords = [(38, [62, 65, 69]), (34, [58, 62, 65]), (43, [55, 58, 62]), (45, [57, 61, 64])]
    riff = [0, None, 2, 0, None, 1, 2, None, 0, None, 2, 1, 0, None, 1, 2]
    for bar in range(8):
        root, triad = chords[bar % 4]
        b = bar * 16
        for k in range(0, 16, 2):
            t.bass(b + k, root + (12 if k % 8 == 6 else 0), 2, 900)
        for k, idx in enumerate(riff):
            if idx is not None and (bar >= 2 or k % 4 == 0):
                t.lead(b + k, triad[idx] + 12, 0.09)
        for k in (0, 4, 8, 12):
            t.kick(b + k)
        t.snare(b + 4, rng.randrange(1 << 30))
        t.snare(b + 12, rng.randrange(1 << 30))
        if bar % 4 == 3:
            t.snare(b + 14, rng.randrange(1 << 30))
        for k in range(16):
            t.hat(b + k, rng.randrange(1 << 30), 0.08 if k % 2 else 0.04)
    return t.samples()


TRACKS = [
    ("Cold Storage", "Freezer Burn", cold_storage),
    ("Meat Locker Shuffle", "Freezer Burn", meat_locker_shuffle),
]


def id3v1(title, artist):
    def field(text, size):
        raw = text.encode("latin-1")[:size]
        return raw + b"\0" * (size - len(raw))
    tag = (b"TAG" + field(title, 30) + field(artist, 30) + field(ALBUM, 30)
           + field(YEAR, 4) + field(COMMENT, 30) + bytes([GENRE_ELECTRONIC]))
    assert len(tag) == 128
    return tag


def main():
    folder = os.path.join(DATA, "music")
    os.makedirs(folder, exist_ok=True)
    for old in os.listdir(folder):
        if old.endswith(".ogg"):
            os.remove(os.path.join(folder, old))
    with tempfile.TemporaryDirectory() as tmp:
        for index, (title, artist, make) in enumerate(TRACKS):
            wav = os.path.join(tmp, "%d.wav" % index)
            ogg = os.path.join(folder, "%d.ogg" % index)
            write_wav(wav, make())
            subprocess.run(["oggenc", "--quiet", "-q", "0", "-s", str(4000 + index),
                            "-t", title, "-a", artist, "-l", ALBUM, "-o", ogg, wav],
                           check=True)
            with open(ogg, "ab") as f:
                f.write(id3v1(title, artist))
            print("wrote %s: %s - %s (%.1f s)" % (ogg, artist, title,
                                                 os.path.getsize(wav) / 2.0 / RATE))


if __name__ == "__main__":
    main()
