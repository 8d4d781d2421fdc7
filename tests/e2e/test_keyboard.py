"""The whole window from the keyboard, with real keys: Tab and Shift+Tab walk every stop in the
window's order and every stop shows its focus in the skin's look, told from the same control
merely hovered by a frame alone; the space key, arrows, Page Up/Down, Home, End, Alt+Down, F4 and
typing act on the controls as the mouse does, as the settings file written on close shows; the
own button and radio buttons keep the platform's mouse rules (a release off them, or a capture
lost while held, does nothing); letters choose the items of the system menu, and a minimise by
them leaves no glow of a hovered control behind on the desktop. Screen readers find every control
through the platform's accessibility interface by its caption, the own controls answering as the
platform's own do."""

import os
import time
import unittest
from pathlib import Path

from skin_package import with_options
from test_skinned_controls import Shot
from velmora_harness import SETTINGS_FILE, WM_CLOSE, Harness
from window_controls import centre, start_main_window

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
WS_TABSTOP = 0x00010000
# The settings file's lines, by control.
LINES = ["chk1", "TrackBar1", "TrackBar2", "trckbr4", "rb2", "chk2", "trckbr1", "trckbr2",
         "trckbr5", "rb3", "chk3", "trckbr3", "chk5", "trckbr6", "rb5", "chk9", "trckbr10", "cbb1",
         "chk6", "trckbr7", "cbb2", "chk4", "trckbr8", "RadioButton1", "chk7", "trckbr9", "chk8",
         "cbb3", "rb7", "cbb4", "strckbr11", "chk10", "rb9"]
DEFAULTS_CAPTION = " Параметры по умолчанию"
# The stored skin gives no control a glow; this variant gives the push buttons one, cut from the
# master picture's corner.
BUTTON_GLOW = "GLOW=1\r\nGLOW0=^0000^0000^0020^0020^0006^0006^0006^0006^1^0^0^0\r\n"
GLOW_CLASS = "TacGlowForm"
STATE_SYSTEM_FOCUSED = 0x4


def frame_only(first, second):
    """Whether the two crops differ, and only along the edges of the box around what differs:
    a frame drawn in one of them tells them apart."""
    differing = [(x, y) for y, (row_a, row_b) in enumerate(zip(first, second))
                 for x, (a, b) in enumerate(zip(row_a, row_b)) if a != b]
    if not differing:
        return False
    xs, ys = [x for x, _ in differing], [y for _, y in differing]
    left, right, top, bottom = min(xs), max(xs), min(ys), max(ys)
    return all(x in (left, right) or y in (top, bottom) for x, y in differing)


class KeyboardTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def start(self, name):
        self.main = start_main_window(self, self.harness, OUTPUT, name)
        self.away = (self.main.origin[0] + 600, self.main.origin[1] + 450)
        self.move(*self.away)
        return self.main

    def control(self, caption):
        return next(c for c in self.main.controls if c["caption"] == caption)

    def at(self, x, y):
        """The control whose top left lies at design point (x, y) of the client area."""
        origin = self.main.origin
        return next(c for c in self.main.controls
                    if c["rect"][:2] == [origin[0] + x, origin[1] + y])

    def focus(self):
        return self.harness.focus(self.main.window)

    def wait_until(self, predicate, what, timeout=20):
        deadline = time.monotonic() + timeout
        while not predicate():
            if time.monotonic() > deadline:
                self.fail(what)
            time.sleep(0.2)

    def move(self, x, y, settle=0.6):
        # Without waiting for the pointer to move: it may be there already.
        self.harness.xdotool("mousemove", x, y)
        time.sleep(settle)  # hover notices come on a 100 ms timer, fades take a few frames

    def key(self, name, settle=0.3):
        self.harness.key(name)
        time.sleep(settle)

    def crop(self, name, control):
        return Shot(self.harness.screenshot(Path(self.harness.dir) / name)).crop(control["rect"])

    def tab_to(self, control, limit=60):
        for _ in range(limit):
            if self.focus() == control["hwnd"]:
                return
            self.key("Tab", 0.1)
        self.fail(f"Tab reaches {control['caption'] or control['class']}")

    def settings_after_close(self):
        self.harness.post(self.main.window, WM_CLOSE)
        self.main.program.wait(timeout=30)
        values = (Path(self.main.folder) / SETTINGS_FILE).read_bytes().decode("ascii").split()
        return dict(zip(LINES, (int(v) for v in values)))

    # ---- focus -------------------------------------------------------------------------------

    def test_tab_and_shift_tab_walk_every_stop_each_showing_its_focus(self):
        self.start("keys-tab")
        stops = {c["hwnd"] for c in self.main.controls
                 if c["style"] & WS_TABSTOP and c["visible"] and c["enabled"]
                 and c["class"] != "VelmoraPanel"}
        by_hwnd = {c["hwnd"]: c for c in self.main.controls}
        unfocused = Shot(self.harness.screenshot(Path(self.harness.dir) / "keys-unfocused.png"))
        walk = []
        for step in range(len(stops) + 1):
            self.key("Tab", 0.2)
            walk.append(self.focus())
            if step < len(stops):
                control = by_hwnd[walk[-1]]
                focused = self.crop("keys-stop.png", control)
                self.assertNotEqual(focused, unfocused.crop(control["rect"]),
                                    f"the focus shows on {control['caption'] or control['class']}")
        self.assertEqual(set(walk[:-1]), stops, "every stop is reached once")
        self.assertEqual(len(walk[:-1]), len(stops))
        self.assertEqual(walk[-1], walk[0], "the walk goes round")
        # The window's order: the stream's volume and balance sliders, then its switch.
        self.assertEqual(walk[:3], [self.at(140, 25)["hwnd"], self.at(260, 25)["hwnd"],
                                    self.control("Ручей")["hwnd"]])
        back = []
        for _ in range(len(stops)):
            self.key("shift+Tab", 0.1)
            back.append(self.focus())
        self.assertEqual(back, list(reversed(walk[:-1])), "Shift+Tab walks back")

    def test_a_focused_control_is_told_from_the_same_control_hovered_by_its_frame(self):
        self.start("keys-frames")
        # In the window's Tab order, so each walk is short.
        for control in (self.at(140, 25), self.control("Ручей"), self.control("ручей 1"),
                        self.control("Дождя!"), self.control(DEFAULTS_CAPTION),
                        self.control("ветер 1")):
            name = control["caption"].strip() or "slider"
            self.tab_to(control)
            self.move(*self.away)
            focused = self.crop(f"keys-focused-{name}.png", control)
            self.key("Tab")
            self.move(*centre(control))
            hovered = self.crop(f"keys-hovered-{name}.png", control)
            self.move(*self.away)
            self.assertTrue(frame_only(focused, hovered),
                            f"only a frame tells the focused {name} from the hovered one")

    # ---- acting with keys --------------------------------------------------------------------

    def test_space_and_arrows_act_on_check_boxes_and_radio_buttons(self):
        self.start("keys-space")
        # The wind's second variant takes the focus from a press released off it, unchecked;
        # the space key checks it.
        self.release_off(self.control("ветер 2"))
        self.assertEqual(self.focus(), self.control("ветер 2")["hwnd"])
        self.key("space")
        # The stream's switch and its variants: Right moves the choice along the group.
        self.tab_to(self.control("Ручей"))
        self.key("space")
        self.tab_to(self.control("ручей 1"))
        self.key("Right")
        self.assertEqual(self.focus(), self.control("ручей 2")["hwnd"])
        # The campfire's variants: Right then Left comes back to the first.
        self.tab_to(self.control("костер 1"))
        self.key("Right")
        self.key("Left")
        values = self.settings_after_close()
        self.assertEqual(values["rb9"], 0, "the space key chose the second wind")
        self.assertEqual(values["chk1"], 1, "the space key switched the stream on")
        self.assertEqual(values["rb2"], 1, "Right chose the second stream")
        self.assertEqual(values["rb3"], 1, "Left came back to the first campfire")

    def release_off(self, control):
        """A real press on the control, dragged off it and released there."""
        self.move(*centre(control), 0.3)
        self.harness.xdotool("mousedown", 1)
        time.sleep(0.3)
        self.move(*self.away, 0.3)
        self.harness.xdotool("mouseup", 1)
        time.sleep(0.5)

    def test_the_space_key_presses_the_own_button(self):
        self.start("keys-button")
        self.tab_to(self.control(DEFAULTS_CAPTION))
        self.key("space")
        values = self.settings_after_close()
        # The defaults: the stream's volume at 10, the master volume at 50.
        self.assertEqual((values["TrackBar1"], values["strckbr11"]), (10, 50))

    def test_slider_keys_move_the_thumb(self):
        self.start("keys-slider")
        slider = self.at(140, 25)  # the stream's volume, 0 to 20 with pages of 4, at 5
        self.tab_to(slider)
        before = self.crop("keys-slider-5.png", slider)
        self.key("Home")
        after = self.crop("keys-slider-0.png", slider)
        self.assertNotEqual(before, after, "the thumb moved to the start")
        for name in ("Right", "Right", "Next", "End", "Left", "Prior"):
            self.key(name)
        # 0, 1, 2, then a page on (6), to the end (20), back one (19) and a page (15).
        self.assertEqual(self.settings_after_close()["TrackBar1"], 15)

    def test_list_keys_choose_items(self):
        self.start("keys-lists")
        self.tab_to(self.at(265, 186))  # extra crickets' interval, at "20-70 секунд"
        self.key("Down")
        self.tab_to(self.at(265, 225))  # owls' interval
        self.key("alt+Down")
        self.wait_until(self.list_open, "Alt+Down opens the list")
        self.key("Up")
        self.key("Return")
        self.wait_until(lambda: not self.list_open(), "Enter closes it")
        self.tab_to(self.at(392, 305))  # the rain's period, at "раз в 30 минут"
        self.key("F4")
        self.wait_until(self.list_open, "F4 opens the list")
        self.key("Down")
        self.key("F4")
        self.wait_until(lambda: not self.list_open(), "F4 closes it")
        self.tab_to(self.at(392, 345))  # the rain's length: typing "3" finds "30-60 минут"
        self.key("3")
        values = self.settings_after_close()
        self.assertEqual((values["cbb1"], values["cbb2"], values["cbb3"], values["cbb4"]),
                         (3, 1, 1, 3))

    def list_open(self):
        return any(w["class"] == "ComboLBox" and w["visible"] for w in self.harness.windows())

    # ---- the platform's mouse rules ----------------------------------------------------------

    def test_a_release_off_the_own_controls_or_a_lost_capture_does_nothing(self):
        self.start("keys-mouse")
        for control in (self.control("ветер 2"), self.control(DEFAULTS_CAPTION)):
            self.release_off(control)
            # Held on it while the system menu takes the mouse, released on it after.
            self.move(*centre(control), 0.3)
            self.harness.xdotool("mousedown", 1)
            time.sleep(0.3)
            self.key("alt+space")
            self.wait_until(self.menu_open, "the system menu opens over the held press")
            self.key("Escape")
            self.wait_until(lambda: not self.menu_open(), "Escape closes the menu")
            self.harness.xdotool("mouseup", 1)
            time.sleep(0.5)
        values = self.settings_after_close()
        self.assertEqual(values["rb9"], 1, "the first wind is still chosen")
        self.assertEqual((values["TrackBar1"], values["strckbr11"]), (5, 100),
                         "the defaults were not applied")

    # ---- menus -------------------------------------------------------------------------------

    def test_letters_choose_the_system_menus_items(self):
        self.start("keys-menu")
        self.key("alt+space")
        self.wait_until(self.menu_open, "Alt+Space opens the system menu")
        self.key("n")  # "Minimize"
        self.wait_until(lambda: not self.menu_open(), "the letter chose an item")
        self.wait_until(lambda: not self.window()["visible"],
                        "the window left for the notification area")

    def test_a_minimise_by_the_keyboard_leaves_no_glow_on_the_desktop(self):
        stored = Path(os.environ["VELMORA_STORED_SKIN"]).read_bytes()
        self.harness.skin_at_start(self, with_options(
            stored, lambda text: text.replace("[BUTTON]\r\n", "[BUTTON]\r\n" + BUTTON_GLOW, 1)))
        self.start("keys-glow")
        self.move(*centre(self.at(13, 344)))  # a standard push button
        self.wait_until(self.glows, "the hovered button glows")
        glow = self.glows()[0]["frame"]
        self.key("alt+space")
        self.wait_until(self.menu_open, "Alt+Space opens the system menu")
        self.key("n")
        self.wait_until(lambda: not self.window()["visible"], "the window left for the tray")
        self.wait_until(lambda: not self.glows(), "the glow went with its window")
        # What the glow covered shows the empty desktop, one colour.
        shot = Shot(self.harness.screenshot(Path(self.harness.dir) / "keys-glow-gone.png"))
        self.assertEqual(len({p for row in shot.crop(glow) for p in row}), 1,
                         "nothing is left where the glow was")

    # ---- screen readers ----------------------------------------------------------------------

    def test_screen_readers_find_every_control_by_its_caption(self):
        self.start("keys-accessible")
        shown = [c for c in self.main.controls if c["visible"]]
        answers = {c["hwnd"]: self.harness.accessible(c) for c in shown}
        for control in shown:
            answer = answers[control["hwnd"]]
            self.assertEqual(answer["hresult"], 0, f"{control['class']} answers")
            if control["caption"]:
                self.assertEqual(answer["name"], control["caption"])
        # The own button and radio button, beside the platform's own of their kind.
        pairs = [(self.control(DEFAULTS_CAPTION), self.at(13, 344)),
                 (self.control("ветер 1"), self.control("ручей 1"))]
        for own, platform in pairs:
            for query in ("role", "state", "value"):
                self.assertEqual(answers[own["hwnd"]][query], answers[platform["hwnd"]][query],
                                 f"{own['caption']}: {query} as {platform['caption']}'s")
        self.tab_to(self.control(DEFAULTS_CAPTION))
        self.assertTrue(self.harness.accessible(self.control(DEFAULTS_CAPTION))["state"]
                        & STATE_SYSTEM_FOCUSED, "the focused own button says so")

    def glows(self):
        return [w for w in self.harness.windows()
                if w["class"] == GLOW_CLASS and w["visible"] and w["pid"] == self.main.window["pid"]]

    def window(self):
        return next(w for w in self.harness.windows() if w["hwnd"] == self.main.window["hwnd"])

    def menu_open(self):
        return any(w["class"] == "#32768" and w["visible"] for w in self.harness.windows())


if __name__ == "__main__":
    unittest.main()
