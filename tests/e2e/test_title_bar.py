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
CLOSE_PRESSED = (0x8C, 0x33, 0x28)
ICON = 16


def pixels(shot, left, top, width, height):
    text = subprocess.run(["convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}",
                           "txt:-"], capture_output=True, text=True, check=True).stdout
    return [tuple(int(v) for v in line.split("(")[1].split(")")[0].split(",")[:3])
            for line in text.splitlines()[1:]]


def near(p, colour, tolerance=30):
    return all(abs(p[i] - colour[i]) <= tolerance for i in range(3))


def on_the_way(p, start, end, tolerance=8):
    """Whether p is start weighed against end by one weight for all three channels."""
    widest = max(range(3), key=lambda i: abs(end[i] - start[i]))
    weight = min(max((p[widest] - start[widest]) / (end[widest] - start[widest]), 0), 1)
    return all(abs(p[i] - (start[i] + weight * (end[i] - start[i]))) <= tolerance
               for i in range(3))


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

    def warm(self, shot, centre, colour=CLOSE_HOT, tolerance=30):
        x, y = centre
        return sum(near(p, colour, tolerance) for p in pixels(shot, x - 8, y - 8, 16, 16))

    def pressed(self, shot, centre):
        # Tight: a hot look caught half faded in never passes for the darker pressed one.
        return self.warm(shot, centre, CLOSE_PRESSED, 8)

    def wait_for_look(self, name, shows, timeout=15):
        """Screenshots until `shows(shot)` holds or the time is up; the last one. A look fades in
        and out over frames, which a loaded machine may draw late."""
        deadline = time.monotonic() + timeout
        while True:
            shot = self.harness.screenshot(Path(self.harness.dir) / name)
            if shows(shot) or time.monotonic() > deadline:
                return shot

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

        hot_shown = lambda shot: self.warm(shot, close) > 100
        gone = lambda shot: self.warm(shot, close) == 0
        self.harness.xdotool("mousemove", "--sync", *close)
        hot = self.wait_for_look("title-close-hot.png", hot_shown)
        self.assertTrue(hot_shown(hot), "close shows no hot look")
        self.assertEqual(self.warm(hot, minimise), 0)

        self.harness.xdotool("mousemove", "--sync", (left + right) // 2, top + 200)
        left_again = self.wait_for_look("title-close-left.png", gone)
        self.assertTrue(gone(left_again), "close stays hot after the pointer left")
        # Off the window altogether, straight from the button.
        self.harness.xdotool("mousemove", "--sync", *close)
        self.assertTrue(hot_shown(self.wait_for_look("title-close-hot-again.png", hot_shown)))
        self.harness.xdotool("mousemove", "--sync", close[0], top - 20)
        outside = self.wait_for_look("title-close-outside.png", gone)
        self.assertTrue(gone(outside), "close stays hot after the pointer left")

        # As the other tests close the window: a click where the frame answers the close code.
        self.harness.click(*self.harness.frame_point(window, HTCLOSE))
        self.assertEqual(program.wait(timeout=30), 0)
        self.assert_settings_written()

    def test_close_fades_into_its_hot_look_through_intermediate_frames(self):
        program, window = self.start("title_fade")
        close = self.button_centre(window, HTCLOSE)
        rest = self.harness.screenshot(Path(self.harness.dir) / "title-fade-rest.png")
        self.harness.xdotool("mousemove", "--sync", *close)
        hot = self.wait_for_look("title-fade-hot.png", lambda shot: self.warm(shot, close) > 100)
        warm = [(close[0] - 8 + i % 16, close[1] - 8 + i // 16)
                for i, p in enumerate(pixels(hot, close[0] - 8, close[1] - 8, 16, 16))
                if near(p, CLOSE_HOT, 8)]
        self.assertTrue(warm, "close shows no hot look")
        x, y = warm[0]
        normal = pixels(rest, x, y, 1, 1)[0]
        left, top, right, _ = window["frame"]
        self.harness.xdotool("mousemove", "--sync", (left + right) // 2, top + 200)
        at_rest = lambda shot: near(pixels(shot, x, y, 1, 1)[0], normal, 8)
        self.assertTrue(at_rest(self.wait_for_look("title-fade-normal.png", at_rest)),
                        "close stays hot after the pointer left")

        samples = self.harness.watch_pixel(x, y, 1500, lambda: self.harness.xdotool(
            "mousemove", "--sync", *close))
        colours = [colour for _, colour in samples]
        # Every frame the watcher caught lies on the way between the two looks; how many it caught
        # depends on how often a loaded machine lets it look. A display without a compositor
        # shows a translucent window weighed against black rather than against what lies under.
        for colour in colours:
            self.assertTrue(on_the_way(colour, normal, CLOSE_HOT) or
                            on_the_way(colour, (0, 0, 0), CLOSE_HOT),
                            f"{colour} outside a fade from {normal}: {colours}")
        steps = {c for c in colours if not near(c, normal, 8) and not near(c, CLOSE_HOT, 8)}
        print(f"fade: {len(steps)} intermediate colours of {len(colours)} seen: {colours}")
        arrived = lambda shot: near(pixels(shot, x, y, 1, 1)[0], CLOSE_HOT, 8)
        self.assertTrue(arrived(self.wait_for_look("title-fade-hot-again.png", arrived)),
                        "the fade never arrives at the hot look")
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def test_a_held_press_on_close_shows_its_pressed_look_and_a_release_off_it_does_nothing(self):
        program, window = self.start("title_pressed")
        close = self.button_centre(window, HTCLOSE)
        left, top, right, _ = window["frame"]
        away = ((left + right) // 2, top + 200)
        pressed_shown = lambda shot: self.pressed(shot, close) > 100
        # Pressed over the hot look shown in full.
        self.harness.xdotool("mousemove", "--sync", *close)
        self.wait_for_look("title-press-hot.png", lambda shot: self.warm(shot, close) > 100)
        self.harness.xdotool("mousedown", 1)
        shot = self.wait_for_look("title-pressed.png", pressed_shown)
        self.assertTrue(pressed_shown(shot), "close shows no pressed look over its hot one")
        # Held, off the button and back on.
        self.harness.xdotool("mousemove", "--sync", *away)
        self.harness.xdotool("mousemove", "--sync", *close)
        shot = self.wait_for_look("title-pressed-again.png", pressed_shown)
        self.assertTrue(pressed_shown(shot), "close shows no pressed look back on the button")
        self.harness.xdotool("mousemove", "--sync", *away)
        self.harness.xdotool("mouseup", 1)
        gone = lambda shot: self.warm(shot, close) == 0 and self.pressed(shot, close) == 0
        self.assertTrue(gone(self.wait_for_look("title-press-released.png", gone)))
        # Pressed while the hot look is still fading in.
        self.harness.xdotool("mousemove", "--sync", *close)
        self.harness.xdotool("mousedown", 1)
        shot = self.wait_for_look("title-pressed-in-fade.png", pressed_shown)
        self.assertTrue(pressed_shown(shot), "close shows no pressed look pressed mid-fade")
        self.harness.xdotool("mousemove", "--sync", *away)
        self.harness.xdotool("mouseup", 1)
        time.sleep(1)
        self.assertIsNone(program.poll(), "a release off close closed the program")
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
