"""Comparing what was played with what a sample holds, by their loudness over time.

A recording and its source line up when their envelopes (loudness in short frames) correlate;
a sound played faster lines up with its source's envelope squeezed by the speed factor."""

import array
import itertools
import math
import subprocess
import tempfile

from wav import read_wav

# Long enough frames that a tempo change, which moves sound by its own small grains, keeps the
# shape of the loudness.
FRAME_S = 0.08


def envelope(samples, rate, frame_s=FRAME_S):
    """RMS of consecutive frames of a mono sample sequence."""
    size = int(rate * frame_s)
    return [math.sqrt(sum(s * s for s in samples[i:i + size]) / size)
            for i in range(0, len(samples) - size + 1, size)]


def sounding(audio, channel, start_s, seconds, step_s=0.001, level=0.0005):
    """What one channel played from start_s on, gathered until `seconds` of it: the silent
    stretches of an output starved on a loaded machine are cut out, as they delay what plays
    rather than lose it; in steps of a millisecond, as coarser steps leave bits of each gap in
    and what follows drifts. Only for sounds that never fall silent of themselves."""
    found = array.array("h")
    wanted = int(seconds * audio.rate)
    at = start_s
    while len(found) < wanted and at < audio.seconds:
        if audio.rms(channel, at, at + step_s) >= level:
            found.extend(audio.channel(channel, at, at + step_s))
        at += step_s
    return found


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


class SourceEnvelope:
    """A source's loudness over any frames, from running sums of its squared samples, so that
    frames of any length at any start cost the same."""

    def __init__(self, samples, rate):
        self.rate = rate
        self._energy = list(itertools.accumulate((s * s for s in samples), initial=0.0))

    def frames(self, start_s, frame_s, count):
        """RMS of up to `count` consecutive frames from start_s on; fewer where the source ends."""
        size = frame_s * self.rate
        first = start_s * self.rate
        found = []
        for i in range(count):
            a, b = int(first + i * size), int(first + (i + 1) * size)
            if b >= len(self._energy) or b <= a:
                break
            found.append(math.sqrt((self._energy[b] - self._energy[a]) / (b - a)))
        return found


def best_match(recorded, source, speed, expected_s, spread_s=0.3, step_s=0.01):
    """The best correlation of a recorded envelope with a SourceEnvelope played `speed` times as
    fast, over source start offsets within spread_s of expected_s. Each source frame is `speed`
    times as long as a recorded one, so both cover the same sound however fast it played."""
    best = -1.0
    for step in range(int(2 * spread_s / step_s) + 1):
        start = expected_s - spread_s + step * step_s
        squeezed = source.frames(start, FRAME_S * speed, len(recorded)) if start >= 0 else []
        if len(squeezed) == len(recorded):
            best = max(best, _correlation(recorded, squeezed))
    return best
