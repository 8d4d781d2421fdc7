"""The program's CPU under Wine while a slider's thumb is dragged back and forth without pause,
against the same program idle, each over the same span.

    python3 bench/wine/thumb_drag_cpu.py BUILD_DIR [SECONDS]

BUILD_DIR is a Windows build tree (build/cross or build/cross64); its harness session is started
and stopped here, so no end-to-end test may run at the same time."""

import os
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "harness"))
from velmora_harness import Harness  # noqa: E402

BALANCE = (260, 25)  # the brook's balance slider; its design value 0 puts the thumb mid-way


def program_ticks(folder):
    """User and system clock ticks of the Wine process that runs the program in `folder`."""
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            command = (entry / "cmdline").read_bytes().decode(errors="replace")
            # Wine shows the program's path in its own form (Z:\work\...).
            if f"{folder}/Velmora.exe" in command.replace("\\", "/"):
                fields = (entry / "stat").read_text().rsplit(")", 1)[1].split()
                return int(fields[11]) + int(fields[12])
        except OSError:
            continue
    raise RuntimeError("the program's process was not found")


def cpu_percent(folder, seconds, action):
    start_ticks, start = program_ticks(folder), time.monotonic()
    action(seconds)
    ticks, elapsed = program_ticks(folder) - start_ticks, time.monotonic() - start
    return 100.0 * ticks / os.sysconf("SC_CLK_TCK") / elapsed


def main(build_dir, seconds):
    os.environ.setdefault("VELMORA_PROBE", str(Path(build_dir) / "tests" / "velmora-probe.exe"))
    state = Path(tempfile.mkdtemp(prefix="velmora-cpu-"))
    harness = Harness.start(state)
    try:
        folder = harness.install(Path(build_dir) / "bin", "cpu")
        harness.start_program(folder)
        window = harness.wait_for_window("Velmora")
        controls = harness.children(window)
        origin = next(c for c in controls if c["class"] == "VelmoraImage")["rect"][:2]
        slider = next(c for c in controls
                      if c["rect"][:2] == [origin[0] + BALANCE[0], origin[1] + BALANCE[1]])
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
    finally:
        harness.stop()


if __name__ == "__main__":
    main(sys.argv[1], float(sys.argv[2]) if len(sys.argv) > 2 else 10.0)
