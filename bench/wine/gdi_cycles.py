"""GDI objects the program holds after start and after rounds of hovering a slider, pressing a
check box twice and opening and closing a drop-down list with the real pointer.

    python3 bench/wine/gdi_cycles.py BUILD_DIR [ROUNDS]

BUILD_DIR is a Windows build tree (build/cross or build/cross64); ROUNDS defaults to 1000."""

import sys
from pathlib import Path

from session import session
from window_controls import control_at, hover_press_open, start_main_window


def main(build_dir, rounds):
    with session(build_dir) as harness:
        _, _, window, controls, origin = start_main_window(None, harness,
                                                           Path(build_dir) / "bin", "gdi")
        slider, fire, combo = (control_at(controls, origin, *place)
                               for place in ((260, 25), (13, 65), (265, 186)))
        away = (origin[0] + 600, origin[1] + 450)
        print(f"after start: {harness.gdi_objects(window)} GDI objects")
        done = 0
        for target in [t for t in (1, 10, 100) if t < rounds] + [rounds]:
            hover_press_open(harness, slider, fire, combo, away, target - done)
            done = target
            print(f"after {done} rounds: {harness.gdi_objects(window)} GDI objects", flush=True)


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 1000)
