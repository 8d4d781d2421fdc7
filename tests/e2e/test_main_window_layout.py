"""The created main window against the layout it is designed to have, at the design resolution
of 120 pixels per inch that the harness sets: every visible control's kind, caption, position
and size, the hints shown when the pointer rests on a list, and the order in which real Tab
presses visit the controls. The table is written out here once, on its own, not taken from the
program's definition."""

import os
import time
import unittest

from velmora_harness import WM_CLOSE, Harness

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]

# Kinds as the desktop shows them: the window class and, for buttons, the button type.
CHECK_BOX, RADIO, PUSH = ("Button", 2), ("Button", 4), ("Button", 0)
SLIDER, LIST, LABEL = ("msctls_trackbar32", None), ("ComboBox", None), ("Static", None)
PANEL, IMAGE = ("VelmoraPanel", None), ("VelmoraImage", None)

# name, kind, enclosing panel, left, top, width, height, caption, tab order among siblings
LAYOUT = [
    ("img1", IMAGE, None, 0, 0, 764, 537, "", None),
    ("Label3", LABEL, None, 165, 4, 69, 17, "Громкость", None),
    ("Label4", LABEL, None, 296, 4, 45, 17, "Баланс", None),
    ("lbl1", LABEL, None, 420, 4, 62, 17, "Скорость", None),
    ("chk1", CHECK_BOX, None, 13, 25, 75, 19, "Ручей", 2),
    ("TrackBar1", SLIDER, None, 140, 25, 118, 19, "", 0),
    ("TrackBar2", SLIDER, None, 260, 25, 118, 19, "", 1),
    ("trckbr4", SLIDER, None, 381, 26, 156, 20, "", 10),
    ("pnl1", PANEL, None, 540, 24, 196, 24, "", 19),
    ("rb1", RADIO, "pnl1", 13, 1, 79, 23, "ручей 1", 0),
    ("rb2", RADIO, "pnl1", 118, 1, 83, 23, "ручей 2", 1),
    ("chk2", CHECK_BOX, None, 13, 65, 75, 20, "Костер", 3),
    ("trckbr1", SLIDER, None, 140, 65, 118, 20, "", 4),
    ("trckbr2", SLIDER, None, 260, 65, 118, 20, "", 5),
    ("trckbr5", SLIDER, None, 381, 65, 156, 20, "", 11),
    ("pnl2", PANEL, None, 540, 63, 207, 25, "", 20),
    ("rb3", RADIO, "pnl2", 13, 1, 85, 23, "костер 1", 0),
    ("rb4", RADIO, "pnl2", 118, 1, 85, 23, "костер 2", 1),
    ("chk3", CHECK_BOX, None, 13, 105, 85, 21, "Ветер", 6),
    ("trckbr3", SLIDER, None, 140, 105, 118, 21, "", 7),
    ("spnl1", PANEL, None, 260, 105, 223, 22, "", 38),
    ("rb9", RADIO, "spnl1", 7, 1, 77, 21, "ветер 1", 0),
    ("rb10", RADIO, "spnl1", 111, 1, 77, 21, "ветер 2", 1),
    ("chk5", CHECK_BOX, None, 13, 145, 85, 20, "Сверчки", 9),
    ("trckbr6", SLIDER, None, 140, 145, 118, 20, "", 12),
    ("pnl3", PANEL, None, 260, 146, 223, 25, "", 21),
    ("rb5", RADIO, "pnl3", 9, 1, 96, 23, "сверчки 1", 0),
    ("rb6", RADIO, "pnl3", 114, 1, 148, 23, "сверчки 2", 1),
    ("chk9", CHECK_BOX, None, 13, 184, 94, 21, "+сверчки", 22),
    ("trckbr10", SLIDER, None, 140, 184, 118, 21, "", 23),
    ("cbb1", LIST, None, 265, 186, 144, 23, "", 24),
    ("chk6", CHECK_BOX, None, 13, 225, 109, 20, "Совы, волки", 13),
    ("trckbr7", SLIDER, None, 140, 225, 118, 20, "", 14),
    ("cbb2", LIST, None, 265, 225, 144, 23, "", 25),
    ("chk4", CHECK_BOX, None, 13, 265, 85, 20, "Болото", 8),
    ("trckbr8", SLIDER, None, 140, 265, 118, 20, "", 15),
    ("Panel1", PANEL, None, 260, 262, 221, 24, "", 34),
    ("RadioButton1", RADIO, "Panel1", 9, 1, 96, 23, "лягушки 1", 0),
    ("RadioButton2", RADIO, "Panel1", 111, 1, 148, 23, "лягушки 2", 1),
    ("chk7", CHECK_BOX, None, 13, 305, 85, 21, "Дождь", 16),
    ("trckbr9", SLIDER, None, 140, 305, 118, 21, "", 17),
    ("chk8", CHECK_BOX, None, 269, 305, 85, 22, "с грозой", 18),
    ("cbb3", LIST, None, 392, 305, 144, 23, "", 26),
    ("btn1", PUSH, None, 13, 344, 124, 30, "Дождя!", 29),
    ("pnl4", PANEL, None, 165, 345, 222, 25, "", 27),
    ("rb7", RADIO, "pnl4", 7, 1, 85, 23, "12 мин", 0),
    ("rb8", RADIO, "pnl4", 105, 1, 104, 23, "установить", 1),
    ("cbb4", LIST, None, 392, 345, 118, 23, "", 28),
    ("chk11", CHECK_BOX, None, 24, 392, 105, 32, "Шаманский бубен", 39),
    ("strckbr1", SLIDER, None, 140, 392, 118, 21, "", 40),
    ("cbb5", LIST, None, 272, 392, 118, 22, "", 41),
    ("Label1", LABEL, None, 13, 490, 156, 17, "Общий регулятор звука", None),
    ("strckbr11", SLIDER, None, 192, 485, 185, 33, "", 36),
    ("chk10", CHECK_BOX, None, 390, 490, 140, 23, "Включить звук", 35),
    ("btn4", PUSH, None, 581, 485, 149, 41, " Параметры по умолчанию", 37),
]

