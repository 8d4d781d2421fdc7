"""The main window under the harness: its controls drive the real engine, which plays the real
samples; a second copy ends silently; the close box ends the program with exit code 0."""

import os
import time
import unittest
from pathlib import Path

from envelope import SourceEnvelope, best_match, decoded_channel, envelope, sounding
from velmora_harness import HTCLOSE, WM_CLOSE, Harness
from window_controls import control_at, start_main_window

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
LEFT, RIGHT = 0, 1


def first_sound(audio, after=0.0, frame_s=0.05, level=0.002):
    """When the recording first holds sound from `after` on, in seconds."""
    frame = after
    while frame < audio.seconds:
        if audio.rms(LEFT, frame, frame + frame_s) > level:
            return frame
        frame += frame_s
    raise AssertionError(f"the recording holds no sound after {after:.2f} s")


def first_silence(audio, after, span_s=0.5, step_s=0.05, level=0.0002):
    """When the recording first falls silent for span_s from `after` on, in seconds: the shorter
    gaps of an output starved on a loaded machine are no silence."""
    frame = after
    while frame < audio.seconds:
        if audio.rms(LEFT, frame, frame + span_s) < level:
            return frame
        frame += step_s
    raise AssertionError(f"the recording never falls silent after {after:.2f} s")


class MainWindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def test_the_brook_follows_its_switch_balance_and_speed_and_the_close_box_ends_it(self):
        program, folder, window, controls, origin = start_main_window(self, self.harness, OUTPUT,
                                                                      "brook")
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
        # A second of silence marks the switch-off in the recording, longer than the gaps of an
        # output starved on a loaded machine.
        time.sleep(1)
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

        source = SourceEnvelope(*decoded_channel(Path(folder) / "samp_povt" / "ruchey1", LEFT, 30))

        def matches(onset_s, speed, other_speed):
            """How well three seconds of what played from its onset on match the source at
            `speed` and at `other_speed`: the sample starts from its beginning at the onset, so
            after a second of sound a speed has brought it about that many seconds in, give or
            take less than the two speeds lie apart. That second also leaves the fade-in and
            the roughly placed onset behind."""
            played = sounding(audio, LEFT, onset_s, 4)[audio.rate:]
            return [best_match(envelope(played, audio.rate), source, s, expected_s=s)
                    for s in (speed, other_speed)]

        recorded_match, recorded_other = matches(onset, 1.0, 1.5)
        self.assertGreater(recorded_match, 0.5, "what plays is the brook's sample")
        self.assertGreater(recorded_match, recorded_other + 0.2)
        # The brook restarts at the new speed where its sound returns after the switch-off.
        restart = first_sound(audio, first_silence(audio, panned + 2.3))
        faster_match, faster_other = matches(restart, 1.5, 1.0)
        self.assertGreater(faster_match, 0.5, "speed 50 plays the sample half as fast again")
        self.assertGreater(faster_match, faster_other + 0.2)

        self.harness.click(*self.harness.frame_point(window, HTCLOSE))
        self.assertEqual(program.wait(timeout=30), 0)

    def test_a_second_copy_ends_silently_with_exit_code_0(self):
        first, folder, window, _, _ = start_main_window(self, self.harness, OUTPUT, "second_copy")
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
