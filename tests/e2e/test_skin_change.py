"""Skins that come and go while the program runs. A second skin (the stored one with every colour
turned round, red taking green's value, green blue's and blue red's) sent through the preview
interface shows everywhere on the window and on the tray icon's menu, and the stored skin
sent back shows everything as before; a folder skin takes the record's options text; fifty
changes leave GDI objects and memory flat. The skin switched off and on again leaves every
control drawn and working in between; a broken packed skin at start leaves a usable window that
the platform draws; a drop-down list turns hot under the real pointer."""

import os
import subprocess
import time
import unittest
from pathlib import Path

from skin_package import (PREVIEW_COPYDATA_ID, options_of, preview_record, read_package,
                          turned, turned_package, wine_path)
import test_popup_menus
from test_popup_menus import GROUND, SELECTED, near
from test_settings_and_tray import SC_MINIMIZE, WM_SYSCOMMAND
from velmora_harness import WM_CLOSE, Harness
from window_controls import control_at, start_main_window

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
STORED_SKIN = Path(os.environ["VELMORA_STORED_SKIN"])
STORED_NAME = "Emerald (internal)"
# Design places (left, top, width, height) of a control of each kind in the client area.
PLACES = {
    "label": (680, 136, 20, 17),
    "check box": (13, 105, 85, 21),
    "radio button": (553, 64, 85, 23),       # rb3 on its panel
    "own radio button": (267, 106, 77, 21),  # rb9 on the skinned panel
    "slider": (140, 105, 118, 21),
    "button": (13, 344, 124, 30),
    "own button": (581, 485, 149, 41),
    "list": (265, 186, 144, 23),
}
CHANGES = 50
# A JPEG recompressed and text smoothed over another ground stay this close to the turned colour.
TOLERANCE = 40
FAITHFUL = 0.9  # the share of a piece's pixels in the turned colours
# Memory a change may leave behind for good is far below one skin's pictures (some megabytes).
MEMORY_SLACK_KB = 16 * 1024
GDI_SETTLING = 3
# How long a busy machine may take to show a look; polled, so a quick one costs no more.
SHOWN_WITHIN_S = 30


class Grab:
    """The screen's pixels inside a rectangle, read with screen coordinates."""

    def __init__(self, harness, rect):
        self.left, self.top, right, bottom = rect
        self.width, self.height = right - self.left, bottom - self.top
        self.data = subprocess.run(
            ["import", "-window", "root", "-crop",
             f"{self.width}x{self.height}+{self.left}+{self.top}", "-depth", "8", "rgb:-"],
            env=harness.env(), capture_output=True, check=True).stdout

    def at(self, x, y):
        i = 3 * ((y - self.top) * self.width + x - self.left)
        return tuple(self.data[i:i + 3])

    def save(self, path):
        """Kept as a picture, to look at."""
        subprocess.run(["convert", "-size", f"{self.width}x{self.height}", "-depth", "8", "rgb:-",
                        str(path)], input=self.data, check=True)


def rows(grab, rect):
    """The grab's rows of RGB bytes inside `rect` (screen coordinates)."""
    left, top, right, bottom = rect
    starts = (3 * ((y - grab.top) * grab.width + left - grab.left) for y in range(top, bottom))
    return [grab.data[start:start + 3 * (right - left)] for start in starts]


def region(grab, rect):
    """The grab's pixels inside `rect`, row by row."""
    return [pixel for row in rows(grab, rect) for pixel in zip(row[0::3], row[1::3], row[2::3])]


def close(a, b, tolerance=TOLERANCE):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def resident_kb(marker):
    """The resident private memory of the emulated process whose command line holds `marker`."""
    for entry in Path("/proc").iterdir():
        try:
            if marker.encode() in (entry / "cmdline").read_bytes():
                status = (entry / "status").read_text()
                return int(next(line.split()[1] for line in status.splitlines()
                                if line.startswith("RssAnon:")))
        except (OSError, ValueError, StopIteration):
            continue
    raise AssertionError(f"no process runs {marker}")


