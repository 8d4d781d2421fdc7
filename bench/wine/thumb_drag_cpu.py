"""The program's CPU under Wine while a slider's thumb is dragged back and forth without pause,
against the same program idle, each over the same span.

    python3 bench/wine/thumb_drag_cpu.py BUILD_DIR [SECONDS]

BUILD_DIR is a Windows build tree (build/cross or build/cross64)."""

import os
import sys
import time
from pathlib import Path

from session import program_ticks, session
from window_controls import control_at, start_main_window

BALANCE = (260, 25)  # the brook's balance slider; its design value 0 puts the thumb mid-way


def cpu_percent(folder, seconds, action):
    start_ticks, start = program_ticks(folder), time.monotonic()
    action(seconds)
    ticks, elapsed = program_ticks(folder) - start_ticks, time.monotonic() - start
    return 100.0 * ticks / os.sysconf("SC_CLK_TCK") / elapsed


def main(build_dir, seconds):
    with session(build_dir) as harness:
        _, folder, window, controls, origin = start_main_window(None, harness,
                                                                Path(build_dir) / "bin", "cpu")
        slider = control_at(controls, origin, *BALANCE)
        left, top, right, bottom = slider["rect"]
        centre_x, centre_y = (left + right) // 2, (top + bottom) // 2
        away = (origin[0] + 600, origin[1] + 450)
        harness.xdotool("mousemove", "--sync", *away)
        time.sleep(2)

        def idle(span):
            time.sleep(span)

        def drag(span):
            harness.xdotool("mousemove", "--sync", centre_x, centre_y)
            harness.xdotool("mousedown", "1")
            end, step = time.monotonic() + span, 0
            while time.monotonic() < end:
                offset = (step % 40) - 20 if (step // 40) % 2 == 0 else 20 - (step % 40)
                harness.xdotool("mousemove", centre_x + 2 * offset, centre_y)
                step += 1
            harness.xdotool("mouseup", "1")

        idle_cpu = cpu_percent(folder, seconds, idle)
        drag_cpu = cpu_percent(folder, seconds, drag)
        print(f"idle: {idle_cpu:.1f} % of one core over {seconds} s")
        print(f"thumb dragged: {drag_cpu:.1f} % of one core over {seconds} s")


if __name__ == "__main__":
    main(sys.argv[1], float(sys.argv[2]) if len(sys.argv) > 2 else 10.0)
