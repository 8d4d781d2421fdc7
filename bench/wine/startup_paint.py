"""How long the program takes under Wine from its start to the first complete paint of its
skinned window: the moment the screen shows the window's title band in the skin's dark green
and the window's pixels stop changing.

    python3 bench/wine/startup_paint.py BUILD_DIR [RUNS]

The screen is read about every 0.1 s, which bounds the resolution."""

import hashlib
import subprocess
import sys
import time
from pathlib import Path

from session import session


def window_pixels(harness):
    """The visible Velmora window's pixels as raw RGB, or None while it is not on screen."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Velmora$"],
                           env=harness.env(), capture_output=True, text=True).stdout.split()
    if not found:
        return None, None
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", found[-1]],
                              env=harness.env(), capture_output=True, text=True).stdout
    g = dict(line.split("=") for line in geometry.split())
    crop = f"{g['WIDTH']}x{g['HEIGHT']}+{g['X']}+{g['Y']}"
    raw = subprocess.run(["import", "-window", "root", "-crop", crop, "-depth", "8", "rgb:-"],
                         env=harness.env(), capture_output=True).stdout
    return raw, int(g["WIDTH"])


def dark_green_title(raw, width):
    i = 3 * (8 * width + width // 3)  # a point of the title band, left of its buttons
    r, g, b = raw[i:i + 3]
    return g >= r and g >= b and g < 0x60


def one_run(harness, build_dir, name):
    folder = harness.install(Path(build_dir) / "bin", name)
    start = time.monotonic()
    program = harness.start_program(folder)
    previous, painted = None, None
    while painted is None:
        raw, width = window_pixels(harness)
        if raw and len(raw) > 3 * 9 * width and dark_green_title(raw, width):
            digest = hashlib.sha1(raw).digest()
            if previous and previous[0] == digest:
                painted = previous[1]
            previous = (digest, time.monotonic() - start)
        time.sleep(0.05)
    program.kill()
    # Ends the program itself too, so the next run is not a second copy.
    subprocess.run(["wineserver", "-k"], env=harness.env())
    return painted


def main(build_dir, runs):
    with session(build_dir) as harness:
        times = sorted(one_run(harness, build_dir, f"start{i}") for i in range(runs))
    print("first complete paint after start: " + ", ".join(f"{t:.2f}" for t in times) + " s")


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 5)
