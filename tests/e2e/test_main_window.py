"""The main window under the harness: its controls drive the real engine, which plays the real
samples; a second copy ends silently; the close box ends the program with exit code 0."""

import os
import time
import unittest
from pathlib import Path

from envelope import FRAME_S, best_match, decoded_channel, envelope
from velmora_harness import HTCLOSE, WM_CLOSE, Harness

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
LEFT, RIGHT = 0, 1


def control_at(controls, origin, x, y):
    """The control whose top left corner lies at design point (x, y) of the client area (the
    harness runs at the design resolution)."""
    for control in controls:
        if control["rect"][:2] == [origin[0] + x, origin[1] + y]:
            return control
    raise AssertionError(f"no control at {x}, {y}")


def first_sound(audio, after=0.0, frame_s=0.05, level=0.002):
    """When the recording first holds sound from `after` on, in seconds."""
    frame = after
    while frame < audio.seconds:
        if audio.rms(LEFT, frame, frame + frame_s) > level:
            return frame
        frame += frame_s
    raise AssertionError(f"the recording holds no sound after {after:.2f} s")


def first_silence(audio, after, frame_s=0.1, level=0.0002):
    """When the recording first falls silent from `after` on, in seconds."""
    frame = after
    while frame < audio.seconds:
        if audio.rms(LEFT, frame, frame + frame_s) < level:
            return frame
        frame += frame_s
    raise AssertionError(f"the recording never falls silent after {after:.2f} s")


class MainWindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def start(self, name):
        folder = self.harness.install(OUTPUT, name)
        program = self.harness.start_program(folder)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        window = self.harness.wait_for_window("Velmora")
        controls = self.harness.children(window)
        background = next(c for c in controls if c["class"] == "VelmoraImage")
        return program, window, controls, background["rect"][:2], folder

    def test_the_brook_follows_its_switch_balance_and_speed_and_the_close_box_ends_it(self):
        program, window, controls, origin, folder = self.start("brook")
        self.assertEqual(window["client"], [764, 537])
        brook = next(c for c in controls if c["caption"] == "Ручей")
        balance = control_at(controls, origin, 260, 25)
        speed = control_at(controls, origin, 381, 26)
        recording = self.harness.record(Path(self.harness.dir) / "brook.wav")
        recording.wait_for(1.5)
        self.harness.click_control(brook)
        clicked = time.monotonic()
        time.sleep(6)
        self.harness.screenshot(Path(self.harness.dir) / "main-window.png")
        self.harness.click_control(balance, dx=4)
        self.harness.key("Home")
        panned = time.monotonic() - clicked
        time.sleep(2.5)
        self.harness.click_control(brook)
        self.harness.click_control(speed, dx=4)
        self.harness.key("End")
        self.harness.click_control(brook)
        time.sleep(7)
        audio = recording.stop()

        # The balance change is placed by the clock after the brook's first sound in the
        # recording; the restart is found in the recording itself.
        onset = first_sound(audio)
        self.assertGreater(onset, 1.0, "nothing plays before the click")
        self.assertLess(audio.rms(LEFT, 0, onset - 0.2), 0.001)
        self.assertGreater(audio.rms(LEFT, onset + 1, onset + 5), 0.003, "the brook plays")
        self.assertGreater(audio.rms(RIGHT, onset + 1, onset + 5), 0.003)
        panned += onset
        self.assertGreater(audio.rms(LEFT, panned + 1, panned + 2.3), 0.003)
        self.assertLess(audio.rms(RIGHT, panned + 1, panned + 2.3), 0.0005, "balance -5: left only")

        source, rate = decoded_channel(Path(folder) / "samp_povt" / "ruchey1", LEFT, 30)
        source_envelope = envelope(source, rate)

        max_lag = int(5 / FRAME_S)

        def matches(start_s, speed, other_speed):
            """How well what played from start_s on matches the source at `speed` and at
            `other_speed`, in the best of three windows half a second apart: a moment of
            starved output under a loaded machine spoils one window, not what was played."""
            found = []
            for shift in (0, 0.5, 1.0):
                played = envelope(audio.channel(LEFT, start_s + shift, start_s + shift + 3.5),
                                  audio.rate)
                found.append((best_match(played, source_envelope, speed, max_lag),
                              best_match(played, source_envelope, other_speed, max_lag)))
            return max(found)

        recorded_match, recorded_other = matches(onset + 1, 1.0, 1.5)
        self.assertGreater(recorded_match, 0.35, "what plays is the brook's sample")
        self.assertGreater(recorded_match, recorded_other + 0.15)
        # The brook restarts at the new speed where its sound returns after the switch-off.
        restart = first_sound(audio, first_silence(audio, panned + 2.3))
        faster_match, faster_other = matches(restart + 1, 1.5, 1.0)
        self.assertGreater(faster_match, 0.35, "speed 50 plays the sample half as fast again")
        self.assertGreater(faster_match, faster_other + 0.15)

        self.harness.click(*self.harness.frame_point(window, HTCLOSE))
        self.assertEqual(program.wait(timeout=30), 0)

    def test_a_second_copy_ends_silently_with_exit_code_0(self):
        first, window, _, _, folder = self.start("second_copy")
        second = self.harness.start_program(folder)
        self.assertEqual(second.wait(timeout=60), 0)
        # The hidden application window carries the caption too: count processes, not windows.
        copies = {w["pid"] for w in self.harness.windows() if w["caption"] == "Velmora"}
        self.assertEqual(copies, {window["pid"]})
        self.assertIsNone(first.poll(), "the first copy keeps running")
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(first.wait(timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
