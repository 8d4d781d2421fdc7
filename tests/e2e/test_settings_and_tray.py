"""Settings, master volume and the notification-area icon under the harness: the captured output
follows the master slider, the sound switch and the icon's click; the icon's menu brings the
window back and closes the program, which writes its settings, as the end of the session does;
a faulty, missing or read-only settings file gives its message and the program carries on."""

import os
import stat
import subprocess
import time
import unittest
from pathlib import Path

from velmora_harness import SETTINGS_FILE, WM_CLOSE, Harness, settings_text

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
LEFT = 0
WM_SYSCOMMAND, SC_MINIMIZE = 0x0112, 0xF020
SW_MINIMIZE = 6
WM_ENDSESSION = 0x0016
TRAY_CLASS = "__winex11_standalone_tray"
BOX_CLASSES = ("TMessageForm", "#32770")
LOUD, SILENT = 0.01, 0.0005


def loudness_runs(audio, step=0.25, least=3):
    """The recording as runs of loud (L) and silent (S) stretches of at least `least` steps,
    in order; stretches in between are left out. Needs no clock, only the order of events."""
    marks = []
    for i in range(int(audio.seconds / step)):
        level = audio.rms(LEFT, i * step, (i + 1) * step)
        marks.append("L" if level > LOUD else "S" if level < SILENT else "?")
    runs = []
    for mark in marks:
        if runs and runs[-1][0] == mark:
            runs[-1][1] += 1
        else:
            runs.append([mark, 1])
    kept = "".join(mark for mark, length in runs if mark != "?" and length >= least)
    return "".join(m for i, m in enumerate(kept) if i == 0 or kept[i - 1] != m)


def stored(folder):
    return (Path(folder) / SETTINGS_FILE).read_bytes().decode("ascii").split("\r\n")[:-1]


class SettingsAndTrayTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def start(self, name, settings=settings_text(chk1=1, TrackBar1=20)):
        folder = self.harness.install(OUTPUT, name, settings)
        program = self.harness.start_program(folder)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        return program, folder

    def window(self):
        return self.harness.wait_for_window("Velmora")

    def control(self, window, caption):
        return next(c for c in self.harness.children(window) if c["caption"] == caption)

    def dismiss_box(self, pid=None):
        """Clicks OK in the program's visible message box (a settings message form, or the
        platform's box that shows an error); returns the box's caption and text."""
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            boxes = [w for w in self.harness.windows()
                     if w["class"] in BOX_CLASSES and w["visible"] and pid in (None, w["pid"])]
            if boxes:
                parts = self.harness.children(boxes[0])
                text = " ".join(c["caption"] for c in parts if c["class"] == "Static").strip()
                self.harness.click_control(next(c for c in parts if c["caption"] == "OK"))
                return boxes[0]["caption"], text
            time.sleep(0.2)
        raise AssertionError("no message box")

    # ---- the notification area (Wine's own tray window when the desktop has none) -----------

    def tray(self):
        trays = [w for w in self.harness.windows() if w["class"] == TRAY_CLASS and w["visible"]]
        return trays[0] if trays else None

    def wait_for_tray(self):
        deadline = time.monotonic() + 20
        while not self.tray() and time.monotonic() < deadline:
            time.sleep(0.2)
        self.assertIsNotNone(self.tray(), "the icon is in the notification area")

    def icon_point(self):
        left, top, right, bottom = self.tray()["frame"]
        width, height = self.tray()["client"]
        border = (right - left - width) // 2
        return left + border + height // 2, bottom - border - height // 2

    def icon_crossed_out(self, name):
        """Whether the shown picture holds the red cross."""
        x, y = self.icon_point()
        shot = self.harness.screenshot(Path(self.harness.dir) / name)
        crop = f"20x20+{x - 10}+{y - 10}"
        pixels = subprocess.run(["convert", str(shot), "-crop", crop, "txt:-"],
                                capture_output=True, text=True, check=True).stdout
        red = 0
        for line in pixels.splitlines()[1:]:
            r, g, b = (int(v) for v in line.split("(")[1].split(")")[0].split(",")[:3])
            red += r > 180 and g < 90 and b < 90
        return red > 10

    def tray_menu(self, item):
        x, y = self.icon_point()
        self.harness.xdotool("mousemove", "--sync", x + 1, y)
        self.harness.xdotool("click", 3)
        deadline = time.monotonic() + 20
        menus = []
        while not menus and time.monotonic() < deadline:
            menus = [w for w in self.harness.windows() if w["class"] == "#32768" and w["visible"]]
        left, top, right, bottom = menus[0]["frame"]
        # Two items of equal height.
        self.harness.click(left + 40, top + (bottom - top) * (1 + 2 * item) // 4)

    # ---- tests -------------------------------------------------------------------------------

    def test_the_output_follows_the_master_slider_and_the_sound_switch(self):
        program, _ = self.start("master")
        window = self.window()
        master = next(c for c in self.harness.children(window)
                      if c["class"] == "msctls_trackbar32" and c["rect"][2] - c["rect"][0] == 185)
        sound = self.control(window, "Включить звук")
        recording = self.harness.record(Path(self.harness.dir) / "master.wav")
        # Counted in recorded seconds: a slow recorder or a late device start still leaves a
        # loud stretch before the first change.
        recording.wait_for(3)
        self.harness.click_control(master, dx=4)
        self.harness.key("Home")  # master 0
        time.sleep(2)
        self.harness.key("End")  # master 100
        time.sleep(2)
        self.harness.click_control(sound, dx=6)  # off
        time.sleep(2)
        self.harness.click_control(sound, dx=8)  # on; a point of its own: the pointer must move
        time.sleep(2.5)
        self.assertEqual(loudness_runs(recording.stop()), "LSLSL")
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def test_the_tray_icon_switches_the_sound_brings_the_window_back_and_closes(self):
        program, folder = self.start("tray")
        window = self.window()
        self.harness.post(window, WM_SYSCOMMAND, SC_MINIMIZE)
        self.wait_for_tray()
        mine = [w for w in self.harness.windows() if w["pid"] == window["pid"] and w["visible"]]
        self.assertEqual(mine, [], "the window left the screen")
        self.assertFalse(self.icon_crossed_out("tray-sound-on.png"))

        recording = self.harness.record(Path(self.harness.dir) / "tray.wav")
        time.sleep(2)
        self.harness.click(*self.icon_point())
        time.sleep(2.5)
        self.assertEqual(loudness_runs(recording.stop()), "LS", "a click switches the sound off")
        self.assertTrue(self.icon_crossed_out("tray-sound-off.png"))

        self.tray_menu(0)  # "Показать окно настроек"
        shown = self.window()
        self.assertEqual(shown["frame"], window["frame"], "back where it was")
        time.sleep(0.5)
        self.assertIsNone(self.tray(), "the icon is gone")

        self.harness.post(shown, WM_SYSCOMMAND, SC_MINIMIZE)
        self.wait_for_tray()
        self.tray_menu(1)  # "Закрыть"
        self.assertEqual(program.wait(timeout=30), 0)
        lines = stored(folder)
        self.assertEqual(len(lines), 33)
        self.assertEqual((lines[0], lines[1], lines[30], lines[31]), ("1", "20", "100", "0"))

    def test_a_click_counts_only_when_the_button_went_down_on_the_icon(self):
        program, folder = self.start("click_rule")
        window = self.window()
        icon = next(w for w in self.harness.windows()
                    if w["pid"] == window["pid"] and w["class"] == "VelmoraTrayIcon")
        callback, down, up, double = 0x0401, 0x0201, 0x0202, 0x0203
        for event in (up, up, down, up, double, up):  # one click: neither a lone release nor a
            # double click arms one
            self.harness.post(icon, callback, 0, event)
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)
        self.assertEqual(stored(folder)[31], "0", "the sound switch flipped once")

    def test_a_real_double_click_on_the_icon_switches_the_sound_once(self):
        program, folder = self.start("double_click")
        self.harness.post(self.window(), WM_SYSCOMMAND, SC_MINIMIZE)
        self.wait_for_tray()
        x, y = self.icon_point()
        self.harness.xdotool("mousemove", "--sync", x, y)
        self.harness.xdotool("click", "--repeat", 2, "--delay", 100, 1)
        time.sleep(1)
        self.assertTrue(self.icon_crossed_out("tray-double-click.png"), "the sound is off")
        self.tray_menu(1)  # "Закрыть"
        self.assertEqual(program.wait(timeout=30), 0)
        self.assertEqual(stored(folder)[31], "0", "the sound switch flipped once")

    def test_a_minimise_by_another_program_also_leaves_for_the_tray(self):
        program, _ = self.start("outside_minimise")
        window = self.window()
        self.harness.show(window, SW_MINIMIZE)
        self.wait_for_tray()
        mine = [w for w in self.harness.windows() if w["pid"] == window["pid"] and w["visible"]]
        self.assertEqual(mine, [], "the window left the screen")
        self.tray_menu(0)  # "Показать окно настроек"
        self.assertEqual(self.window()["frame"], window["frame"], "back where it was")
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def test_a_faulty_file_shows_its_message_and_the_defaults_follow(self):
        program, folder = self.start("faulty", settings_text(chk1=1, TrackBar1=3, trckbr4=51))
        self.assertEqual(self.dismiss_box(), ("Velmora", "файл параметров содержит ошибки"))
        window = self.window()
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)
        lines = stored(folder)
        self.assertEqual((lines[0], lines[1], lines[3], lines[30]), ("1", "10", "0", "50"))

    def test_with_no_file_the_start_says_so_and_the_defaults_are_written_on_close(self):
        program, folder = self.start("no_file", None)
        self.assertEqual(self.dismiss_box(), ("Velmora", "файл параметров не найден"))
        self.harness.post(self.window(), WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)
        lines = stored(folder)
        self.assertEqual((lines[0], lines[1], lines[17], lines[30], lines[31]),
                         ("0", "10", "2", "50", "1"))

    def test_the_end_of_the_session_stores_the_settings_without_a_close(self):
        program, folder = self.start("session_end")
        window = self.window()
        path = Path(folder) / SETTINGS_FILE
        path.unlink()
        self.harness.post(window, WM_ENDSESSION, 0)  # the session goes on
        time.sleep(1)
        self.assertFalse(path.exists())
        self.harness.post(window, WM_ENDSESSION, 1)
        deadline = time.monotonic() + 30
        while not path.exists() and time.monotonic() < deadline:
            time.sleep(0.2)
        lines = stored(folder)
        self.assertEqual(len(lines), 33)
        self.assertEqual((lines[0], lines[1], lines[30]), ("1", "20", "100"))
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def test_a_file_that_cannot_be_written_keeps_the_window_open_and_the_old_file(self):
        old = settings_text(TrackBar1=7)
        program, folder = self.start("read_only", old)
        window = self.window()
        path = Path(folder) / SETTINGS_FILE
        path.chmod(stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        self.harness.post(window, WM_CLOSE)
        _, text = self.dismiss_box(window["pid"])
        self.assertIn(SETTINGS_FILE, text)
        self.assertIsNone(program.poll(), "the close was abandoned")
        self.assertEqual(path.read_bytes(), old)
        self.assertEqual([p.name for p in Path(folder).iterdir() if p.name.startswith("npn")], [],
                         "no temporary file is left behind")
        path.chmod(stat.S_IRUSR | stat.S_IWUSR)
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
