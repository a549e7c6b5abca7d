#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tastrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/error.wav: a short, soft two-tone chime for a mistyped key.

Mono, 16-bit, 22050 Hz, 120 ms, with a gentle attack and decay so that it
does not startle a child who hears it hundreds of times a lesson.
"""
import math
import struct
import sys
import wave

RATE = 22050
DURATION = 0.12
VOLUME = 0.25


def sample(t):
    envelope = min(1.0, t / 0.005) * math.exp(-t * 28)
    tone = 0.7 * math.sin(2 * math.pi * 440 * t) + 0.3 * math.sin(2 * math.pi * 660 * t)
    return VOLUME * envelope * tone


def main(path):
    frames = b"".join(
        struct.pack("<h", int(32767 * sample(i / RATE))) for i in range(int(RATE * DURATION))
    )
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/error.wav")
