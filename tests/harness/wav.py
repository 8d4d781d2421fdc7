"""Reading captured audio and measuring it, with the standard library only."""

import array
import math
import struct
from dataclasses import dataclass


@dataclass
class Audio:
    rate: int
    channels: int
    samples: array.array  # interleaved signed 16-bit

    @property
    def frames(self):
        return len(self.samples) // self.channels

    @property
    def seconds(self):
        return self.frames / self.rate

    def channel(self, index, start_s=0.0, end_s=None):
        first = int(start_s * self.rate)
        last = self.frames if end_s is None else min(self.frames, int(end_s * self.rate))
        return self.samples[first * self.channels + index:last * self.channels:self.channels]

    def rms(self, index, start_s=0.0, end_s=None):
        """Root mean square of one channel over a stretch, relative to full scale."""
        part = self.channel(index, start_s, end_s)
        if not part:
            return 0.0
        return math.sqrt(sum(s * s for s in part) / len(part)) / 32768.0


def read_wav(path):
    """Reads a 16-bit PCM WAV file. A recorder stopped abruptly may leave the sizes in the header
    unwritten, so the data chunk runs to the end of the file whatever it claims."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError(f"{path} is not a WAV file")
    position, rate, channels = 12, None, None
    while position + 8 <= len(data):
        chunk, size = struct.unpack_from("<4sI", data, position)
        body = position + 8
        if chunk == b"fmt ":
            kind, channels, rate, _, _, bits = struct.unpack_from("<HHIIHH", data, body)
            if kind not in (1, 0xFFFE) or bits != 16:
                raise ValueError(f"{path}: only 16-bit PCM is read here")
        elif chunk == b"data":
            if rate is None:
                raise ValueError(f"{path}: data before format")
            end = len(data) if size in (0, 0xFFFFFFFF) or body + size > len(data) else body + size
            end -= (end - body) % (2 * channels)
            samples = array.array("h")
            samples.frombytes(data[body:end])
            return Audio(rate, channels, samples)
        position = body + size + (size & 1)
    raise ValueError(f"{path} has no data chunk")
