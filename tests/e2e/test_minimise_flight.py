"""The minimise flight under the harness with a real mouse: a click on the title band's minimise
button shows a layered overlay of the program that moves away from the window and is gone when the
window has reached the notification area; the tray menu brings the window back, where it was and
no longer layered, and the flight back leaves no overlay either."""

import json
import os
import subprocess
import tempfile
import time
import unittest

from velmora_harness import WM_CLOSE, Harness, settings_text

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
HTMINBUTTON = 8
WM_SYSCOMMAND, SC_MINIMIZE, SW_RESTORE = 0x112, 0xF020, 9
TRAY_CLASS = "__winex11_standalone_tray"
OVERLAY_CLASS = "TacGlowForm"
WS_EX_LAYERED = 0x80000
# The session's platform reports version 6.1 without desktop composition, where the flight is
# left to the platform; a later version composes the desktop.
APP_DEFAULTS = r"HKCU\Software\Wine\AppDefaults\Velmora.exe"


class MinimiseFlightTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def reg(self, *args):
        subprocess.run([self.harness.wine, "reg", *args], env=self.harness.env(), check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)

    def start(self):
        # Last of the cleanups: a program run in that version leaves Wine in a state that later
        # tests' sound timing suffers from.
        self.addCleanup(self.harness.restart_wine)
        self.reg("add", APP_DEFAULTS, "/v", "Version", "/t", "REG_SZ", "/d", "win10", "/f")
        self.addCleanup(self.reg, "delete", APP_DEFAULTS, "/f")
        self.harness.xdotool("mousemove", "--sync", 5, 5)
        folder = self.harness.install(OUTPUT, "flight", settings_text())
        program = self.harness.start_program(folder)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        self.harness.wait_for_window("Velmora")
        time.sleep(2)
        return program, self.harness.wait_for_window("Velmora")

    def watch(self, pid, milliseconds):
        """A probe that notes every change of the process's layered windows while it runs."""
        output = tempfile.TemporaryFile()
        watcher = subprocess.Popen([self.harness.wine, os.environ["VELMORA_PROBE"], "layered",
                                    str(pid), str(milliseconds)], env=self.harness.env(),
                                   stdout=output, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            output.seek(0)
            if output.read().startswith(b"watching"):
                break
            time.sleep(0.1)

        def seen():
            watcher.wait(timeout=60)
            with output:
                output.seek(0)
                lines = output.read().decode("utf-8").splitlines()[1:]
            if os.environ.get("VELMORA_SHOW_FLIGHT"):
                print(*lines, sep="\n")
            return [json.loads(line) for line in lines if line.strip()]
        return seen

    def tray(self):
        return [w for w in self.harness.windows() if w["class"] == TRAY_CLASS and w["visible"]]

    def icon_point(self):
        tray = self.tray()[0]
        left, _, right, bottom = tray["frame"]
        width, height = tray["client"]
        border = (right - left - width) // 2
        return left + border + height // 2, bottom - border - height // 2

    def assert_one_flight(self, seen, what):
        # The title buttons' looks show in overlays of their own, a button's size.
        flights = {s["hwnd"] for s in seen if s.get("class") == OVERLAY_CLASS and s["visible"]
                   and s["frame"][2] - s["frame"][0] > 100}
        self.assertTrue(flights, f"no overlay was seen during the {what}")
        shown = [s for s in seen if s.get("hwnd") in flights and s.get("visible")]
        hwnd = shown[0]["hwnd"]
        # Shown, it is always layered (a window read while it is destroyed reads no styles).
        self.assertTrue(all(s["exstyle"] & WS_EX_LAYERED for s in shown))
        self.assertIn({"hwnd": hwnd, "gone": True}, seen, f"the {what}'s overlay was not freed")
        return [tuple(s["frame"]) for s in shown]

    def assert_along(self, frames, path, what):
        """Each frame lies within the stretch the path covers. The probe samples the windows as
        often as a busy machine lets it, so a frame of the path may pass unseen."""
        for frame in frames:
            for i, value in enumerate(frame):
                self.assertTrue(min(p[i] for p in path) <= value <= max(p[i] for p in path),
                                f"{what}: {frame} off the path {sorted(set(path))}")

    def test_the_title_button_minimise_flies_to_the_tray_and_the_menu_brings_it_back(self):
        program, window = self.start()
        x, y = self.harness.frame_point(window, HTMINBUTTON)
        self.harness.xdotool("mousemove", "--sync", x - 7, y + 8)
        seen = self.watch(window["pid"], 3000)
        self.harness.xdotool("click", 1)
        frames = self.assert_one_flight(seen(), "minimise")
        self.assertGreater(len(set(frames)), 1, "the overlay did not move")
        self.assertNotEqual(frames[0], tuple(window["frame"]), "the first step has already moved")
        self.assertTrue(self.tray(), "the icon is in the notification area")
        self.assertFalse(any(w["hwnd"] == window["hwnd"] and w["visible"]
                             for w in self.harness.windows()))

        ix, iy = self.icon_point()
        self.harness.xdotool("mousemove", "--sync", ix + 1, iy)
        self.harness.xdotool("click", 3)
        deadline = time.monotonic() + 20
        menus = []
        while not menus and time.monotonic() < deadline:
            menus = [w for w in self.harness.windows() if w["class"] == "#32768" and w["visible"]]
        left, top, _, bottom = menus[0]["frame"]
        seen = self.watch(window["pid"], 3000)
        self.harness.click(left + 40, top + (bottom - top) // 4)  # "Показать окно настроек"
        back = self.assert_one_flight(seen(), "restore")
        self.assertEqual(back[-1], tuple(window["frame"]), "the flight back ends on the window")
        self.assert_along(back[:-1], frames + [tuple(window["frame"])], "back the same way")
        shown = [w for w in self.harness.windows() if w["hwnd"] == window["hwnd"]][0]
        self.assertTrue(shown["visible"])
        self.assertEqual(shown["frame"], window["frame"], "back where it was")
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def test_a_posted_system_command_minimise_flies_the_same_way_and_a_restore_flies_back(self):
        program, window = self.start()
        seen = self.watch(window["pid"], 3000)
        self.harness.post(window, WM_SYSCOMMAND, SC_MINIMIZE)
        frames = self.assert_one_flight(seen(), "minimise")
        self.assertGreater(len(set(frames)), 1, "the overlay did not move")
        self.assertTrue(self.tray(), "the icon is in the notification area")

        seen = self.watch(window["pid"], 3000)
        self.harness.show(window, SW_RESTORE)
        back = self.assert_one_flight(seen(), "restore")
        self.assertEqual(back[-1], tuple(window["frame"]), "the flight back ends on the window")
        self.assert_along(back[:-1], frames + [tuple(window["frame"])], "back the same way")
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
