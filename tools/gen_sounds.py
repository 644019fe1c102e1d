"""Writes the game's sound samples, data/sounds/0.wav to 11.wav.

The numbers are fixed by the game: weapons name their shot sample, and the
play code uses 4 (dry click), 5 (bullet hit), 6 (reload), 8 (death),
10 (pick-up and kill) and 11 (larder). Mono, 16-bit, 22050 Hz, each under a
second.
"""
import math
import os

from soundkit import (DATA, env_exp, fade_out, gain, highpass, lowpass, mix,
                      noise, normalise, soft_clip, tone, write_wav)


def gunshot(length, crack_decay, body_decay, body_cut, thump_freq, seed):
    """A shot: a bright crack, a low-passed noise body and a falling thump."""
    crack = env_exp(highpass(noise(length, seed), 2500), crack_decay)
    body = env_exp(lowpass(noise(length, seed + 1), body_cut), body_decay)
    thump = env_exp(tone(lambda t: thump_freq * math.exp(-t * 12), length), body_decay * 0.8)
    return normalise(soft_clip(mix(gain(crack, 0.7), gain(body, 1.4), gain(thump, 0.8)), 2.0))


def click(length, seed, cut=6000, decay=0.004):
    return env_exp(highpass(noise(length, seed), cut), decay, attack=0.0005)


def smg():          # 0: short, light burst round
    return gunshot(0.11, 0.010, 0.025, 3000, 160, 10)


def revolver():     # 1: heavy boom with a long tail
    return fade_out(gunshot(0.55, 0.020, 0.120, 1400, 90, 20), 0.15)


def shotgun():      # 2: wide, dull blast
    return fade_out(gunshot(0.5, 0.015, 0.110, 900, 70, 30), 0.12)


def micro_ar():     # 3: crisp, high crack
    return gunshot(0.13, 0.008, 0.030, 4200, 220, 40)


def dry_click():    # 4: the hammer falling on an empty chamber
    return normalise(mix(click(0.03, 50, 5000, 0.003), (0.025, gain(click(0.03, 51, 3000, 0.004), 0.6))), 0.6)


def bullet_hit():   # 5: a wet thud
    body = env_exp(lowpass(noise(0.16, 60), 700), 0.04)
    thud = env_exp(tone(lambda t: 140 * math.exp(-t * 8), 0.16), 0.05)
    return normalise(mix(gain(body, 1.2), thud), 0.85)


def reload():       # 6: magazine out, magazine in, slide racked
    def clack(seed, ring):
        c = click(0.06, seed, 2500, 0.008)
        r = env_exp(tone(ring, 0.06, "triangle"), 0.015)
        return mix(c, gain(r, 0.25))
    return normalise(mix(clack(70, 1800), (0.14, clack(71, 1500)), (0.30, gain(clack(72, 2300), 1.2))), 0.8)


def pistol():       # 7: medium crack
    return gunshot(0.22, 0.012, 0.050, 2200, 130, 80)


def death():        # 8: a falling groan and a body dropping
    length = 0.8
    groan = tone(lambda t: 220 * math.exp(-t * 1.6) * (1 + 0.04 * math.sin(2 * math.pi * 7 * t)),
                 length, "saw")
    groan = lowpass(groan, lambda t: 1600 * math.exp(-t * 2.0) + 200)
    groan = fade_out(env_exp(groan, 0.5, attack=0.03), 0.2)
    fall = env_exp(lowpass(noise(0.25, 90), 500), 0.06)
    return normalise(mix(gain(groan, 0.9), (0.55, fall)), 0.85)


def chime():        # 10: two bright rising notes
    def note(f, length):
        return env_exp(mix(tone(f, length), gain(tone(2 * f, length), 0.3)), 0.08)
    return normalise(mix(note(880, 0.15), (0.08, note(1318.5, 0.22))), 0.7)


def larder():       # 11: a heavy freezer door shutting, then an icy shimmer
    slam = env_exp(lowpass(noise(0.3, 110), 400), 0.05)
    thump = env_exp(tone(lambda t: 90 * math.exp(-t * 5), 0.3), 0.08)
    shimmer = mix(*[(0.05 + 0.04 * k, env_exp(tone(2093 * (1 + 0.06 * k), 0.35), 0.09))
                    for k in range(6)])
    return normalise(mix(gain(slam, 1.3), thump, (0.12, gain(shimmer, 0.2))), 0.85)


def nailgun():      # 9: a pneumatic thunk and a hiss of air
    thunk = env_exp(tone(lambda t: 300 * math.exp(-t * 20), 0.08, "square"), 0.015)
    thunk = lowpass(thunk, 2500)
    hiss = env_exp(highpass(noise(0.2, 100), 4000), 0.05, attack=0.01)
    return normalise(mix(thunk, (0.02, gain(hiss, 0.35))), 0.8)


SAMPLES = [smg, revolver, shotgun, micro_ar, dry_click, bullet_hit, reload,
           pistol, death, nailgun, chime, larder]


def main():
    folder = os.path.join(DATA, "sounds")
    os.makedirs(folder, exist_ok=True)
    for old in os.listdir(folder):
        if old.endswith(".wav"):
            os.remove(os.path.join(folder, old))
    for index, make in enumerate(SAMPLES):
        sig = fade_out(make(), 0.01)  # ends on silence: no click when it stops
        write_wav(os.path.join(folder, "%d.wav" % index), sig)
    print("wrote %d samples to %s" % (len(SAMPLES), folder))


if __name__ == "__main__":
    main()
