"""The tray icon's menu under real mouse input is drawn from the stored skin: the menu's ground
and frame are MAINMENU's, the item under the pointer shows MENUITEM's selected state, and
choosing "Показать окно настроек" still brings the window back."""

import os
import time
import unittest
from pathlib import Path

from test_settings_and_tray import SC_MINIMIZE, TRAY_CLASS, WM_SYSCOMMAND
from test_skinned_controls import Shot
from velmora_harness import Harness

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
# The stored skin's menu colours: the ground, the selected item, the frame's outer ring.
GROUND = (0x10, 0x30, 0x1F)
SELECTED = (0x1E, 0x5A, 0x3E)
FRAME_OUTER = (0x08, 0x1A, 0x13)


def near(colour, expected, tolerance=4):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


class PopupMenusTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def start(self, name):
        folder = self.harness.install(OUTPUT, name)
        program = self.harness.start_program(folder)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        return program

    def tray(self):
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            trays = [w for w in self.harness.windows() if w["class"] == TRAY_CLASS and w["visible"]]
            if trays:
                return trays[0]
            time.sleep(0.2)
        self.fail("the icon is in the notification area")

    def open_tray_menu(self):
        left, top, right, bottom = self.tray()["frame"]
        width, height = self.tray()["client"]
        border = (right - left - width) // 2
        x, y = left + border + height // 2, bottom - border - height // 2
        self.harness.xdotool("mousemove", "--sync", x + 1, y)
        self.harness.xdotool("click", 3)
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            menus = [w for w in self.harness.windows() if w["class"] == "#32768" and w["visible"]]
            if menus:
                return menus[0]["frame"]
            time.sleep(0.2)
        self.fail("the tray menu opened")

    def test_the_tray_menu_is_drawn_from_the_skin_and_still_brings_the_window_back(self):
        self.start("tray_menu")
        window = self.harness.wait_for_window("Velmora")
        self.harness.post(window, WM_SYSCOMMAND, SC_MINIMIZE)
        left, top, right, bottom = self.open_tray_menu()
        middle = (top + bottom) // 2
        # Over the second item ("Закрыть"), near its right end where no text lies.
        self.harness.xdotool("mousemove", "--sync", right - 12, top + (bottom - top) * 3 // 4)
        time.sleep(1)
        shot = Shot(self.harness.screenshot(Path(self.harness.dir) / "tray-menu-skinned.png"))

        first_item = shot.at(right - 12, top + (bottom - top) // 4)
        hovered = shot.at(right - 12, top + (bottom - top) * 3 // 4)
        self.assertTrue(near(first_item, GROUND), f"the ground is MAINMENU's: {first_item}")
        self.assertTrue(near(hovered, SELECTED), f"the hovered item is MENUITEM's: {hovered}")
        edge = shot.at(right - 1, middle)
        self.assertTrue(near(edge, FRAME_OUTER), f"the frame is MAINMENU's mask: {edge}")
        corner = shot.at(right - 1, bottom - 1)
        self.assertFalse(near(corner, FRAME_OUTER) or near(corner, (255, 0, 255)),
                         f"the region cuts the mask's key corner: {corner}")

        self.harness.click(right - 12, top + (bottom - top) // 4)  # "Показать окно настроек"
        shown = self.harness.wait_for_window("Velmora")
        self.assertEqual(shown["frame"], window["frame"], "back where it was")
        time.sleep(0.5)
        self.assertFalse([w for w in self.harness.windows() if w["class"] == TRAY_CLASS
                          and w["visible"]], "the icon is gone")
        self.harness.post(shown, 0x0010)  # WM_CLOSE


if __name__ == "__main__":
    unittest.main()
