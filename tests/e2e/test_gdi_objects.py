"""The program's GDI objects under real use: after rounds of hovering, pressing and opening a
drop-down list the process holds no more of them than after the first round."""

import os
import unittest

from velmora_harness import WM_CLOSE, Harness
from window_controls import control_at, hover_press_open, start_main_window

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
ROUNDS = 40
# Objects made once on a later first use (a font cached by the platform, a list's first
# painting) may come after the first round; a leak of even one object a round shows far above.
SETTLING = 3


class GdiObjectsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def test_rounds_of_hover_press_and_list_opening_leave_no_gdi_object_behind(self):
        program, _, window, controls, origin = start_main_window(self, self.harness, OUTPUT, "gdi")
        slider, fire, combo = (control_at(controls, origin, *place)
                               for place in ((260, 25), (13, 65), (265, 186)))
        away = (origin[0] + 600, origin[1] + 450)
        started = self.harness.gdi_objects(window)
        self.assertGreater(started, 0, "the process's objects are counted")

        hover_press_open(self.harness, slider, fire, combo, away, 1)
        first = self.harness.gdi_objects(window)
        hover_press_open(self.harness, slider, fire, combo, away, ROUNDS)
        after = self.harness.gdi_objects(window)
        print(f"GDI objects: {started} started, {first} after one round, "
              f"{after} after {ROUNDS + 1}")
        self.assertLessEqual(after, first + SETTLING)

        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
