"""The real program starts under the harness, shows its one window and closes cleanly."""

import os
import unittest

from velmora_harness import WM_CLOSE, Harness


class StartupTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])
        cls.folder = cls.harness.install(os.environ["VELMORA_OUTPUT_DIR"], "startup")

    def test_shows_one_window_with_the_design_client_area_and_exits_with_code_0(self):
        program = self.harness.start_program(self.folder)
        try:
            window = self.harness.wait_for_window("Velmora")
            mine = [w for w in self.harness.windows()
                    if w["pid"] == window["pid"] and w["visible"]]
            self.assertEqual(len(mine), 1, mine)
            self.assertEqual(window["class"], "TForm_player")
            self.assertEqual(window["client"], [764, 537])
            self.harness.post(window, WM_CLOSE)
            self.assertEqual(program.wait(timeout=30), 0)
        finally:
            if program.poll() is None:
                program.kill()


if __name__ == "__main__":
    unittest.main()
