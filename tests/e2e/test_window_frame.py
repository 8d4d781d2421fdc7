"""The skinned frame under the harness: the main window and a message box wear the skin's title
band and borders without the platform's caption buttons, their corners are cut by the window
region, every standard control carries an adapter, and the labels show the skin's label colour
over the picture with no box of their own."""

import os
import subprocess
import time
import unittest
from collections import Counter
from pathlib import Path

from velmora_harness import WM_CLOSE, Harness, settings_text

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
WS_SYSMENU = 0x80000
SS_TYPEMASK, SS_ICON = 0x1F, 0x3
LABEL_COLOUR = (0xDC, 0xEF, 0xE2)  # the stored skin's FONTCOLOR


def pixels(shot, left, top, width, height):
    """The screenshot's pixels in the rectangle, as (x, y, (r, g, b))."""
    text = subprocess.run(["convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}",
                           "txt:-"], capture_output=True, text=True, check=True).stdout
    out = []
    for line in text.splitlines()[1:]:
        place, rest = line.split(":", 1)
        x, y = (int(v) for v in place.split(","))
        r, g, b = (int(v) for v in rest.split("(")[1].split(")")[0].split(",")[:3])
        out.append((left + x, top + y, (r, g, b)))
    return out


def in_region(region, x, y):
    return any(l <= x < r and t <= y < b for l, t, r, b in region)


class WindowFrameTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def start(self, name, settings=settings_text()):
        # Away from where windows appear: a pointer resting on a new box's button is no click.
        self.harness.xdotool("mousemove", "--sync", 5, 5)
        folder = self.harness.install(OUTPUT, name, settings)
        program = self.harness.start_program(folder)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        return program

    def assert_skinned_frame(self, window):
        self.assertFalse(window["style"] & WS_SYSMENU, "the platform's caption buttons are back")
        region = window["region"]
        self.assertIsNotNone(region, "no window region")
        left, top, right, bottom = window["frame"]
        width, height = right - left, bottom - top
        for corner in ((0, 0), (width - 1, 0), (0, height - 1), (width - 1, height - 1)):
            self.assertFalse(in_region(region, *corner), f"corner {corner} is not cut")
        self.assertTrue(in_region(region, width // 2, 0))
        self.assertTrue(in_region(region, 0, height // 2))

    def assert_dark_green_title(self, shot, window):
        left, top, right, _ = window["frame"]
        # Left of the caption buttons, whose glyphs are light.
        band = pixels(shot, right - 100, top + 6, 40, 10)
        for _, _, (r, g, b) in band:
            self.assertTrue(g >= r and g >= b and g < 0x60, f"title band pixel {(r, g, b)}")

    def test_the_main_window_wears_the_frame_and_its_controls_their_adapters(self):
        program = self.start("frame")
        window = self.harness.wait_for_window("Velmora")
        time.sleep(2)
        window = self.harness.wait_for_window("Velmora")
        self.assert_skinned_frame(window)
        shot = self.harness.screenshot(Path(self.harness.dir) / "window-frame.png")
        self.assert_dark_green_title(shot, window)
        # The caption shows whole: "Velmora" from the top of its capital and "l" to its baseline
        # spans more rows than its small letters (a caption cut to half its height does not).
        left, top, _, _ = window["frame"]
        lit = {y for _, y, p in pixels(shot, left + 24, top, 80, 28) if p[1] > 100}
        self.assertGreaterEqual(len(lit), 10, f"caption rows {sorted(lit)}")

        controls = self.harness.children(window)
        marks = Counter((c["class"], tuple(c["props"])) for c in controls)
        adapted = ("ACSDATA", "ACSBSC")
        # Eleven check boxes, ten radio buttons and three push buttons; five combo boxes; two
        # memos; five plain panels.
        self.assertEqual(marks[("Button", adapted)], 24)
        self.assertEqual(marks[("ComboBox", adapted)], 5)
        self.assertEqual(marks[("Edit", adapted)], 2)
        self.assertEqual(marks[("VelmoraPanel", adapted)], 5)
        self.assertFalse([c for c in controls if c["class"] == "msctls_trackbar32"
                          and "ACSBSC" in c["props"]], "an own skinned slider got an adapter")

        # A label over the picture: its text in the label colour, no light box around it.
        label = next(c for c in controls if c["caption"] == "Громкость")
        l, t, r, b = label["rect"]
        seen = [p for _, _, p in pixels(shot, l, t, r - l, b - t)]
        near = [p for p in seen if all(abs(p[i] - LABEL_COLOUR[i]) < 40 for i in range(3))]
        dark = [p for p in seen if max(p) < 0x60]
        self.assertGreater(len(near), 10, "no text in the label colour")
        self.assertGreater(len(dark), len(seen) // 2, "the label draws a box of its own")
        # What shows through a label is what lies around it: its blank top row continues the
        # rows above it.
        for caption in ("Громкость", "Баланс", "Скорость"):
            l, t, r, _ = next(c for c in controls if c["caption"] == caption)["rect"]
            inside = [p for _, _, p in pixels(shot, l, t, r - l, 1)]
            above = [p for _, _, p in pixels(shot, l, t - 1, r - l, 1)]
            step = sum(abs(a - b) for p, q in zip(inside, above) for a, b in zip(p, q))
            self.assertLess(step / (3 * len(inside)), 8, f"a seam at the top of {caption}")

        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def skinned_box(self, box_class, shot_name):
        """The program's visible box of that class, once it shows, checked for the skinned frame
        and title band."""
        deadline = time.monotonic() + 60
        boxes = []
        while not boxes and time.monotonic() < deadline:
            boxes = [w for w in self.harness.windows()
                     if w["class"] == box_class and w["visible"]]
            time.sleep(0.2)
        self.assertTrue(boxes, f"no {box_class} box")
        time.sleep(1)
        box = next(w for w in self.harness.windows() if w["hwnd"] == boxes[0]["hwnd"])
        self.assert_skinned_frame(box)
        shot = self.harness.screenshot(Path(self.harness.dir) / shot_name)
        self.assert_dark_green_title(shot, box)
        ok = next(c for c in self.harness.children(box) if c["caption"] == "OK")
        self.assertIn("ACSBSC", ok["props"])
        return ok

    def test_the_settings_message_form_wears_the_frame_and_still_answers_its_button(self):
        program = self.start("frame_box", None)
        self.harness.click_control(self.skinned_box("TMessageForm", "message-box-frame.png"))
        window = self.harness.wait_for_window("Velmora")
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def test_a_start_up_error_box_wears_the_frame_and_ends_the_program(self):
        # Without any of Wine's sound drivers the engine cannot start on an output device.
        self.harness.xdotool("mousemove", "--sync", 5, 5)
        folder = self.harness.install(OUTPUT, "frame_error")
        env = self.harness.env()
        env["WINEDLLOVERRIDES"] += ";winepulse.drv,winealsa.drv,wineoss.drv=d"
        program = subprocess.Popen([self.harness.wine, str(Path(folder) / "Velmora.exe")],
                                   env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        ok = self.skinned_box("#32770", "error-box-frame.png")
        self.assert_icon_on_the_skin(next(w for w in self.harness.windows()
                                          if w["class"] == "#32770" and w["visible"]))
        self.harness.click_control(ok)
        self.assertEqual(program.wait(timeout=30), 1)

    def assert_icon_on_the_skin(self, box):
        """The box's icon stands on the skin's dark ground: the corners of its static, which the
        round error icon leaves free, show no square of the platform's light face colour."""
        icons = [c for c in self.harness.children(box)
                 if c["class"] == "Static" and c["style"] & SS_TYPEMASK == SS_ICON]
        self.assertEqual(len(icons), 1, "one icon in the box")
        left, top, right, bottom = icons[0]["rect"]
        shot = self.harness.screenshot(Path(self.harness.dir) / "error-box-icon.png")
        for x, y in ((left, top), (right - 1, top), (left, bottom - 1), (right - 1, bottom - 1)):
            _, _, colour = pixels(shot, x, y, 1, 1)[0]
            self.assertLess(max(colour), 100, f"a light corner {colour} at ({x}, {y})")

if __name__ == "__main__":
    unittest.main()
