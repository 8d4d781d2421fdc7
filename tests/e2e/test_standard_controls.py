"""The window's standard check boxes under their skin adapters, with real mouse and keys: a check
box turns hot under the pointer and back when it leaves, a click ticks it (its mark shows and its
layer plays), Tab moves the keyboard focus to the next one and shows its focus frame in the
check box section's hot font colour, and Space on it ticks it. The platform draws none of them."""

import os
import time
import unittest
from pathlib import Path

from test_main_window import first_sound
from test_skinned_controls import Shot, changed_columns
from velmora_harness import Harness
from window_controls import control_at, start_main_window

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
# The check box section's hot font colour in the stored skin: the focus frame's colour.
FOCUS = (0xF0, 0xFA, 0xF3)
GLYPH = 13  # the check glyph's width


class StandardControlsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def shot(self, name):
        return Shot(self.harness.screenshot(Path(self.harness.dir) / name))

    def move(self, x, y):
        self.harness.xdotool("mousemove", "--sync", x, y)
        time.sleep(0.6)

    def test_a_check_box_turns_hot_ticks_plays_and_takes_tab_and_space(self):
        program, _, window, controls, origin = start_main_window(
            self, self.harness, OUTPUT, "standard-controls")
        brook = control_at(controls, origin, 13, 25)
        fire = control_at(controls, origin, 13, 65)
        away = (origin[0] + 600, origin[1] + 450)

        self.move(*away)
        rest = self.shot("standard-rest.png")
        fire_rest = rest.crop(fire["rect"])
        pixels = [p for row in fire_rest for p in row]
        self.assertNotIn((255, 255, 255), pixels, "no platform box")
        left, top, right, bottom = fire["rect"]
        self.move(left + 6, (top + bottom) // 2)
        hot = self.shot("standard-hot.png").crop(fire["rect"])
        columns = changed_columns(fire_rest, hot)
        self.assertTrue(columns, "the check box changes its look under the pointer")
        self.assertLess(max(columns), GLYPH, "only its glyph turns hot")
        self.move(*away)
        self.assertEqual(self.shot("standard-left.png").crop(fire["rect"]), fire_rest,
                         "leaving restores the normal look")

        brook_rest = rest.crop(brook["rect"])
        recording = self.harness.record(Path(self.harness.dir) / "standard-brook.wav")
        recording.wait_for(1.0)
        self.harness.click_control(brook)
        self.move(*away)
        time.sleep(3)
        audio = recording.stop()
        self.assertGreater(first_sound(audio), 0.8, "the brook starts with the click")
        ticked = self.shot("standard-ticked.png").crop(brook["rect"])
        # Its glyph shows the mark (and, focused by the click, its caption the focus frame).
        marked = changed_columns(brook_rest, ticked)
        self.assertTrue([x for x in marked if x < GLYPH], "the ticked box shows its mark")

        # The brook has the focus from its click; Tab moves it on to the campfire.
        self.harness.key("Tab")
        time.sleep(0.5)
        focused = self.shot("standard-focus.png").crop(fire["rect"])
        frame = [(x, y) for y, row in enumerate(focused) for x, p in enumerate(row) if p == FOCUS]
        self.assertGreater(len(frame), 20, "the focus frame in the hot font colour")
        self.assertFalse([x for x, _ in frame if x < GLYPH], "the frame is around the caption")
        self.harness.key("space")
        time.sleep(0.5)
        fire_ticked = self.shot("standard-space.png").crop(fire["rect"])
        self.assertTrue([x for x in changed_columns(focused, fire_ticked) if x < GLYPH],
                        "Space ticks the focused check box")
        self.harness.post(window, 0x0010)  # WM_CLOSE
        self.assertEqual(program.wait(timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
