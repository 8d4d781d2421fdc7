"""Every caption of the window shows whole at 96, 120, 144 and 192 pixels per inch: the program
runs once at each resolution (set for the session as the desktop's would be), every label ends
before the control beside it, and the screenshot shows the master-volume caption's last letter in
the text colour at the label's right end. The window at each resolution is kept as a picture,
window-DPIdpi.png."""

import os
import subprocess
import time
import unittest

from velmora_harness import WM_CLOSE, Harness

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
DESKTOP = r"HKCU\Control Panel\Desktop"
DESIGN_DPI = 120  # what the harness's prefix holds between tests
MASTER_CAPTION = "Общий регулятор звука"
TEXT_COLOUR = (0xDC, 0xEF, 0xE2)


def pixels(shot, left, top, width, height):
    text = subprocess.run(["convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}",
                           "txt:-"], capture_output=True, text=True, check=True).stdout
    return [tuple(int(v) for v in line.split("(")[1].split(")")[0].split(",")[:3])
            for line in text.splitlines()[1:]]


def near_text_colour(pixel, tolerance=60):
    return all(abs(c - t) <= tolerance for c, t in zip(pixel[:3], TEXT_COLOUR))


def last_letter_shown(shot, rect, dpi):
    """The last letter's right stroke, in the text colour, in the label's last few columns."""
    left, top, right, bottom = rect
    columns = max(3, dpi // 32)
    return any(near_text_colour(p) for p in pixels(shot, right - columns, top, columns,
                                                   bottom - top))


def overlaps(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


class CaptionsWholeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def set_dpi(self, dpi):
        subprocess.run([self.harness.wine, "reg", "add", DESKTOP, "/v", "LogPixels", "/t",
                        "REG_DWORD", "/d", str(dpi), "/f"], env=self.harness.env(), check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
        # A fresh server: every process of the session reads the resolution anew.
        self.harness.restart_wine()

    def run_at(self, dpi):
        """The window's visible controls (screen rectangles) and a screenshot, at the dpi, taken
        once the master caption has painted (or after ten seconds)."""
        self.set_dpi(dpi)
        self.addCleanup(self.set_dpi, DESIGN_DPI)
        folder = self.harness.install(OUTPUT, f"captions-{dpi}")
        program = self.harness.start_program(folder)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        window = self.harness.wait_for_window("Velmora")
        self.harness.xdotool("mousemove", "--sync", 1, 1)  # nothing hot
        controls = [c for c in self.harness.children(window) if c["visible"]]
        master = next(c for c in controls if c["caption"] == MASTER_CAPTION)
        deadline = time.monotonic() + 10
        while True:
            shot = self.harness.screenshot(os.path.join(self.harness.dir, f"screen-{dpi}dpi.png"))
            if last_letter_shown(shot, master["rect"], dpi) or time.monotonic() > deadline:
                break
            time.sleep(0.5)
        left, top, right, bottom = window["frame"]
        subprocess.run(["convert", str(shot), "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                        "+repage", os.path.join(self.harness.dir, f"window-{dpi}dpi.png")],
                       check=True)
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)
        return controls, shot

    def check_captions(self, dpi):
        controls, shot = self.run_at(dpi)
        labels = [c for c in controls if c["class"] == "Static"]
        others = [c for c in controls if c["class"] != "VelmoraImage"]
        for label in labels:
            with self.subTest(dpi=dpi, label=label["caption"]):
                for other in others:
                    if other is not label:
                        self.assertFalse(overlaps(label["rect"], other["rect"]),
                                         f"'{label['caption']}' runs under '{other['caption']}'"
                                         f" ({other['class']}) at {dpi} dpi")
        master = next(c for c in labels if c["caption"] == MASTER_CAPTION)
        self.assertTrue(last_letter_shown(shot, master["rect"], dpi),
                        f"no text colour at the end of the master caption at {dpi} dpi")

    def test_96_dpi(self):
        self.check_captions(96)

    def test_120_dpi(self):
        self.check_captions(120)

    def test_144_dpi(self):
        self.check_captions(144)

    def test_192_dpi(self):
        self.check_captions(192)


if __name__ == "__main__":
    unittest.main()
