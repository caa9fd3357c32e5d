#!/usr/bin/env python3
"""Synthesises the panel's two sounds into resources/Sound.

warn.wav  the travel alarm: two short, soft two-tone chimes.
Move.wav  the spindle start: a motor hum that rises in pitch and settles.

Plain standard library; the output is the same on every run.
"""
import math
import struct
import wave
from pathlib import Path

RATE = 22050


def envelope(t, length, attack=0.01, release=0.08):
    """Linear attack, exponential-ish release, so nothing clicks."""
    if t < attack:
        return t / attack
    if t > length - release:
        return max(0.0, (length - t) / release)
    return 1.0


def chime(freq, length, partials=((1.0, 1.0), (2.0, 0.35), (3.0, 0.12))):
    samples = []
    for i in range(int(length * RATE)):
        t = i / RATE
        decay = math.exp(-t * 6.0)
        v = sum(a * math.sin(2 * math.pi * freq * k * t) for k, a in partials)
        samples.append(v * decay * envelope(t, length, 0.004, 0.05))
    return samples


def silence(length):
    return [0.0] * int(length * RATE)


def warn():
    tone = chime(988.0, 0.16) + chime(740.0, 0.22)
    return tone + silence(0.06) + tone


def move():
    length = 0.9
    samples = []
    phase = 0.0
    for i in range(int(length * RATE)):
        t = i / RATE
        # The motor runs up from 60 Hz to 140 Hz and settles there.
        freq = 140.0 - 80.0 * math.exp(-t * 5.0)
        phase += 2 * math.pi * freq / RATE
        v = (math.sin(phase) + 0.45 * math.sin(2 * phase) + 0.2 * math.sin(3 * phase)
             + 0.08 * math.sin(7 * phase))
        samples.append(v * envelope(t, length, 0.12, 0.3))
    return samples


def write(path, samples, peak=0.55):
    top = max(abs(s) for s in samples) or 1.0
    frames = b"".join(struct.pack("<h", int(32767 * peak * s / top)) for s in samples)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    folder = Path(__file__).resolve().parent.parent / "resources" / "Sound"
    folder.mkdir(parents=True, exist_ok=True)
    write(folder / "warn.wav", warn())
    write(folder / "Move.wav", move(), peak=0.45)


if __name__ == "__main__":
    main()