HINTS = {
    "cbb1": "Частота появления звуков",
    "cbb2": "Частота появления звуков",
    "cbb3": "Как часто дождь будет идти",
    "cbb4": "Продолжительность дождя",
}


def place(entry):
    """The entry's rectangle in the window's client area."""
    _, _, parent, left, top, width, height, _, _ = entry
    if parent:
        panel = next(e for e in LAYOUT if e[0] == parent)
        left, top = left + panel[3], top + panel[4]
    return [left, top, left + width, top + height]


def tab_sequence(parent=None):
    """The names in the order Tab visits them: siblings by tab order, a panel's children in
    place of the panel. Tab enters a group of radio buttons at its checked one, which here is
    the first of each pair (the defaults keep the design's choice); the arrow keys move on."""
    siblings = sorted((e for e in LAYOUT if e[2] == parent and e[8] is not None),
                      key=lambda e: e[8])
    names = []
    for entry in siblings:
        if entry[1] == PANEL:
            names += tab_sequence(entry[0])
        elif entry[1] != RADIO or entry[8] == 0:
            names.append(entry[0])
    return names


def kind_of(control):
    button_type = control["style"] & 0xF
    if control["class"] == "Button":
        # The automatic variants (3 and 9) count as the plain ones; a push button the skin draws
        # itself (owner-drawn, 11) is still a push button.
        return "Button", {3: 2, 9: 4, 1: 0, 11: 0}.get(button_type, button_type)
    return control["class"], None


class MainWindowLayoutTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])
        folder = cls.harness.install(OUTPUT, "layout")
        cls.program = cls.harness.start_program(folder)
        cls.window = cls.harness.wait_for_window("Velmora")
        controls = cls.harness.children(cls.window)
        image = next(c for c in controls if c["class"] == "VelmoraImage")
        cls.origin = image["rect"][:2]
        cls.visible = [dict(c, rect=[c["rect"][0] - cls.origin[0], c["rect"][1] - cls.origin[1],
                                     c["rect"][2] - cls.origin[0], c["rect"][3] - cls.origin[1]])
                       for c in controls if c["visible"]]

    @classmethod
    def tearDownClass(cls):
        cls.harness.post(cls.window, WM_CLOSE)
        if cls.program.wait(timeout=30) != 0:
            raise AssertionError("the program did not end with exit code 0")

    def control(self, name):
        entry = next(e for e in LAYOUT if e[0] == name)
        found = [c for c in self.visible if c["rect"][:2] == place(entry)[:2]
                 and kind_of(c) == entry[1]]
        self.assertEqual(len(found), 1, f"{name}: one {entry[1][0]} at {place(entry)[:2]}")
        return found[0]

    def test_every_visible_control_has_its_kind_caption_place_and_size(self):
        self.assertEqual(self.window["client"], [764, 537])
        for entry in LAYOUT:
            name, kind, caption = entry[0], entry[1], entry[7]
            with self.subTest(name):
                control = self.control(name)
                self.assertEqual(control["caption"], caption)
                if kind == LABEL:
                    # A label's size follows its caption in the screen's font; its place holds.
                    self.assertGreater(control["rect"][2] - control["rect"][0], 0)
                else:
                    self.assertEqual(control["rect"], place(entry))
        self.assertEqual(len(self.visible), len(LAYOUT), "no visible control beyond the table")

    def test_a_hint_shows_while_the_pointer_rests_on_a_list(self):
        for name in ("cbb1", "cbb2", "cbb3", "cbb4", "cbb5"):
            with self.subTest(name):
                left, top, right, bottom = self.control(name)["rect"]
                self.harness.xdotool("mousemove", "--sync", self.origin[0] + 2,
                                     self.origin[1] + 520)  # off every list first
                time.sleep(0.5)
                self.harness.xdotool("mousemove", "--sync", self.origin[0] + (left + right) // 2,
                                     self.origin[1] + (top + bottom) // 2)
                self.assertEqual(self.shown_hint(), HINTS.get(name))

    def shown_hint(self, timeout=3):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            tips = [w for w in self.harness.windows() if w["pid"] == self.window["pid"]
                    and w["class"] == "tooltips_class32" and w["visible"]]
            if tips:
                return self.harness.text(tips[0])
            time.sleep(0.2)
        return None

    def focus_after(self, previous, timeout=3):
        """The focus once it has left `previous`: the program may still be repainting the
        controls a key press left and reached when the key has been sent."""
        deadline = time.monotonic() + timeout
        focus = self.harness.focus(self.window)
        while focus == previous and time.monotonic() < deadline:
            time.sleep(0.05)
            focus = self.harness.focus(self.window)
        return focus

    def test_tab_visits_the_controls_in_their_order(self):
        expected = tab_sequence()
        by_hwnd = {self.control(name)["hwnd"]: name for name in expected}
        self.harness.click(self.origin[0] + 200, self.origin[1] + 530)  # the bare background
        visited = []
        focus = self.harness.focus(self.window)
        for _ in range(len(expected) + 1):
            self.harness.key("Tab")
            focus = self.focus_after(focus)
            visited.append(by_hwnd.get(focus, "elsewhere"))
        start = expected.index(visited[0]) if visited[0] in expected else 0
        cycle = expected[start:] + expected[:start]
        self.maxDiff = None
        self.assertEqual(visited, cycle + cycle[:1])


if __name__ == "__main__":
    unittest.main()
