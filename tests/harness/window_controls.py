"""Starting the program until its main window shows, finding the window's controls by their
design places, and driving them round in cycles of hover, press and list opening, as leak checks
need."""

import time
from typing import NamedTuple

from velmora_harness import settings_text


class MainWindow(NamedTuple):
    program: object  # the running process
    folder: str
    window: dict
    controls: list
    origin: list  # the client area's top left on the screen: the background picture's corner


def start_main_window(test, harness, output, name, settings=None):
    """Runs the program from a fresh copy of `output` with a settings file (the design values by
    default) until its main window shows and has painted; the test's cleanup kills a program
    still running (a benchmark passes no test: its session's end does)."""
    folder = harness.install(output, name, settings or settings_text())
    program = harness.start_program(folder)
    if test:
        test.addCleanup(lambda: program.poll() is None and program.kill())
    window = harness.wait_for_window("Velmora")
    controls = harness.children(window)
    origin = next(c for c in controls if c["class"] == "VelmoraImage")["rect"][:2]
    time.sleep(1)
    return MainWindow(program, folder, window, controls, origin)


def control_at(controls, origin, x, y):
    """The control whose top left corner lies at design point (x, y) of the client area (the
    harness runs at the design resolution)."""
    for control in controls:
        if control["rect"][:2] == [origin[0] + x, origin[1] + y]:
            return control
    raise AssertionError(f"no control at {x}, {y}")


def centre(control):
    left, top, right, bottom = control["rect"]
    return (left + right) // 2, (top + bottom) // 2


def hover_press_open(harness, slider, check_box, combo, away, count):
    """`count` cycles, each one real pointer round: rest on the slider (its thumb fades hot),
    click the check box twice (ticked, then back), open and close the drop-down list with two
    clicks on its face, and leave for a point over no control. The pauses let fades and the
    list's painting run; the clicks are far enough apart not to make a double click."""
    path = ["mousemove", "--sync", *centre(slider), "sleep", 0.1,
            "mousemove", "--sync", *centre(check_box), "click", 1, "sleep", 0.6, "click", 1,
            "sleep", 0.1, "mousemove", "--sync", *centre(combo), "click", 1, "sleep", 0.3,
            "click", 1, "sleep", 0.1, "mousemove", "--sync", *away, "sleep", 0.1]
    for _ in range(count):
        harness.xdotool(*path)
    time.sleep(0.5)