class SkinChangeTest(unittest.TestCase):
    # Through the module: a test class among this module's names would run here as well.
    tray = test_popup_menus.PopupMenusTest.tray
    open_tray_menu = test_popup_menus.PopupMenusTest.open_tray_menu

    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def shown(self, rect, looks_right=lambda grab: True, name=None, steady=True):
        """Reads the screen inside `rect` until it looks right and, with `steady`, stays the same
        over two reads (a fade or a held-up paint is still moving), or until the deadline; answers
        the last read, which the caller then judges. With `name`, the read is kept as a picture.
        A look matched against a known one needs no `steady`."""
        deadline = time.monotonic() + SHOWN_WITHIN_S
        last = None
        while True:
            grab = Grab(self.harness, rect)
            still = not steady or last is not None and grab.data == last.data
            if still and looks_right(grab) or time.monotonic() > deadline:
                break
            last = grab
            time.sleep(0.05)
        if name:
            grab.save(Path(self.harness.dir) / name)
        return grab

    def start(self, name):
        main = start_main_window(self, self.harness, OUTPUT, name)
        self.main = main
        self.away = (main.origin[0] + 600, main.origin[1] + 450)  # over no control
        self.harness.xdotool("mousemove", "--sync", *self.away)
        apps = [w for w in self.harness.windows()
                if w["pid"] == main.window["pid"] and w["class"] == "TApplication"]
        self.assertEqual(len(apps), 1, "the program's application window")
        self.application = apps[0]
        self.previews = Path(main.folder) / "Previews"
        self.previews.mkdir()
        return main

    def rect(self, place):
        left, top, width, height = place
        x, y = self.main.origin
        return (x + left, y + top, x + left + width, y + top + height)

    def frame_pieces(self):
        """The title band and the left, right and bottom borders, on the screen."""
        left, top, right, bottom = self.main.window["frame"]
        client_left, client_top = self.main.origin
        width, height = self.main.window["client"]
        return {"title band": (left, top, right, client_top),
                "left border": (left, client_top, client_left, client_top + height),
                "right border": (client_left + width, client_top, right, client_top + height),
                "bottom border": (left, client_top + height, right, bottom)}

    def send(self, name, options="", quiet_ms=None):
        """Sends the record naming a skin of the previews folder. With `quiet_ms`, waits until the
        window's thread is free again and the window stayed unchanged for that long, and answers
        when (ms) it first changed, when the program was free and when the window last changed:
        figures only, as a paint held up on a busy machine can outlast any quiet spell."""
        path = Path(self.harness.dir) / "preview-record.bin"
        path.write_bytes(preview_record(name, wine_path(self.previews), options))
        args = ["copydata", self.application["hwnd"], PREVIEW_COPYDATA_ID, wine_path(path)]
        if quiet_ms is not None:
            args += [self.main.window["hwnd"], quiet_ms]
        lines = self.harness.probe(*args).split()
        self.assertEqual(lines[0], "1", "the record is taken")
        return tuple(int(n) for n in lines[1:4]) if quiet_ms is not None else None

    def pieces(self):
        """Every piece of the window the tests judge, on the screen."""
        return {**{piece: self.rect(place) for piece, place in PLACES.items()},
                **self.frame_pieces()}

    @staticmethod
    def turned_shares(before, after, rect):
        """The share of the piece's pixels in the turned colours, and the share that changed."""
        old, new = region(before, rect), region(after, rect)
        faithful = sum(close(turned(a), b) for a, b in zip(old, new)) / len(old)
        changed = sum(not close(a, b, 24) for a, b in zip(old, new)) / len(old)
        return faithful, changed

    def looks_turned(self, before, after, rects):
        return all(faithful >= FAITHFUL and changed > 0.3 for faithful, changed in
                   (self.turned_shares(before, after, rect) for rect in rects))

    def assert_turned(self, before, after, rect, piece):
        faithful, changed = self.turned_shares(before, after, rect)
        self.assertGreaterEqual(faithful, FAITHFUL, f"the {piece} shows the turned skin")
        self.assertGreater(changed, 0.3, f"the {piece} changed its look")

    @staticmethod
    def looks_as_before(before, after, rect):
        differing = sum(sum(old[i:i + 3] != new[i:i + 3] for i in range(0, len(old), 3))
                        for old, new in zip(rows(before, rect), rows(after, rect)) if old != new)
        left, top, right, bottom = rect
        return differing <= (right - left) * (bottom - top) // 200

    def assert_as_before(self, before, after, rect, what):
        self.assertTrue(self.looks_as_before(before, after, rect), f"{what} looks as before")

    def test_a_sent_skin_shows_everywhere_and_the_stored_one_sent_back_shows_as_before(self):
        main = self.start("skin-preview")
        window = main.window["frame"]
        (self.previews / "Turned.asz").write_bytes(
            turned_package(STORED_SKIN.read_bytes(), self.harness.dir))
        before = self.shown(window, name="skin-change-stored.png")

        first, free, last = self.send("Turned", quiet_ms=500)
        print(f"preview record to window repainted: first change {first} ms, program free "
              f"{free} ms, last change {last} ms")
        pieces = self.pieces()
        after = self.shown(window, lambda grab: self.looks_turned(before, grab, pieces.values()),
                           "skin-change-turned.png")
        for piece, rect in pieces.items():
            self.assert_turned(before, after, rect, piece)

        self.harness.post(main.window, WM_SYSCOMMAND, SC_MINIMIZE)
        menu_rect = self.open_tray_menu()
        left, top, right, bottom = menu_rect
        ground_at = (right - 12, top + (bottom - top) // 4)  # "Показать окно настроек"
        hovered_at = (right - 12, top + (bottom - top) * 3 // 4)
        self.harness.xdotool("mousemove", "--sync", *hovered_at)
        menu = self.shown(menu_rect, lambda grab: near(grab.at(*ground_at), turned(GROUND)) and
                          near(grab.at(*hovered_at), turned(SELECTED)),
                          "skin-change-tray-menu.png")
        ground, hovered = menu.at(*ground_at), menu.at(*hovered_at)
        self.assertTrue(near(ground, turned(GROUND)), f"the menu's ground is turned: {ground}")
        self.assertTrue(near(hovered, turned(SELECTED)), f"the item is turned: {hovered}")
        self.harness.click(*ground_at)
        self.harness.wait_for_window("Velmora")
        self.harness.xdotool("mousemove", "--sync", *self.away)

        self.send(STORED_NAME)
        back = self.shown(window, lambda grab: self.looks_as_before(before, grab, window),
                          "skin-change-back.png", steady=False)
        self.assert_as_before(before, back, window, "the window")
        self.harness.post(main.window, WM_CLOSE)
        self.assertEqual(main.program.wait(timeout=30), 0)

    def test_a_folder_skin_takes_the_options_text_the_record_carries(self):
        main = self.start("skin-folder")
        members, _ = read_package(STORED_SKIN.read_bytes())
        folder = self.previews / "Folded"
        folder.mkdir()
        for name, content in members:
            target = "Options.dat" if name.upper() == "OPTIONS.DAT" else name
            (folder / target).write_bytes(content)
        # Every text colour pure red, in the record only: the folder's own file keeps the skin's.
        red = "\r\n".join(line.split("=")[0] + "=255" if line.split("=")[0] in
                          ("FONTCOLOR", "HOTFONTCOLOR", "FONTCOLOR2") else line
                          for line in options_of(STORED_SKIN.read_bytes()).split("\r\n"))
        label = self.rect(PLACES["check box"])
        reds = lambda grab: sum(r > 160 and g < 60 and b < 60 for r, g, b in region(grab, label))
        self.assertEqual(reds(self.shown(label, name="skin-folder-before.png")), 0)
        self.send("Folded", red)
        self.assertGreater(reds(self.shown(label, lambda grab: reds(grab) > 10,
                                           "skin-folder-red.png")), 10, "the caption turned red")
        self.harness.post(main.window, WM_CLOSE)
        self.assertEqual(main.program.wait(timeout=30), 0)

    def change_to(self, name, look, window):
        """Sends the record and waits until the window shows `look` again; answers the ms until
        the program was free and until the look was seen."""
        start = time.monotonic()
        _, free, _ = self.send(name, quiet_ms=0)
        shown = self.shown(window, lambda grab: self.looks_as_before(look, grab, window),
                           steady=False)
        self.assert_as_before(look, shown, window, f"the window in {name}")
        return free, round((time.monotonic() - start) * 1000)

    def test_fifty_changes_leave_gdi_objects_and_memory_flat(self):
        main = self.start("skin-changes")
        window = main.window["frame"]
        (self.previews / "Turned.asz").write_bytes(
            turned_package(STORED_SKIN.read_bytes(), self.harness.dir))
        marker = str(Path(main.folder).name)
        stored = self.shown(window)
        self.send("Turned", quiet_ms=0)
        pieces = self.pieces().values()
        looks = {"Turned": self.shown(window, lambda grab: self.looks_turned(stored, grab, pieces)),
                 STORED_NAME: stored}
        times = [self.change_to(STORED_NAME, stored, window)]
        gdi, memory = self.harness.gdi_objects(main.window), resident_kb(marker)
        for change in range(CHANGES):
            name = "Turned" if change % 2 == 0 else STORED_NAME
            times.append(self.change_to(name, looks[name], window))
        gdi_after, memory_after = self.harness.gdi_objects(main.window), resident_kb(marker)
        frees = sorted(free for free, _ in times)
        seen = sorted(shown for _, shown in times)
        print(f"{CHANGES} skin changes: GDI objects {gdi} -> {gdi_after}, "
              f"private memory {memory} -> {memory_after} KB; program free after "
              f"{frees[len(frees) // 2]} ms (median), {frees[-1]} ms (longest); new look read "
              f"back after {seen[len(seen) // 2]} ms (median), {seen[-1]} ms (longest)")
        self.assertLessEqual(gdi_after, gdi + GDI_SETTLING)
        self.assertLessEqual(memory_after, memory + MEMORY_SLACK_KB)
        self.harness.post(main.window, WM_CLOSE)
        self.assertEqual(main.program.wait(timeout=30), 0)

    def skin_active(self, on):
        """Switches the skin and returns once the program has handled the switch; the repainting
        it sets off is waited for by whoever reads the window next."""
        self.harness.probe("send", self.main.window["hwnd"], self.switch, 1 if on else 0)

    @staticmethod
    def drawn(grab, rect):
        """The control shows more than one flat colour: something is drawn there."""
        return len(set(region(grab, rect))) > 3

    def assert_drawn(self, grab, place, what):
        self.assertTrue(self.drawn(grab, self.rect(place)), f"the {what} is drawn")

    def test_the_skin_switched_off_and_on_leaves_every_control_drawn_and_working(self):
        main = self.start("skin-active")
        self.switch = int(self.harness.probe("message", "Velmora.SkinActive"))
        window = main.window["frame"]
        before = self.shown(window, name="skin-active-on.png")
        places = {piece: self.rect(place) for piece, place in PLACES.items()}
        platform_look = lambda grab: all(
            self.drawn(grab, rect) and region(grab, rect) != region(before, rect)
            for rect in places.values())
        skinned_look = lambda grab: self.looks_as_before(before, grab, window)
        self.skin_active(False)
        off = self.shown(window, platform_look, "skin-active-off.png")
        shown = next(w for w in self.harness.windows() if w["hwnd"] == main.window["hwnd"])
        self.assertIsNone(shown["region"], "a rectangular window again")
        self.assertTrue(shown["style"] & 0x80000, "with the platform's system menu")
        for piece, place in PLACES.items():
            self.assert_drawn(off, place, piece)
            self.assertNotEqual(region(off, places[piece]), region(before, places[piece]),
                                f"the {piece} is in the platform's look")
        box = places["check box"]
        check = control_at(main.controls, main.origin, *PLACES["check box"][:2])
        self.harness.click_control(check, 8)
        clicked = self.shown(box, lambda grab: region(grab, box) != region(off, box),
                             "skin-active-off-clicked.png")
        self.assertNotEqual(region(clicked, box), region(off, box), "the box takes a click")
        self.harness.click_control(check, 8)
        self.shown(box, lambda grab: region(grab, box) != region(clicked, box))  # taken back
        self.harness.xdotool("mousemove", "--sync", *self.away)
        self.skin_active(True)
        self.assert_as_before(before, self.shown(window, skinned_look, "skin-active-again.png",
                                                 steady=False), window, "the window skinned again")
        gdi = self.harness.gdi_objects(main.window)
        for _ in range(3):
            self.skin_active(False)
            self.shown(window, platform_look)
            self.skin_active(True)
            self.assert_as_before(before, self.shown(window, skinned_look, steady=False), window,
                                  "the window skinned again")
        self.assertLessEqual(self.harness.gdi_objects(main.window), gdi + GDI_SETTLING,
                             "switching the skin off and on leaves no GDI object behind")
        self.harness.post(main.window, WM_CLOSE)
        self.assertEqual(main.program.wait(timeout=30), 0)

    def test_a_broken_packed_skin_at_start_leaves_every_control_drawn_by_the_platform(self):
        self.harness.skin_at_start(self, b"ASzf" + bytes([3, 0, 0, 0, 200]) + b"broken")
        folder = self.harness.install(OUTPUT, "skin-broken")
        program = self.harness.start_program(folder)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        deadline = time.monotonic() + 60
        boxes = []
        while not boxes and time.monotonic() < deadline:
            boxes = [w for w in self.harness.windows() if w["class"] == "#32770" and w["visible"]]
            time.sleep(0.3)
        self.assertTrue(boxes, "the load error is shown")
        self.harness.post(boxes[0], WM_CLOSE)
        window = self.harness.wait_for_window("Velmora")
        controls = self.harness.children(window)
        origin = next(c for c in controls if c["class"] == "VelmoraImage")["rect"][:2]
        self.main = type("Main", (), {"origin": origin})
        places = [self.rect(place) for place in PLACES.values()]
        shot = self.shown(window["frame"], lambda grab: all(self.drawn(grab, r) for r in places),
                          "skin-broken.png")
        for piece, place in PLACES.items():
            self.assert_drawn(shot, place, piece)
        button = region(shot, self.rect(PLACES["own button"]))
        self.assertTrue(any(max(p) < 80 for p in button), "the defaults button shows its caption")
        self.harness.post(window, WM_CLOSE)
        self.assertEqual(program.wait(timeout=30), 0)

    def test_a_drop_down_list_turns_hot_under_the_pointer(self):
        main = self.start("skin-list-hover")
        left, top, width, height = PLACES["list"]
        rect = self.rect((left + width - 24, top, 24, height))  # its button
        normal = region(self.shown(rect, name="list-normal.png"), rect)
        self.harness.xdotool("mousemove", "--sync", (rect[0] + rect[2]) // 2,
                             (rect[1] + rect[3]) // 2)
        # The hover notices come on a 100 ms timer, the fade after.
        hot = region(self.shown(rect, lambda grab: region(grab, rect) != normal, "list-hot.png"),
                     rect)
        self.assertNotEqual(hot, normal, "the list shows its hot look under the pointer")
        self.harness.xdotool("mousemove", "--sync", *self.away)
        left = region(self.shown(rect, lambda grab: region(grab, rect) == normal, "list-left.png",
                                 steady=False), rect)
        self.assertEqual(left, normal, "leaving brings the normal look back")
        self.harness.post(main.window, WM_CLOSE)
        self.assertEqual(main.program.wait(timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
