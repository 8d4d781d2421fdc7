"""The program's CPU under Wine against the floor every process that plays sound pays here: the
engine's output keeping its four 10 ms blocks of silence queued at the device, and nothing else
(silence_floor.exe). The program is measured with its window shown and idle, with a slider
thumb's state fade started again and again, and hidden in the tray; its layers are all off, as
the floor plays nothing.

    python3 bench/wine/idle_cpu.py BUILD_DIR [SECONDS]

BUILD_DIR is a Windows build tree (build/cross or build/cross64)."""

import os
import subprocess
import sys
import time
from pathlib import Path

from session import program_ticks, session
from window_controls import centre, control_at

SW_MINIMIZE = 6


def cpu_percent(folder, program, seconds, action=time.sleep):
    start_ticks, start = program_ticks(folder, program), time.monotonic()
    action(seconds)
    ticks, elapsed = program_ticks(folder, program) - start_ticks, time.monotonic() - start
    return 100.0 * ticks / os.sysconf("SC_CLK_TCK") / elapsed


def floor_percent(harness, folder, seconds):
    floor = subprocess.Popen([harness.wine, str(Path(folder) / "silence_floor.exe"),
                              str(int(seconds) + 4)], env=harness.env(),
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(2)
    try:
        return cpu_percent(folder, "silence_floor.exe", seconds)
    finally:
        floor.wait(timeout=60)


def main(build_dir, seconds):
    with session(build_dir) as harness:
        folder = harness.install(Path(build_dir) / "bin", "cpu")
        floor = floor_percent(harness, folder, seconds)
        harness.start_program(folder)
        window = harness.wait_for_window("Velmora")
        controls = harness.children(window)
        origin = next(c for c in controls if c["class"] == "VelmoraImage")["rect"][:2]
        thumb = centre(control_at(controls, origin, 260, 25))
        away = (origin[0] + 600, origin[1] + 450)
        harness.xdotool("mousemove", "--sync", *away)
        time.sleep(3)

        def fading(span):
            # Each entry and each leave starts a fade of six 12 ms steps.
            end = time.monotonic() + span
            while time.monotonic() < end:
                harness.xdotool("mousemove", *thumb, "sleep", 0.1, "mousemove", *away,
                                "sleep", 0.1)

        idle = cpu_percent(folder, "Velmora.exe", seconds)
        fade = cpu_percent(folder, "Velmora.exe", seconds, fading)
        harness.show(window, SW_MINIMIZE)
        time.sleep(3)
        hidden = cpu_percent(folder, "Velmora.exe", seconds)
        print(f"floor (engine output playing silence): {floor:.2f} % of one core over {seconds} s")
        for name, value in (("shown and idle", idle), ("fading", fade), ("hidden in the tray",
                                                                        hidden)):
            print(f"{name}: {value:.2f} % ({value - floor:+.2f} against the floor)")


if __name__ == "__main__":
    main(sys.argv[1], float(sys.argv[2]) if len(sys.argv) > 2 else 20.0)
