"""The program's CPU under Wine against the floor every process that plays sound pays here: the
engine's output keeping its four 10 ms blocks of silence queued at the device, and nothing else
(silence_floor.exe), which plays beside it. The program is measured with its window shown and
idle, with a slider thumb's state fade started again and again, and hidden in the tray; its
layers are all off, as the floor plays nothing.

    python3 bench/wine/idle_cpu.py BUILD_DIR [SECONDS]

BUILD_DIR is a Windows build tree (build/cross or build/cross64)."""

import os
import subprocess
import sys
import time
from pathlib import Path

from session import program_ticks, session
from window_controls import centre, control_at, start_main_window

SW_MINIMIZE = 6


def cpu_percents(processes, seconds, action=time.sleep):
    """Each (folder, program)'s share of one core over the same span, while `action` runs."""
    start_ticks = [program_ticks(*p) for p in processes]
    start = time.monotonic()
    action(seconds)
    elapsed = time.monotonic() - start
    return [100.0 * (program_ticks(*p) - t) / os.sysconf("SC_CLK_TCK") / elapsed
            for p, t in zip(processes, start_ticks)]


def main(build_dir, seconds):
    with session(build_dir) as harness:
        _, folder, window, controls, origin = start_main_window(None, harness,
                                                                Path(build_dir) / "bin", "cpu")
        # The floor plays beside the program through every span, so that both meet the same
        # moments of the machine and of the sound server.
        floor = subprocess.Popen([harness.wine, str(Path(folder) / "silence_floor.exe"),
                                  str(int(3 * seconds + 60))], env=harness.env(),
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        processes = [(folder, "Velmora.exe"), (folder, "silence_floor.exe")]
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

        found = [("shown and idle", cpu_percents(processes, seconds)),
                 ("fading", cpu_percents(processes, seconds, fading))]
        harness.show(window, SW_MINIMIZE)
        time.sleep(3)
        found.append(("hidden in the tray", cpu_percents(processes, seconds)))
        floor.kill()
        for name, (program, silence) in found:
            print(f"{name}: {program:.2f} % of one core over {seconds} s, the floor "
                  f"{silence:.2f} % ({program - silence:+.2f})")


if __name__ == "__main__":
    main(sys.argv[1], float(sys.argv[2]) if len(sys.argv) > 2 else 20.0)
