"""The rain button under the harness: the real engine fades the rain in against the crickets.

The crickets' loop and the rain's recording are replaced in the program's folder by two pure
tones, so that each sound's level can be read apart from the other in the captured audio."""

import math
import os
import statistics
import time
import unittest
import wave
from pathlib import Path

from velmora_harness import WM_CLOSE, Harness

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
LEFT = 0
CRICKETS_HZ, RAIN_HZ = 300, 2000
TONE_AMPLITUDE = 0.5


def write_tone(path, frequency, seconds, rate=44100):
    """A stereo 16-bit WAV file of one sine tone, in place of a hard-linked sample."""
    path.parent.mkdir(exist_ok=True)
    if path.exists():
        path.unlink()
    frame = [int(32767 * TONE_AMPLITUDE * math.sin(2 * math.pi * frequency * n / rate))
             for n in range(rate * seconds)]
    with wave.open(str(path), "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(b"".join(s.to_bytes(2, "little", signed=True) * 2 for s in frame))


def tone_level(samples, rate, frequency):
    """The amplitude of one frequency in a stretch of samples (Goertzel), relative to full
    scale."""
    coefficient = 2 * math.cos(2 * math.pi * frequency / rate)
    previous = before = 0.0
    for sample in samples:
        previous, before = sample + coefficient * previous - before, previous
    power = previous * previous + before * before - coefficient * previous * before
    return 2 * math.sqrt(max(power, 0.0)) / len(samples) / 32768


class RainTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def test_the_rain_button_fades_the_rain_in_while_the_crickets_fall(self):
        folder = self.harness.install(OUTPUT, "rain")
        write_tone(folder / "samp_povt" / "sverch1", CRICKETS_HZ, 10)
        write_tone(folder / "samp_raz" / "dogd2", RAIN_HZ, 20)
        program = self.harness.start_program(folder)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        window = self.harness.wait_for_window("Velmora")
        controls = self.harness.children(window)
        crickets = next(c for c in controls if c["caption"] == "Сверчки")
        button = next(c for c in controls if c["caption"] == "Дождя!")

        self.harness.click_control(crickets)
        recording = self.harness.record(Path(self.harness.dir) / "rain.wav")
        recording.wait_for(3)
        self.harness.click_control(button)
        time.sleep(8)
        caption = next(c["caption"] for c in self.harness.children(window)
                       if c["rect"] == button["rect"])
        recording.wait_for(19)  # the press, a second to the first tick and 12 ticks, with room
        audio = recording.stop()
        self.assertTrue(caption.isdigit() and 0 <= int(caption) <= 29,
                        f"the button counts the fade down, shows {caption!r}")

        def level(frequency, start, seconds=0.9):
            """The tone's median level over tenths of a second: a loaded machine may drop a
            few milliseconds of output, which must not count as a fade."""
            frames = [audio.channel(LEFT, start + i / 10, start + (i + 1) / 10)
                      for i in range(max(1, int(seconds * 10)))]
            levels = [tone_level(frame, audio.rate, frequency) for frame in frames]
            return statistics.median(levels) / TONE_AMPLITUDE

        # The fade's first tick, a second after the press, is where the rain is first heard; the
        # later ticks follow it second by second.
        first_tick = next(t / 20 for t in range(int(audio.seconds * 20))
                          if level(RAIN_HZ, t / 20, 0.1) > 0.5 / 120)
        self.assertGreater(first_tick, 2, "no rain before the press")
        full = level(CRICKETS_HZ, first_tick - 1.1)
        self.assertAlmostEqual(full, 0.25, delta=0.03, msg="the crickets at their slider's 5 of 20")
        self.assertLess(level(RAIN_HZ, first_tick - 1.1), 0.005)
        # Over the second after tick k the rain stands at k/30 of its slider's level, the
        # crickets at (30 - k)/30 of theirs.
        ticks = [2, 4, 6, 8, 10, 12]
        rain = [level(RAIN_HZ, first_tick + k - 0.95) / full for k in ticks]
        crickets = [level(CRICKETS_HZ, first_tick + k - 0.95) / full for k in ticks]
        for k, rain_share, crickets_share in zip(ticks, rain, crickets):
            self.assertAlmostEqual(rain_share, k / 30, delta=0.04, msg=f"rain at tick {k}: {rain}")
            self.assertAlmostEqual(crickets_share, (30 - k) / 30, delta=0.04,
                                   msg=f"crickets at tick {k}: {crickets}")

        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
