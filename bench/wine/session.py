"""A harness session of its own for a benchmark: the display, the sound server and the Wine
prefix, started for the benchmark and stopped after it. No end-to-end test may run at the same
time on the same cache (set VELMORA_CACHE to a copy to run both)."""

import contextlib
import os
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "harness"))
from velmora_harness import Harness  # noqa: E402


@contextlib.contextmanager
def session(build_dir):
    os.environ.setdefault("VELMORA_PROBE", str(Path(build_dir) / "tests" / "velmora-probe.exe"))
    harness = Harness.start(Path(tempfile.mkdtemp(prefix="velmora-bench-")))
    try:
        yield harness
    finally:
        harness.stop()


def program_ticks(folder, program="Velmora.exe"):
    """User and system clock ticks of the Wine process that runs `program` in `folder`."""
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            command = (entry / "cmdline").read_bytes().decode(errors="replace")
            # Wine shows the program's path in its own form (Z:\work\...).
            if f"{folder}/{program}" in command.replace("\\", "/"):
                fields = (entry / "stat").read_text().rsplit(")", 1)[1].split()
                return int(fields[11]) + int(fields[12])
        except OSError:
            continue
    raise RuntimeError("the program's process was not found")
