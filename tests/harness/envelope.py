"""Comparing what was played with what a sample holds, by their loudness over time.

A recording and its source line up when their envelopes (loudness in short frames) correlate;
a sound played faster lines up with its source's envelope squeezed by the speed factor."""

import math
import subprocess
import tempfile

from wav import read_wav

# Long enough frames that a tempo change, which moves sound by its own small grains, keeps the
# shape of the loudness.
FRAME_S = 0.04


def envelope(samples, rate, frame_s=FRAME_S):
    """RMS of consecutive frames of a mono sample sequence."""
    size = int(rate * frame_s)
    return [math.sqrt(sum(s * s for s in samples[i:i + size]) / size)
            for i in range(0, len(samples) - size + 1, size)]


def decoded_channel(path, channel, seconds):
    """The first seconds of one channel of a sample file the sox tool can read."""
    with tempfile.NamedTemporaryFile(suffix=".wav") as wav:
        subprocess.run(["sox", str(path), "-b", "16", "-t", "wav", wav.name, "trim", "0",
                        str(seconds)], check=True, stderr=subprocess.DEVNULL)
        audio = read_wav(wav.name)
    return audio.channel(channel), audio.rate


def _correlation(a, b):
    n = min(len(a), len(b))
    a, b = a[:n], b[:n]
    ma, mb = sum(a) / n, sum(b) / n
    cov = sum((x - ma) * (y - mb) for x, y in zip(a, b))
    va = sum((x - ma) ** 2 for x in a)
    vb = sum((y - mb) ** 2 for y in b)
    return cov / math.sqrt(va * vb) if va > 0 and vb > 0 else 0.0


def best_match(recorded, source, speed=1.0, max_lag_frames=100):
    """The best correlation of a recorded envelope with the source's envelope played `speed`
    times as fast, over source start offsets from 0 to max_lag_frames."""
    best = -1.0
    for lag in range(max_lag_frames + 1):
        squeezed = [source[int(lag + i * speed)] for i in range(len(recorded))
                    if int(lag + i * speed) < len(source)]
        if len(squeezed) < len(recorded) // 2:
            break
        best = max(best, _correlation(recorded, squeezed))
    return best
