"""The skinned title bar under the harness with a real mouse and keyboard: the main window shows
its close and minimise buttons, close turns warm under the pointer and back when it leaves, a
press on minimise that is released elsewhere does nothing while a click takes the window to the
tray, and the engine's system menu opens where the title band says and closes the program."""

import os
import subprocess
import time
import unittest
from pathlib import Path

from velmora_harness import HTCLOSE, SETTINGS_FILE, WM_CLOSE, Harness, settings_text

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
HTMINBUTTON = 8
TRAY_CLASS = "__winex11_standalone_tray"
MENU_CLASS = "#32768"
CLOSE_HOT = (0xB5, 0x48, 0x3A)  # the stored skin's one warm colour
ICON = 16


def pixels(shot, left, top, width, height):
    text = subprocess.run(["convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}",
                           "txt:-"], capture_output=True, text=True, check=True).stdout
    return [tuple(int(v) for v in line.split("(")[1].split(")")[0].split(",")[:3])
            for line in text.splitlines()[1:]]


def near(p, colour, tolerance=30):
    return all(abs(p[i] - colour[i]) <= tolerance for i in range(3))


class TitleBarTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def start(self, name):
        self.harness.xdotool("mousemove", "--sync", 5, 5)
        folder = self.harness.install(OUTPUT, name, settings_text())
        self.settings = Path(folder) / SETTINGS_FILE
        self.written_at_start = self.settings.stat().st_mtime_ns
        program = self.harness.start_program(folder)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        self.harness.wait_for_window("Velmora")
        time.sleep(2)
        return program, self.harness.wait_for_window("Velmora")

    def assert_settings_written(self):
        self.assertGreater(self.settings.stat().st_mtime_ns, self.written_at_start,
                           "settings not written")

    def button_centre(self, window, code):
        # The probe answers a point 4 in from the button's top-right corner; the pictures are 24
        # by 25.
        x, y = self.harness.frame_point(window, code)
        return x - 7, y + 8

    def warm(self, shot, centre):
        x, y = centre
        return sum(near(p, CLOSE_HOT) for p in pixels(shot, x - 8, y - 8, 16, 16))

    def border(self, window):
        left, _, right, _ = window["frame"]
        return (right - left - window["client"][0]) // 2

    def shot(self, name):
        time.sleep(0.7)
        return self.harness.screenshot(Path(self.harness.dir) / name)

    def menus(self):
        return [w for w in self.harness.windows() if w["class"] == MENU_CLASS and w["visible"]]

    def wait_for_menu(self):
        deadline = time.monotonic() + 10
        while not self.menus() and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertTrue(self.menus(), "no menu opened")
        return self.menus()[0]

    def tray(self):
        return [w for w in self.harness.windows() if w["class"] == TRAY_CLASS and w["visible"]]

    def test_close_and_minimise_show_and_close_turns_hot_under_the_pointer(self):
        program, window = self.start("title_hot")
        close = self.button_centre(window, HTCLOSE)
        minimise = self.button_centre(window, HTMINBUTTON)
        # Minimise's first column left of close: the buttons lie side by side.
        self.assertEqual(close[0] - minimise[0], 24)
        left, top, right, _ = window["frame"]
        self.assertEqual(right - 12 - close[0], 2 + max(4, self.border(window)))

        normal = self.shot("title-normal.png")
        self.assertEqual(self.warm(normal, close), 0)
        # Each button draws its glyph in the light text colour over the band.
        for centre in (close, minimise):
            light = [p for p in pixels(normal, centre[0] - 8, centre[1] - 8, 16, 16) if min(p) > 150]
            self.assertGreater(len(light), 8, f"no glyph at {centre}")

        self.harness.xdotool("mousemove", "--sync", *close)
        hot = self.shot("title-close-hot.png")
        self.assertGreater(self.warm(hot, close), 100, "close shows no hot look")
        self.assertEqual(self.warm(hot, minimise), 0)

        self.harness.xdotool("mousemove", "--sync", (left + right) // 2, top + 200)
        left_again = self.shot("title-close-left.png")
        self.assertEqual(self.warm(left_again, close), 0, "close stays hot after the pointer left")
        # Off the window altogether, straight from the button.
        self.harness.xdotool("mousemove", "--sync", *close)
        self.assertGreater(self.warm(self.shot("title-close-hot-again.png"), close), 100)
        self.harness.xdotool("mousemove", "--sync", close[0], top - 20)
        outside = self.shot("title-close-outside.png")
        self.assertEqual(self.warm(outside, close), 0, "close stays hot after the pointer left")

        # As the other tests close the window: a click where the frame answers the close code.
        self.harness.click(*self.harness.frame_point(window, HTCLOSE))
        self.assertEqual(program.wait(timeout=30), 0)
        self.assert_settings_written()

    def test_close_fades_into_its_hot_look_through_intermediate_frames(self):
        program, window = self.start("title_fade")
        close = self.button_centre(window, HTCLOSE)
        self.harness.xdotool("mousemove", "--sync", *close)
        hot = self.shot("title-fade-hot.png")
        warm = [(close[0] - 8 + i % 16, close[1] - 8 + i // 16)
                for i, p in enumerate(pixels(hot, close[0] - 8, close[1] - 8, 16, 16))
                if near(p, CLOSE_HOT)]
        self.assertTrue(warm, "close shows no hot look")
        left, top, right, _ = window["frame"]
        self.harness.xdotool("mousemove", "--sync", (left + right) // 2, top + 200)
        time.sleep(0.7)  # faded out again

        samples = self.harness.watch_pixel(*warm[0], 1500, lambda: self.harness.xdotool(
            "mousemove", "--sync", *close))
        colours = [colour for _, colour in samples]
        self.assertTrue(near(colours[-1], CLOSE_HOT), f"ends at {colours[-1]}")
        between = {c for c in colours[1:-1] if c != colours[0] and not near(c, CLOSE_HOT, 8)}
        self.assertGreaterEqual(len(between), 2, f"no fade: {colours}")
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def test_a_press_released_off_minimise_does_nothing_a_click_goes_to_the_tray(self):
        program, window = self.start("title_minimise")
        minimise = self.button_centre(window, HTMINBUTTON)
        left, top, right, _ = window["frame"]
        self.harness.xdotool("mousemove", "--sync", *minimise)
        self.harness.xdotool("mousedown", 1)
        self.harness.xdotool("mousemove", "--sync", (left + right) // 2, top + 200)
        self.harness.xdotool("mouseup", 1)
        time.sleep(1.5)
        self.assertTrue(any(w["hwnd"] == window["hwnd"] and w["visible"]
                            for w in self.harness.windows()), "the window left the screen")
        self.assertFalse(self.tray())

        self.harness.click(*minimise)
        deadline = time.monotonic() + 20
        while not self.tray() and time.monotonic() < deadline:
            time.sleep(0.2)
        self.assertTrue(self.tray(), "the icon is in the notification area")
        self.assertFalse(any(w["hwnd"] == window["hwnd"] and w["visible"]
                             for w in self.harness.windows()))
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def test_alt_space_opens_the_system_menu_under_the_icon_and_close_ends_the_program(self):
        program, window = self.start("title_menu")
        left, top, right, _ = window["frame"]
        b = self.border(window)
        # A click on the caption makes the window the keyboard's.
        self.harness.click((left + right) // 2, top + b + 4)
        self.harness.key("alt+space")
        menu = self.wait_for_menu()
        self.assertEqual(menu["frame"][:2], [left + b, top + b + ICON])
        self.shot("title-system-menu.png")
        # The last item is the close command.
        m_left, _, _, m_bottom = menu["frame"]
        self.harness.click(m_left + 30, m_bottom - 8)
        self.assertEqual(program.wait(timeout=30), 0)
        self.assert_settings_written()

    def test_the_system_menu_opens_under_the_icon_and_at_a_right_click(self):
        program, window = self.start("title_menu_mouse")
        left, top, right, _ = window["frame"]
        b = self.border(window)
        self.harness.click(left + b + 4 + ICON // 2, top + b + 8)  # the icon
        menu = self.wait_for_menu()
        self.assertEqual(menu["frame"][:2], [left + b, top + 2 * b + ICON])
        self.harness.key("Escape")
        time.sleep(0.5)
        at = ((left + right) // 2, top + b + 6)
        self.harness.xdotool("mousemove", "--sync", *at)
        self.harness.xdotool("click", 3)
        menu = self.wait_for_menu()
        self.assertEqual(menu["frame"][:2], list(at))
        self.harness.key("Escape")
        time.sleep(0.5)
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def test_a_double_click_on_the_caption_does_nothing_on_the_icon_it_closes(self):
        program, window = self.start("title_double")
        left, top, right, _ = window["frame"]
        b = self.border(window)
        self.harness.xdotool("mousemove", "--sync", (left + right) // 2, top + b + 6)
        self.harness.xdotool("click", "--repeat", 2, "--delay", 60, 1)
        time.sleep(1)
        self.assertIsNone(program.poll())
        self.assertEqual(self.harness.wait_for_window("Velmora")["frame"], window["frame"])
        self.harness.xdotool("mousemove", "--sync", left + b + 4 + ICON // 2, top + b + 8)
        self.harness.xdotool("click", "--repeat", 2, "--delay", 60, 1)
        self.assertEqual(program.wait(timeout=30), 0)
        self.assert_settings_written()


if __name__ == "__main__":
    unittest.main()
