"""Headless harness for the real Velmora.exe.

One harness session is a virtual display (Xvfb), a private PulseAudio server whose only sink is a
null sink (its monitor is recorded, and is paced in real time), and a private Wine prefix with a
persistent wineserver. Nothing of the user's own Wine prefix, sound server or display is used.
VELMORA_WINE_ARCH (win32, the default, or win64) at start says which build's Wine the session runs.

    velmora_harness.py start STATE_DIR [NAME]   start a session, write STATE_DIR/state.json; NAME
                                                names its Wine prefix (harness), so that
                                                sessions may run side by side
    velmora_harness.py stop STATE_DIR     end it
    velmora_harness.py run STATE_DIR OUTPUT_DIR SCREENSHOT   run Velmora in it
    velmora_harness.py wine STATE_DIR PROGRAM [ARGS...]      run another Windows program in it

Tests attach to a running session with Harness.attach(state_dir).
"""

import fcntl
import json
import os
import queue
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

from wav import read_wav

CACHE = Path(os.environ.get("VELMORA_CACHE",
                            Path(os.environ.get("XDG_CACHE_HOME", Path.home() / ".cache")) / "velmora"))
# Bump when the prefix's settings change, so cached prefixes are made anew.
PREFIX_SETUP_VERSION = "2"
SCREEN = "1280x1024x24"
WM_NULL = 0x0000
WM_CLOSE = 0x0010
HTCLOSE = 20
SETTINGS_FILE = "n_p_n.ini"
# Each architecture's loader, called directly: Debian's wrapper takes the 32-bit one whenever it
# is installed, even where the kernel cannot execute it.
WINE_LOADERS = {"win32": "/usr/lib/wine/wine", "win64": "/usr/lib/wine/wine64"}


def settings_text(**changes):
    """A settings file with the window's design values, the master volume at its top and the
    sound on, so a run starts without the missing-file message and plays at full level; keyword
    arguments change lines by their control's name."""
    lines = dict(chk1=0, TrackBar1=5, TrackBar2=0, trckbr4=0, rb2=0, chk2=0, trckbr1=5,
                 trckbr2=0, trckbr5=0, rb3=1, chk3=0, trckbr3=5, chk5=0, trckbr6=5, rb5=1, chk9=0,
                 trckbr10=5, cbb1=2, chk6=0, trckbr7=5, cbb2=2, chk4=0, trckbr8=5, RadioButton1=1,
                 chk7=0, trckbr9=5, chk8=0, cbb3=0, rb7=1, cbb4=0, strckbr11=100, chk10=1, rb9=1)
    lines.update(changes)
    return "".join(f"{value}\r\n" for value in lines.values()).encode("ascii")


