"""Our engine pair plays a file through the real device: the harness's recording holds the tone at
its level and pitch, scaled by the wave output device's volume where the platform takes that
volume, and a panned tempo stream keeps its pitch on its one side."""

import array
import math
import os
import statistics
import shutil
import struct
import subprocess
import tempfile
import unittest
from pathlib import Path

from velmora_harness import Harness

RATE = 44100
TONE_HZ = 1000.0
AMPLITUDE = 0.5


def write_tone(path):
    """One second of a stereo tone: a whole number of periods, so it loops without a seam."""
    samples = array.array("h")
    for i in range(RATE):
        value = int(round(AMPLITUDE * 32767 * math.sin(2 * math.pi * TONE_HZ * i / RATE)))
        samples.extend((value, value))
    data = samples.tobytes()
    header = struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + len(data), b"WAVE", b"fmt ", 16, 1, 2,
                         RATE, RATE * 4, 4, 16, b"data", len(data))
    path.write_bytes(header + data)


def first_onset(samples, threshold=0.1):
    limit = threshold * 32768
    for i, value in enumerate(samples):
        if abs(value) > limit:
            return i
    return None


def without_gaps(samples, step=RATE // 1000, level=0.01 * 32768):
    """The samples less the silent stretches of an output starved on a loaded machine, a
    millisecond at a time: a level measured over the rest is the level the tone played at."""
    kept = array.array("h")
    for i in range(0, len(samples) - step + 1, step):
        chunk = samples[i:i + step]
        if math.sqrt(sum(s * s for s in chunk) / step) >= level:
            kept.extend(chunk)
    return kept


def dominant_hz(samples):
    """Frequency from the median period between upward zero crossings of a steady tone, so that
    a dropout of the device under load shortens the stretch without skewing the pitch."""
    crossings = [i - 1 + samples[i - 1] / (samples[i - 1] - samples[i])
                 for i in range(1, len(samples)) if samples[i - 1] < 0 <= samples[i]]
    periods = [b - a for a, b in zip(crossings, crossings[1:])]
    if not periods:
        return 0.0
    return RATE / statistics.median(periods)


class EnginePlaybackTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])
        cls.folder = cls.harness.install(os.environ["VELMORA_OUTPUT_DIR"], "engine-playback")
        player = Path(os.environ["VELMORA_ENGINE_PLAYER"])
        shutil.copy(player, cls.folder / player.name)
        cls.sample = cls.folder / "tone"  # no extension: the engine goes by content
        write_tone(cls.sample)

        recording = cls.harness.record(cls.harness.dir / "engine-playback.wav")
        # The recorder starts late on a busy machine; the first sound must be in the recording.
        recording.wait_for(0.5)
        # Wine's daemons inherit the standard handles: the output goes to a file, never a pipe.
        with tempfile.TemporaryFile("w+") as output:
            try:
                cls.exit_code = subprocess.run(
                    [cls.harness.wine, str(cls.folder / player.name), str(cls.sample)],
                    env=cls.harness.env(),
                    stdout=output, stderr=subprocess.DEVNULL, timeout=60).returncode
            finally:
                cls.audio = recording.stop()
            output.seek(0)
            lines = [line.split() for line in output.read().splitlines()]
        cls.phases = {words[1]: float(words[2]) for words in lines if words[0] == "phase"}
        cls.device_volume_result = next(int(words[1]) for words in lines
                                        if words[0] == "device-volume")

    def segment(self, channel, phase, start=0.4, end=1.3):
        """A steady stretch of one phase, located from the first sound in the recording."""
        onset = first_onset(self.audio.channel(0)) / RATE
        offset = onset + self.phases[phase] - self.phases["plain"]
        return self.audio.channel(channel, offset + start, offset + end)

    def rms(self, samples):
        return math.sqrt(sum(s * s for s in samples) / len(samples)) / 32768

    def test_the_player_ran_every_phase_and_released_the_engine(self):
        self.assertEqual(self.exit_code, 0)
        self.assertEqual(set(self.phases), {"plain", "device", "tempo"})

    def test_the_tone_arrives_at_its_level_and_pitch(self):
        for channel in (0, 1):
            samples = self.segment(channel, "plain")
            self.assertAlmostEqual(dominant_hz(samples), TONE_HZ, delta=TONE_HZ * 0.01)
            self.assertAlmostEqual(self.rms(without_gaps(samples)), AMPLITUDE / math.sqrt(2),
                                   delta=0.05)

    def test_the_device_volume_scales_what_the_engine_plays(self):
        if self.device_volume_result != 0:
            # Wine 8 takes a volume only for an open handle, never for a device number: the
            # program's master volume cannot act there, on any engine.
            self.skipTest(f"the platform refused the wave mapper's volume "
                          f"(MMRESULT {self.device_volume_result})")
        full = self.rms(without_gaps(self.segment(0, "plain")))
        half = self.rms(without_gaps(self.segment(0, "device")))
        self.assertAlmostEqual(half / full, 0.5, delta=0.1)

    def test_a_panned_tempo_stream_keeps_its_pitch_on_one_side(self):
        left = self.segment(0, "tempo")
        right = self.segment(1, "tempo")
        self.assertAlmostEqual(dominant_hz(left), TONE_HZ, delta=TONE_HZ * 0.01)
        self.assertGreater(self.rms(without_gaps(left)), 0.2)
        self.assertLess(self.rms(right), 0.01)


if __name__ == "__main__":
    unittest.main()
