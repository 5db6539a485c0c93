#!/usr/bin/env python3
"""Synthesises the five wave files of Numeralia into assets/sounds/.

Standard library only. The output is deterministic: running the script again writes the
same bytes. Every file is 22050 Hz, mono, 16-bit PCM, well under 100 KB.

    manager.wav  start-up chime: a soft bell arpeggio
    pato.wav     error: two duck quacks
    hey.wav      cue 1: a voiced "hey"
    ooh.wav      cue 2: a voiced, falling "ooh"
    tic.wav      cue 4: a wood-block tick
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def envelope(samples, attack=0.005, release=0.02):
    """Short fades at both ends so no sound starts or stops with a click."""
    n = len(samples)
    a = max(1, int(attack * RATE))
    r = max(1, int(release * RATE))
    out = list(samples)
    for i in range(min(a, n)):
        out[i] *= i / a
    for i in range(min(r, n)):
        out[n - 1 - i] *= i / r
    return out


def mix(base, extra, at):
    start = int(at * RATE)
    need = start + len(extra)
    if len(base) < need:
        base.extend([0.0] * (need - len(base)))
    for i, v in enumerate(extra):
        base[start + i] += v
    return base


def normalise(samples, peak=0.7):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def bell(freq, seconds, decay=3.5):
    """A bell-like tone: a few inharmonic partials that die away exponentially."""
    partials = [(1.0, 1.0), (2.0, 0.35), (3.01, 0.12), (4.2, 0.06)]
    out = []
    for i in range(int(seconds * RATE)):
        t = i / RATE
        v = sum(a * math.exp(-decay * k * t) * math.sin(2 * math.pi * freq * k * t)
                for k, a in partials)
        out.append(v)
    return envelope(out, attack=0.004, release=0.05)


class Resonator:
    """A two-pole band-pass filter: one formant of a voice."""

    def __init__(self):
        self.y1 = self.y2 = 0.0

    def step(self, x, freq, bandwidth):
        r = math.exp(-math.pi * bandwidth / RATE)
        c = -r * r
        b = 2 * r * math.cos(2 * math.pi * freq / RATE)
        a = 1 - b - c
        y = a * x + b * self.y1 + c * self.y2
        self.y2, self.y1 = self.y1, y
        return y


def voice(seconds, pitch, formants, breath=0.0, rng=None):
    """A voiced sound: a glottal pulse train through formant resonators.

    pitch(t) gives the fundamental in Hz, formants(t) a list of (freq, bandwidth, gain),
    breath(t) the amount of noise (for an "h").
    """
    rng = rng or random.Random(1)
    n = int(seconds * RATE)
    phase = 0.0
    filters = None
    out = []
    for i in range(n):
        t = i / seconds / RATE  # 0..1 through the sound
        f0 = pitch(t)
        phase += f0 / RATE
        if phase >= 1.0:
            phase -= 1.0
        # A band-limited glottal pulse: harmonics falling off with their order and faded out
        # between 3.5 and 4 kHz, so none folds back and none switches on or off abruptly
        # while the pitch glides.
        top = int(4000 / f0) + 1
        source = 0.5 * sum(min(1.0, max(0.0, (4000 - k * f0) / 500)) *
                           math.sin(2 * math.pi * k * phase) / k ** 1.2
                           for k in range(1, top + 1))
        noise = (rng.random() * 2 - 1)
        b = breath(t) if callable(breath) else breath
        x = source * (1 - b) + noise * b
        fs = formants(t)
        if filters is None:
            filters = [Resonator() for _ in fs]
        out.append(sum(g * f.step(x, fr, bw) for f, (fr, bw, g) in zip(filters, fs)))
    return out


def lerp(a, b, t):
    return a + (b - a) * t


def shape(samples, curve):
    n = len(samples)
    return [s * curve(i / n) for i, s in enumerate(samples)]


def manager():
    # C5 E5 G5 C6, each a little later than the one before, the last one held.
    notes = [523.25, 659.25, 783.99, 1046.5]
    out = silence(1.3)
    for k, f in enumerate(notes):
        mix(out, [0.8 * v for v in bell(f, 1.3 - 0.12 * k, decay=3.0 + k * 0.3)], 0.12 * k)
    return normalise(envelope(out[: int(1.3 * RATE)], release=0.15), 0.6)


def quack(seconds, rng):
    return shape(
        voice(seconds,
              pitch=lambda t: lerp(330, 220, t) * (1 + 0.04 * math.sin(2 * math.pi * 9 * t)),
              formants=lambda t: [(lerp(900, 700, t), 160, 1.0),
                                  (lerp(1500, 1250, t), 200, 0.9),
                                  (2600, 300, 0.35)],
              breath=0.03, rng=rng),
        lambda t: min(1.0, t * 12) * (1 - t) ** 0.6)


def pato():
    rng = random.Random(7)
    out = silence(0.0)
    mix(out, quack(0.2, rng), 0.0)
    mix(out, quack(0.26, rng), 0.27)
    return normalise(envelope(out), 0.7)


def hey():
    rng = random.Random(3)
    out = voice(0.5,
                pitch=lambda t: lerp(210, 290, min(1.0, t * 1.6)),
                formants=lambda t: [(lerp(560, 300, max(0.0, t - 0.3) / 0.7), 90, 1.0),
                                    (lerp(1850, 2300, max(0.0, t - 0.3) / 0.7), 130, 0.6),
                                    (2900, 200, 0.25)],
                breath=lambda t: max(0.0, 0.9 - t * 9),  # the "h"
                rng=rng)
    return normalise(envelope(shape(out, lambda t: min(1.0, t * 8) * (1 - t) ** 0.5)), 0.7)


def ooh():
    rng = random.Random(5)
    out = voice(0.75,
                pitch=lambda t: lerp(270, 175, t) * (1 + 0.015 * math.sin(2 * math.pi * 5.5 * t)),
                formants=lambda t: [(lerp(380, 320, t), 70, 1.0),
                                    (lerp(950, 800, t), 90, 0.45),
                                    (2400, 200, 0.08)],
                breath=0.01, rng=rng)
    return normalise(envelope(shape(out, lambda t: min(1.0, t * 6) * (1 - t) ** 0.8)), 0.7)


def tic():
    rng = random.Random(11)
    n = int(0.09 * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        body = math.exp(-t * 70) * (math.sin(2 * math.pi * 1850 * t) + 0.5 * math.sin(2 * math.pi * 3100 * t))
        click = math.exp(-t * 900) * (rng.random() * 2 - 1)
        out.append(body + 0.6 * click)
    # Some audio back ends drop a sound shorter than their buffer: a little silence follows.
    return normalise(envelope(out, attack=0.0005, release=0.01), 0.65) + silence(0.16)


def write(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(max(-1.0, min(1.0, s)) * 32767)))
                               for s in samples))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "assets", "sounds")
    os.makedirs(folder, exist_ok=True)
    for name, make in [("manager.wav", manager), ("pato.wav", pato), ("hey.wav", hey),
                       ("ooh.wav", ooh), ("tic.wav", tic)]:
        path = os.path.join(folder, name)
        write(path, make())
        print(f"{path}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