def _wait_for(predicate, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if predicate():
            return
        time.sleep(0.1)
    raise TimeoutError(f"timed out waiting for {what}")


def _kill(pid):
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        pass


class _ProbeServer:
    """One probe process answering commands in turn: a Wine process's start costs seconds on a
    busy machine, and a test asks hundreds of questions."""

    END = b"\x1e"

    def __init__(self, wine, env):
        # Read by a thread: Wine's daemons may inherit the pipe and keep it open past the probe.
        self.process = subprocess.Popen([wine, os.environ["VELMORA_PROBE"], "serve"], env=env,
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line)

    def alive(self):
        return self.process.poll() is None

    def ask(self, args, timeout=60):
        self.process.stdin.write(("\t".join(args) + "\n").encode("utf-8"))
        self.process.stdin.flush()
        deadline = time.monotonic() + timeout
        output = []
        while True:
            try:
                line = self.lines.get(timeout=max(0, deadline - time.monotonic()))
            except queue.Empty:
                raise TimeoutError(f"the probe did not answer {args[0]}") from None
            if line.startswith(self.END):
                code = int(line[1:])
                break
            output.append(line)
        if code:
            raise subprocess.CalledProcessError(code, ["velmora-probe", *args])
        return b"".join(output).decode("utf-8")

    def end(self):
        self.process.kill()
        self.process.wait()


class Harness:
    def __init__(self, state):
        self.state = state
        self.dir = Path(state["dir"])
        self._probe = None

    # ---- session life ------------------------------------------------------------------------

    @classmethod
    def start(cls, state_dir, name="harness"):
        """A new session; `name` names its Wine prefix, so that sessions may run side by side."""
        state_dir = Path(state_dir).resolve()
        if (state_dir / "state.json").exists():
            cls.attach(state_dir).stop()
        shutil.rmtree(state_dir, ignore_errors=True)
        runtime = state_dir / "runtime"
        runtime.mkdir(parents=True, mode=0o700)
        (state_dir / "home").mkdir()
        arch = os.environ.get("VELMORA_WINE_ARCH", "win32")
        if arch not in WINE_LOADERS:
            raise ValueError(f"VELMORA_WINE_ARCH must be one of {sorted(WINE_LOADERS)}")
        prefix = name if arch == "win32" else f"{name}-{arch}"
        state = {"dir": str(state_dir), "runtime": str(runtime), "arch": arch,
                 "prefix": str(CACHE / "wine" / prefix)}
        harness = cls(state)
        harness._start_display()
        harness._start_sound_server()
        harness._prepare_prefix()
        harness._start_wineserver()
        harness._save()
        return harness

    @classmethod
    def attach(cls, state_dir):
        with open(Path(state_dir) / "state.json") as f:
            return cls(json.load(f))

    def stop(self):
        self._end_probe()
        subprocess.run(["wineserver", "-k"], env=self.env(), stderr=subprocess.DEVNULL)
        for key in ("pulse_pid", "xvfb_pid"):
            if key in self.state:
                _kill(self.state[key])
        (self.dir / "state.json").unlink(missing_ok=True)

    def _save(self):
        with open(self.dir / "state.json", "w") as f:
            json.dump(self.state, f, indent=2)

    def _start_display(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.state["display"] = f":{number}"
        self.state["xvfb_pid"] = xvfb.pid

    def _start_sound_server(self):
        runtime = Path(self.state["runtime"])
        socket = runtime / "pulse" / "native"
        socket.parent.mkdir(mode=0o700)
        script = runtime / "pulse.pa"
        script.write_text(
            "load-module module-null-sink sink_name=cap rate=44100 channels=2\n"
            "set-default-sink cap\n"
            f"load-module module-native-protocol-unix auth-anonymous=1 socket={socket}\n")
        subprocess.run(
            ["pulseaudio", "-n", "-F", str(script), "--exit-idle-time=-1", "--daemonize=yes",
             "--use-pid-file=yes", "--disallow-exit"],
            env=self._sound_env(), check=True, stderr=subprocess.DEVNULL)
        pid_file = socket.parent / "pid"
        _wait_for(lambda: socket.exists() and pid_file.exists(), 20, "the sound server")
        self.state["pulse_pid"] = int(pid_file.read_text().split()[0])

    def _prepare_prefix(self):
        prefix = Path(self.state["prefix"])
        prefix.parent.mkdir(parents=True, exist_ok=True)
        with open(prefix.parent / f"{prefix.name}.lock", "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            marker = prefix / ".velmora-setup"
            if marker.exists() and marker.read_text() == PREFIX_SETUP_VERSION:
                return
            shutil.rmtree(prefix, ignore_errors=True)
            env = self.env()
            # Wine's daemons inherit the standard handles: never hand them a pipe to wait on.
            subprocess.run([self.wine, "wineboot", "-i"], env=env, check=True, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
            # No window manager runs on the virtual display: the program's own frame is what shows,
            # and Wine, not waiting for a manager that never answers, shows and hides a window at
            # once (a managed window's hide waited four seconds for it).
            for key, name, kind, value in (
                    (r"HKCU\Software\Wine\X11 Driver", "Decorated", "REG_SZ", "N"),
                    (r"HKCU\Software\Wine\X11 Driver", "Managed", "REG_SZ", "N"),
                    (r"HKCU\Control Panel\Desktop", "LogPixels", "REG_DWORD", "120")):
                subprocess.run([self.wine, "reg", "add", key, "/v", name, "/t", kind, "/d", value,
                                "/f"], env=env, check=True, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=env, check=True)
            marker.write_text(PREFIX_SETUP_VERSION)

    def restart_wine(self):
        """Ends every program of the session and Wine's server with them, and starts a fresh
        server: nothing a test's run left inside Wine reaches the next test."""
        self._end_probe()
        self._start_wineserver()

    def _end_probe(self):
        if self._probe is not None:
            self._probe.end()
            self._probe = None

    def _start_wineserver(self):
        env = self.env()
        subprocess.run(["wineserver", "-k"], env=env, stderr=subprocess.DEVNULL)
        # Run from a shell, wineserver stays in the foreground: give it a session of its own.
        subprocess.Popen(["wineserver", "-f", "-p"], env=env, start_new_session=True,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    # ---- environments ------------------------------------------------------------------------

    def _sound_env(self):
        runtime = self.state["runtime"]
        env = {k: v for k, v in os.environ.items() if not k.startswith("PULSE")}
        env.update(XDG_RUNTIME_DIR=runtime, HOME=str(self.dir / "home"),
                   PULSE_SERVER=f"unix:{runtime}/pulse/native",
                   PULSE_COOKIE=f"{runtime}/pulse/cookie")
        return env

    @property
    def wine(self):
        return WINE_LOADERS[self.state["arch"]]

    def env(self):
        env = self._sound_env()
        env.update(WINEPREFIX=self.state["prefix"], WINEDEBUG="-all", WINELOADER=self.wine,
                   WINEDLLOVERRIDES="mscoree,mshtml=", DISPLAY=self.state["display"])
        # As in the scripts: the 32-bit program runs in Wine's default prefix, holding both halves.
        env.pop("WINEARCH", None)
        if self.state["arch"] == "win64":
            env["WINEARCH"] = "win64"
        env["HOME"] = os.environ.get("HOME", "/root")
        env.pop("XAUTHORITY", None)
        return env

    # ---- the program -------------------------------------------------------------------------

    def install(self, output_dir, name="run", settings=settings_text()):
        """A fresh copy of the program's folder (hard links), so runs never share written files,
        with the given settings file (bytes), or none."""
        target = self.dir / name
        shutil.rmtree(target, ignore_errors=True)
        shutil.copytree(output_dir, target, copy_function=os.link)
        if settings is not None:
            (target / SETTINGS_FILE).write_bytes(settings)
        return target

    def skin_at_start(self, test, data):
        """Puts a packed skin where the program looks for its stored skin first,
        c:\\Velmora\\Skins\\Emerald (internal).asz in the emulated drive, until the test ends."""
        skins = Path(self.state["prefix"]) / "drive_c" / "Velmora" / "Skins"
        existing = next(p for p in (skins, *skins.parents) if p.exists())
        if existing != skins:  # what this makes goes after the test
            test.addCleanup(shutil.rmtree, existing / skins.relative_to(existing).parts[0], True)
        skins.mkdir(parents=True, exist_ok=True)
        package = skins / "Emerald (internal).asz"
        package.write_bytes(data)
        test.addCleanup(package.unlink, missing_ok=True)

    def start_program(self, folder, args=()):
        return subprocess.Popen([self.wine, str(Path(folder) / "Velmora.exe"), *args], env=self.env(),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def probe(self, *args):
        """What the probe printed for one command; raises if the command failed."""
        if self._probe is None or not self._probe.alive():
            self._probe = _ProbeServer(self.wine, self.env())
        try:
            return self._probe.ask([str(a) for a in args])
        except (TimeoutError, BrokenPipeError):
            self._end_probe()
            raise

    def watch_pixel(self, x, y, ms, action):
        """The screen pixel at (x, y) over `ms` milliseconds while `action` runs: [(t, (r, g, b))]
        at the start and at every change."""
        with tempfile.TemporaryFile() as output:
            watcher = subprocess.Popen([self.wine, os.environ["VELMORA_PROBE"], "watch", str(x),
                                        str(y), str(ms)], env=self.env(), stdout=output,
                                       stderr=subprocess.DEVNULL)
            def ready():
                output.seek(0)
                return output.read().startswith(b"ready")
            _wait_for(ready, 60, "the pixel watcher")
            action()
            watcher.wait(timeout=60 + ms / 1000)
            output.seek(0)
            lines = output.read().decode().split("\n")[1:]
        samples = [[int(v) for v in line.split()] for line in lines if line.strip()]
        return [(t, (r, g, b)) for t, r, g, b in samples]

    def run_windows_program(self, program, *args):
        """Runs a Windows program in the session, prints what it wrote, returns its exit code."""
        with tempfile.TemporaryFile() as output:
            # Through a file: Wine's daemons keep inherited pipes open long after the program.
            code = subprocess.run([self.wine, program, *args], env=self.env(), stdout=output,
                                  stderr=subprocess.STDOUT, timeout=300).returncode
            output.seek(0)
            sys.stdout.write(output.read().decode("utf-8", "replace"))
        return code

    def windows(self):
        return [json.loads(line) for line in self.probe("windows").splitlines() if line.strip()]

    def wait_for_window(self, caption, timeout=60):
        """The visible top-level window with this caption, once its thread is free: a form may
        show before it has made its controls, and a window of a program just ended may linger
        in the list a moment, answering nothing."""
        found = []

        def visible():
            found[:] = [w for w in self.windows() if w["caption"] == caption and w["visible"]
                        and self._answers(w)]
            return bool(found)

        _wait_for(visible, timeout, f"a visible window '{caption}'")
        return next((w for w in self.windows() if w["hwnd"] == found[0]["hwnd"]), found[0])

    def _answers(self, window):
        try:
            self.probe("send", window["hwnd"], WM_NULL)
            return True
        except subprocess.CalledProcessError:
            return False

    def post(self, window, message, wparam=0, lparam=0):
        self.probe("post", window["hwnd"], message, wparam, lparam)

    def show(self, window, command):
        """Another program's show-window call on the window (SW_MINIMIZE is 6)."""
        self.probe("show", window["hwnd"], command)

    def focus(self, window):
        """The hwnd with the keyboard focus in the window's thread, 0 for none."""
        return int(self.probe("focus", window["hwnd"]))

    def accessible(self, window):
        """What the platform's accessibility interface answers for the window: "hresult", and
        where it succeeded "role", "name", "state" and "value"."""
        return json.loads(self.probe("accessible", window["hwnd"]))

    def text(self, window):
        """What the window answers to a text request (a tooltip: its tip)."""
        return json.loads(self.probe("text", window["hwnd"]))

    def children(self, window):
        """The window's controls (all depths) with their screen rectangles."""
        return [json.loads(line) for line in self.probe("children", window["hwnd"]).splitlines()
                if line.strip()]

    def gdi_objects(self, window):
        """How many GDI objects the window's process holds, stock objects aside."""
        return int(self.probe("gdi", window["pid"]))

    def frame_point(self, window, hit_code):
        """A screen point inside the part of the window's frame with this hit-test code."""
        x, y = self.probe("hittest", window["hwnd"], hit_code).split()
        return int(x), int(y)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env(), check=True)

    def click(self, x, y):
        """A real left click at a screen point."""
        self.xdotool("mousemove", "--sync", x, y)
        self.xdotool("click", 1)

    def click_control(self, control, dx=None):
        """Clicks a control from children(): at its centre, or dx pixels from its left edge."""
        left, top, right, bottom = control["rect"]
        self.click(left + (dx if dx is not None else (right - left) // 2), (top + bottom) // 2)

    def key(self, name):
        """A real key press to the window that has the keyboard focus."""
        self.xdotool("key", name)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", str(path)], env=self.env(), check=True)
        return Path(path)

    def record(self, path):
        return Recording(self, path)


class Recording:
    """What the program plays, as the null sink's monitor hears it, in real time."""

    def __init__(self, harness, path):
        self.path = Path(path)
        self.process = subprocess.Popen(
            ["parec", "--device=cap.monitor", "--file-format=wav", "--rate=44100",
             "--channels=2", "--format=s16le", str(self.path)],
            env=harness._sound_env())

    def wait_for(self, seconds, timeout=30):
        """Waits until the recording holds at least this much sound."""
        bytes_needed = 44 + int(seconds * 44100) * 4
        _wait_for(lambda: self.path.exists() and self.path.stat().st_size >= bytes_needed,
                  timeout, f"{seconds} s of recording")

    def stop(self):
        self.process.send_signal(signal.SIGINT)
        self.process.wait(timeout=20)
        return read_wav(self.path)


def _run_command(state_dir, output_dir, screenshot):
    """Starts Velmora in the session, saves a screenshot, then lets it run until it closes, or,
    when nobody is at a terminal to close it, closes it."""
    harness = Harness.attach(state_dir)
    program = harness.start_program(harness.install(output_dir))
    window = harness.wait_for_window("Velmora")
    time.sleep(1)
    print(f"Velmora is running on a virtual display; screenshot: {harness.screenshot(screenshot)}")
    if sys.stdin.isatty():
        print("Press Ctrl-C to close it.")
        try:
            return program.wait()
        except KeyboardInterrupt:
            pass
    harness.post(window, WM_CLOSE)
    return program.wait(timeout=30)


def main(argv):
    command, state_dir = argv[1], argv[2]
    if command == "start":
        Harness.start(state_dir, *argv[3:4])
    elif command == "stop":
        Harness.attach(state_dir).stop()
    elif command == "run":
        raise SystemExit(_run_command(state_dir, argv[3], argv[4]))
    elif command == "wine":
        raise SystemExit(Harness.attach(state_dir).run_windows_program(*argv[3:]))
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
