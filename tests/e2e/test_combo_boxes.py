"""The five drop-down lists under real mouse and keys: each opens skinned (a one-pixel frame in the
skin's border colour round the edit section's colour, the item under the pointer on the selection
colour), and a choice made with a click or with the arrow keys takes effect: the settings file
written on close holds it."""

import os
import time
import unittest
from pathlib import Path

from test_skinned_controls import Shot
from velmora_harness import WM_CLOSE, Harness
from window_controls import control_at, start_main_window

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
# The stored skin's colours (skin look: frame border outside, list face hot, selection).
BORDER = (0x08, 0x1A, 0x13)
EDIT_HOT = (0x16, 0x40, 0x2F)
SELECTION = (0x1E, 0x5A, 0x3E)
ITEM_HEIGHT = 17
# Design places of the lists and their lines in the settings file (the drum's is not kept).
LISTS = {"cbb1": ((265, 186), 17), "cbb2": ((265, 225), 20), "cbb3": ((392, 305), 27),
         "cbb4": ((392, 345), 29), "cbb5": ((272, 392), None)}


def stored(folder):
    return (Path(folder) / "n_p_n.ini").read_bytes().decode("ascii").split("\r\n")[:-1]


class ComboBoxesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def shown_lists(self, window):
        return [w for w in self.harness.windows()
                if w["pid"] == window["pid"] and w["class"] == "ComboLBox" and w["visible"]]

    def open_list(self, window, combo):
        # Away first: the hint of the list above may cover this one.
        left, top, right, bottom = window["frame"]
        self.harness.xdotool("mousemove", "--sync", right - 30, bottom - 100)
        time.sleep(0.3)
        self.harness.click_control(combo)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            lists = self.shown_lists(window)
            if lists:
                return lists[0]
            time.sleep(0.1)
        raise AssertionError("the list did not open")

    def close_list(self, window, combo):
        """A second click on the face closes the list, as it opened it."""
        self.harness.click_control(combo)
        time.sleep(0.3)
        self.assertEqual(self.shown_lists(window), [], "the list closed")

    @staticmethod
    def row_pixels(shot, frame, row, colour):
        """How many pixels of a visible row of the list have the colour."""
        left, top, right, _ = frame
        y = top + 1 + row * ITEM_HEIGHT + ITEM_HEIGHT // 2
        return sum(1 for x in range(left + 1, right - 1) if shot.at(x, y) == colour)

    def rows_on(self, shot, frame, colour):
        rows = (frame[3] - frame[1] - 2) // ITEM_HEIGHT
        return [r for r in range(rows) if self.row_pixels(shot, frame, r, colour) > 20]

    def test_each_list_opens_skinned(self):
        program, _, window, controls, origin = start_main_window(
            self, self.harness, OUTPUT, "combo-look")
        for name, (place, _) in LISTS.items():
            with self.subTest(name):
                combo = control_at(controls, origin, *place)
                shown = self.open_list(window, combo)
                left, top, right, bottom = frame = shown["frame"]
                # The pointer on the first row: it becomes the list's selection.
                self.harness.xdotool("mousemove", "--sync", left + 20, top + 1 + ITEM_HEIGHT // 2)
                time.sleep(0.5)
                shot = Shot(self.harness.screenshot(Path(self.harness.dir) / f"{name}-open.png"))
                for x, y in ((left, top), (right - 1, top), (left, bottom - 1),
                             (right - 1, bottom - 1), ((left + right) // 2, bottom - 1)):
                    self.assertEqual(shot.at(x, y), BORDER, f"frame at {x - left}, {y - top}")
                self.assertEqual(self.rows_on(shot, frame, SELECTION), [0], "the hovered row")
                self.assertGreater(self.row_pixels(shot, frame, 1, EDIT_HOT), 20,
                                   "the next row on the edit colour")
                self.close_list(window, combo)
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def test_a_click_and_the_arrow_keys_choose_and_the_choice_is_kept(self):
        program, folder, window, controls, origin = start_main_window(
            self, self.harness, OUTPUT, "combo-choice")
        (place1, line1), (place3, line3) = LISTS["cbb1"], LISTS["cbb3"]
        # cbb1 (design item 2): a click on the row below the selected one.
        shown = self.open_list(window, control_at(controls, origin, *place1))
        time.sleep(0.3)
        shot = Shot(self.harness.screenshot(Path(self.harness.dir) / "cbb1-choice.png"))
        selected = self.rows_on(shot, shown["frame"], SELECTION)
        self.assertEqual(len(selected), 1, "one row shows the choice")
        left, top, _, _ = shown["frame"]
        self.harness.click(left + 20, top + 1 + (selected[0] + 1) * ITEM_HEIGHT + ITEM_HEIGHT // 2)
        time.sleep(0.5)
        # cbb3 (design item 0): opened, two rows down with the arrow keys, taken with Return.
        self.open_list(window, control_at(controls, origin, *place3))
        self.harness.key("Down")
        self.harness.key("Down")
        self.harness.key("Return")
        time.sleep(0.5)
        self.assertEqual(self.shown_lists(window), [], "the lists closed")
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)
        lines = stored(folder)
        self.assertEqual(lines[line1], "3", "the clicked item, one below the design's")
        self.assertEqual(lines[line3], "2", "two rows down")


if __name__ == "__main__":
    unittest.main()
