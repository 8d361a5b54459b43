#!/usr/bin/env python3
"""Writes the sample sounds of route 12: a two-tone chime (chime.wav), a short
tune (tune.mid) and a door buzzer (buzzer.mp3, needs the lame encoder).

The files are kept in the repository; run this only to make them anew."""

import math
import os
import shutil
import struct
import subprocess
import tempfile
import wave

RATE = 22050


def bell(freq, seconds, start, samples):
    """Adds a struck-bell tone: a few inharmonic partials that die away."""
    partials = [(1.0, 1.0), (2.76, 0.35), (5.4, 0.12), (0.5, 0.2)]
    first = int(start * RATE)
    for n in range(int(seconds * RATE)):
        t = n / RATE
        env = math.exp(-3.2 * t) * min(1.0, t * 400)
        v = sum(a * math.sin(2 * math.pi * freq * m * t) * math.exp(-m * 0.6 * t) for m, a in partials)
        if first + n < len(samples):
            samples[first + n] += 0.28 * env * v


def write_wav(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 32767)) for s in samples))


def chime(path):
    samples = [0.0] * int(1.6 * RATE)
    bell(880.0, 1.0, 0.0, samples)   # ピン
    bell(698.5, 1.2, 0.4, samples)   # ポン
    write_wav(path, samples)


def buzzer(path):
    samples = []
    for n in range(int(0.5 * RATE)):
        t = n / RATE
        square = 1.0 if math.sin(2 * math.pi * 440 * t) >= 0 else -1.0
        env = min(1.0, t * 200, (0.5 - t) * 200)
        samples.append(0.25 * square * env)
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "buzzer.wav")
        write_wav(raw, samples)
        subprocess.run(["lame", "--quiet", "-b", "64", raw, path], check=True)


def var_len(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)


def tune(path):
    """A rising four-note phrase on a vibraphone (program 11), format 0."""
    ticks = 480
    ev = bytes([0x00, 0xC0, 11])
    for note, length in [(72, 1), (76, 1), (79, 1), (84, 2)]:
        ev += var_len(0) + bytes([0x90, note, 96])
        ev += var_len(ticks * length // 2) + bytes([0x80, note, 0])
    ev += var_len(0) + bytes([0xFF, 0x2F, 0x00])
    tempo = b"\x00\xFF\x51\x03" + (500000).to_bytes(3, "big")
    track = tempo + ev
    data = b"MThd" + struct.pack(">IHHH", 6, 0, 1, ticks) + b"MTrk" + struct.pack(">I", len(track)) + track
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    chime(os.path.join(here, "chime.wav"))
    tune(os.path.join(here, "tune.mid"))
    if shutil.which("lame"):
        buzzer(os.path.join(here, "buzzer.mp3"))
    else:
        print("lame is not installed: buzzer.mp3 left as it is")
