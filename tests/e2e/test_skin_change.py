"""Skins that come and go while the program runs. A second skin (the stored one with every colour
turned round, red taking green's value, green blue's and blue red's) sent through the preview
interface shows everywhere on the window and on the tray icon's menu, and the stored skin
sent back shows everything as before; a folder skin takes the record's options text; fifty
changes leave GDI objects and memory flat. The skin switched off and on again leaves every
control drawn and working in between; a broken packed skin at start leaves a usable window that
the platform draws; a drop-down list turns hot under the real pointer."""

import os
import shutil
import time
import unittest
from pathlib import Path

from skin_package import (PREVIEW_COPYDATA_ID, options_of, preview_record, read_package,
                          turned, turned_package, wine_path)
import test_popup_menus
from test_popup_menus import GROUND, SELECTED, near
from test_settings_and_tray import SC_MINIMIZE, WM_SYSCOMMAND
from test_skinned_controls import Shot
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


def region(shot, rect):
    left, top, right, bottom = rect
    return [shot.at(x, y) for y in range(top, bottom) for x in range(left, right)]


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

    def shot(self, name):
        return Shot(self.harness.screenshot(Path(self.harness.dir) / name))

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

    def send(self, name, options="", watch=True):
        """Sends the record naming a skin of the previews folder; with `watch`, waits until the
        window stayed unchanged for a while and answers when (ms) it first changed, when the
        program was free again and when the window last changed."""
        path = Path(self.harness.dir) / "preview-record.bin"
        path.write_bytes(preview_record(name, wine_path(self.previews), options))
        args = ["copydata", self.application["hwnd"], PREVIEW_COPYDATA_ID, wine_path(path)]
        if watch:
            args += [self.main.window["hwnd"], 500]
        lines = self.harness.probe(*args).split()
        self.assertEqual(lines[0], "1", "the record is taken")
        return tuple(int(n) for n in lines[1:4]) if watch else None

    def assert_turned(self, before, after, rect, piece):
        old, new = region(before, rect), region(after, rect)
        faithful = sum(close(turned(a), b) for a, b in zip(old, new)) / len(old)
        changed = sum(not close(a, b, 24) for a, b in zip(old, new)) / len(old)
        self.assertGreaterEqual(faithful, FAITHFUL, f"the {piece} shows the turned skin")
        self.assertGreater(changed, 0.3, f"the {piece} changed its look")

    def assert_as_before(self, before, after, rect, what):
        old, new = region(before, rect), region(after, rect)
        differing = sum(a != b for a, b in zip(old, new))
        self.assertLessEqual(differing, len(old) // 200, f"{what} looks as before")

    def test_a_sent_skin_shows_everywhere_and_the_stored_one_sent_back_shows_as_before(self):
        main = self.start("skin-preview")
        (self.previews / "Turned.asz").write_bytes(
            turned_package(STORED_SKIN.read_bytes(), self.harness.dir))
        before = self.shot("skin-change-stored.png")

        first, free, last = self.send("Turned")
        print(f"preview record to window repainted: first change {first} ms, program free "
              f"{free} ms, last change {last} ms")
        after = self.shot("skin-change-turned.png")
        for piece, place in PLACES.items():
            self.assert_turned(before, after, self.rect(place), piece)
        for piece, rect in self.frame_pieces().items():
            self.assert_turned(before, after, rect, piece)

        self.harness.post(main.window, WM_SYSCOMMAND, SC_MINIMIZE)
        left, top, right, bottom = self.open_tray_menu()
        self.harness.xdotool("mousemove", "--sync", right - 12, top + (bottom - top) * 3 // 4)
        time.sleep(1)
        menu = self.shot("skin-change-tray-menu.png")
        ground = menu.at(right - 12, top + (bottom - top) // 4)
        hovered = menu.at(right - 12, top + (bottom - top) * 3 // 4)
        self.assertTrue(near(ground, turned(GROUND)), f"the menu's ground is turned: {ground}")
        self.assertTrue(near(hovered, turned(SELECTED)), f"the item is turned: {hovered}")
        self.harness.click(right - 12, top + (bottom - top) // 4)  # "Показать окно настроек"
        self.harness.wait_for_window("Velmora")
        self.harness.xdotool("mousemove", "--sync", *self.away)

        self.send(STORED_NAME)
        back = self.shot("skin-change-back.png")
        self.assert_as_before(before, back, main.window["frame"], "the window")
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
        reds = lambda shot: sum(r > 160 and g < 60 and b < 60 for r, g, b in region(shot, label))
        self.assertEqual(reds(self.shot("skin-folder-before.png")), 0)
        self.send("Folded", red)
        self.assertGreater(reds(self.shot("skin-folder-red.png")), 10, "the caption turned red")
        self.harness.post(main.window, WM_CLOSE)
        self.assertEqual(main.program.wait(timeout=30), 0)

    def test_fifty_changes_leave_gdi_objects_and_memory_flat(self):
        main = self.start("skin-changes")
        (self.previews / "Turned.asz").write_bytes(
            turned_package(STORED_SKIN.read_bytes(), self.harness.dir))
        marker = str(Path(main.folder).name)
        times = []
        for name in ("Turned", STORED_NAME):
            times.append(self.send(name))
        gdi, memory = self.harness.gdi_objects(main.window), resident_kb(marker)
        for change in range(CHANGES):
            times.append(self.send("Turned" if change % 2 == 0 else STORED_NAME))
        gdi_after, memory_after = self.harness.gdi_objects(main.window), resident_kb(marker)
        frees = sorted(free for _, free, _ in times)
        lasts = sorted(last for _, _, last in times)
        print(f"{CHANGES} skin changes: GDI objects {gdi} -> {gdi_after}, "
              f"private memory {memory} -> {memory_after} KB; program free after "
              f"{frees[len(frees) // 2]} ms (median), {frees[-1]} ms (longest); window last "
              f"changed after {lasts[len(lasts) // 2]} ms (median), {lasts[-1]} ms (longest)")
        self.assertLessEqual(gdi_after, gdi + GDI_SETTLING)
        self.assertLessEqual(memory_after, memory + MEMORY_SLACK_KB)
        self.harness.post(main.window, WM_CLOSE)
        self.assertEqual(main.program.wait(timeout=30), 0)

    def skin_active(self, on):
        """Switches the skin and waits for the switch; the repainting it leaves comes next."""
        message = int(self.harness.probe("message", "Velmora.SkinActive"))
        self.harness.probe("send", self.main.window["hwnd"], message, 1 if on else 0)
        time.sleep(1)

    def assert_drawn(self, shot, place, what):
        """The control shows more than one flat colour: something is drawn there."""
        pixels = region(shot, self.rect(place))
        self.assertGreater(len(set(pixels)), 3, f"the {what} is drawn")

    def test_the_skin_switched_off_and_on_leaves_every_control_drawn_and_working(self):
        main = self.start("skin-active")
        before = self.shot("skin-active-on.png")
        self.skin_active(False)
        off = self.shot("skin-active-off.png")
        window = next(w for w in self.harness.windows() if w["hwnd"] == main.window["hwnd"])
        self.assertIsNone(window["region"], "a rectangular window again")
        self.assertTrue(window["style"] & 0x80000, "with the platform's system menu")
        for piece, place in PLACES.items():
            self.assert_drawn(off, place, piece)
            self.assertNotEqual(region(off, self.rect(place)), region(before, self.rect(place)),
                                f"the {piece} is in the platform's look")
        check = control_at(main.controls, main.origin, *PLACES["check box"][:2])
        self.harness.click_control(check, 8)
        time.sleep(0.5)
        clicked = self.shot("skin-active-off-clicked.png")
        self.assertNotEqual(region(clicked, self.rect(PLACES["check box"])),
                            region(off, self.rect(PLACES["check box"])), "the box takes a click")
        self.harness.click_control(check, 8)
        self.harness.xdotool("mousemove", "--sync", *self.away)
        self.skin_active(True)
        self.assert_as_before(before, self.shot("skin-active-again.png"), main.window["frame"],
                              "the window skinned again")
        gdi = self.harness.gdi_objects(main.window)
        for _ in range(3):
            self.skin_active(False)
            self.skin_active(True)
        self.assertLessEqual(self.harness.gdi_objects(main.window), gdi + GDI_SETTLING,
                             "switching the skin off and on leaves no GDI object behind")
        self.harness.post(main.window, WM_CLOSE)
        self.assertEqual(main.program.wait(timeout=30), 0)

    def test_a_broken_packed_skin_at_start_leaves_every_control_drawn_by_the_platform(self):
        # The program's skin directory, c:\Velmora\Skins, in the session's emulated drive.
        skins = Path(self.harness.state["prefix"]) / "drive_c" / "Velmora" / "Skins"
        existing = next(p for p in (skins, *skins.parents) if p.exists())
        if existing != skins:  # what this test makes goes after it
            self.addCleanup(shutil.rmtree, existing / skins.relative_to(existing).parts[0], True)
        skins.mkdir(parents=True, exist_ok=True)
        broken = skins / f"{STORED_NAME}.asz"
        broken.write_bytes(b"ASzf" + bytes([3, 0, 0, 0, 200]) + b"broken")
        self.addCleanup(broken.unlink, missing_ok=True)
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
        time.sleep(1)
        controls = self.harness.children(window)
        origin = next(c for c in controls if c["class"] == "VelmoraImage")["rect"][:2]
        self.main = type("Main", (), {"origin": origin})
        shot = self.shot("skin-broken.png")
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
        normal = region(self.shot("list-normal.png"), rect)
        self.harness.xdotool("mousemove", "--sync", (rect[0] + rect[2]) // 2,
                             (rect[1] + rect[3]) // 2)
        time.sleep(1)  # the hover notices come on a 100 ms timer, the fade after
        hot = region(self.shot("list-hot.png"), rect)
        self.assertNotEqual(hot, normal, "the list shows its hot look under the pointer")
        self.harness.xdotool("mousemove", "--sync", *self.away)
        time.sleep(1)
        self.assertEqual(region(self.shot("list-left.png"), rect), normal,
                         "leaving brings the normal look back")
        self.harness.post(main.window, WM_CLOSE)
        self.assertEqual(main.program.wait(timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
