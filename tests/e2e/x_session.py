"""A private X desktop for one run: Xvfb on a free display, openbox on it, and
the environment a program started there gets (scratch home and XDG folders,
no session bus, no accessibility bridge, in-memory GSettings)."""

import ctypes
import os
import select
import signal
import subprocess
import sys
import time

from polling import E2EFailure, wait_until

SCREEN = "1280x1024x24"
# Display numbers of our own; others on the machine use other ones.
DEFAULT_DISPLAYS = range(71, 80)
# Environment variables of the caller a program under test still needs.
PASSED_THROUGH = ("PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS")


def _die_with_parent():
    # Whatever ends this script (a CTest timeout's SIGKILL included) must not
    # leave an X server or an editor behind.
    PR_SET_PDEATHSIG = 1
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def start_child(args, env, cwd=None, log=None):
    """Starts a program that dies with this script, its output in `log`."""
    out = open(log, "ab") if log else subprocess.DEVNULL
    try:
        return subprocess.Popen(args, env=env, cwd=cwd, stdin=subprocess.DEVNULL, stdout=out,
                                stderr=subprocess.STDOUT, preexec_fn=_die_with_parent)
    finally:
        if log:
            out.close()


def stop_child(process, grace=5.0):
    """SIGTERM, then SIGKILL after `grace` seconds; returns the exit status."""
    if process is None:
        return None
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    return process.returncode


class XSession:
    def __init__(self, work_dir, displays=DEFAULT_DISPLAYS):
        self.work_dir = work_dir
        self.displays = displays
        self.display = None
        self.server = None
        self.window_manager = None
        self.home = os.path.join(work_dir, "home")

    def start(self, attempts=3):
        """Starts the server and the window manager; a desktop that fails to
        come up (its server gone under a busy machine) is tried again anew."""
        self._make_home()
        for attempt in range(1, attempts + 1):
            try:
                self._start_desktop()
                return
            except E2EFailure as error:
                self.stop()
                if attempt == attempts:
                    raise
                print("X desktop attempt %d failed, trying again: %s" % (attempt, error), file=sys.stderr)

    def _start_desktop(self):
        for number in self.displays:
            if self._start_server(number):
                break
        else:
            raise E2EFailure("no free X display among :%d..:%d" % (self.displays[0], self.displays[-1]))
        self.window_manager = start_child(["openbox", "--sm-disable"], self.env(),
                                          log=os.path.join(self.work_dir, "openbox.log"))
        # Without a window manager GTK's dialogs would get no focus; wait until
        # openbox has announced itself on the root window.
        wait_until(self._window_manager_ready, 20, "openbox managing the display " + self.display)

    def stop(self):
        stop_child(self.window_manager)
        stop_child(self.server)
        self.window_manager = self.server = self.display = None

    def env(self):
        """The environment of a program started on this desktop."""
        env = {name: os.environ[name] for name in PASSED_THROUGH if name in os.environ}
        env.update({
            "DISPLAY": self.display,
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "XDG_DATA_HOME": os.path.join(self.home, ".local", "share"),
            "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime"),
            "GSETTINGS_BACKEND": "memory",
            "NO_AT_BRIDGE": "1",
            "LANG": "C.UTF-8",
        })
        return env

    def _make_home(self):
        for sub in (".config", ".cache", os.path.join(".local", "share")):
            os.makedirs(os.path.join(self.home, sub), exist_ok=True)
        os.makedirs(os.path.join(self.home, "runtime"), mode=0o700, exist_ok=True)

    @staticmethod
    def _display_taken(number):
        # A server holds its display by the lock file with its process id; a
        # socket left by a killed server is no hindrance, Xvfb replaces it.
        try:
            with open("/tmp/.X%d-lock" % number) as lock:
                pid = int(lock.read().strip())
        except (OSError, ValueError):
            return os.path.exists("/tmp/.X%d-lock" % number)
        try:
            os.kill(pid, 0)
        except ProcessLookupError:
            return False
        except PermissionError:
            pass
        return True

    def _start_server(self, number):
        if self._display_taken(number):
            return False
        # Xvfb writes the display number to the pipe once it accepts clients.
        read_end, write_end = os.pipe()
        log = os.path.join(self.work_dir, "xvfb.log")
        with open(log, "ab") as out:
            server = subprocess.Popen(
                ["Xvfb", ":%d" % number, "-screen", "0", SCREEN, "-nolisten", "tcp", "-displayfd", str(write_end)],
                stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT, pass_fds=(write_end,),
                preexec_fn=_die_with_parent)
        os.close(write_end)
        try:
            answer = self._read_ready(read_end, server, 20)
        finally:
            os.close(read_end)
        if answer is None:
            stop_child(server)
            return False
        self.server = server
        self.display = ":%d" % number
        return True

    @staticmethod
    def _read_ready(fd, server, timeout):
        deadline = time.monotonic() + timeout
        data = b""
        while time.monotonic() < deadline:
            ready, _, _ = select.select([fd], [], [], 0.2)
            if ready:
                chunk = os.read(fd, 64)
                if not chunk:
                    return None  # the server went away (display taken meanwhile)
                data += chunk
                if data.endswith(b"\n"):
                    return data.strip()
            elif server.poll() is not None:
                return None
        return None

    def _log_tail(self, name, characters=600):
        try:
            with open(os.path.join(self.work_dir, name), errors="replace") as log:
                return log.read()[-characters:].strip() or "(nothing)"
        except OSError:
            return "(no log)"

    def _window_manager_ready(self):
        if self.window_manager.poll() is not None:
            raise E2EFailure("openbox exited with status %d on %s: %s; X server %s: %s" % (
                self.window_manager.returncode, self.display, self._log_tail("openbox.log"),
                "running" if self.server.poll() is None else "exited with %s" % self.server.returncode,
                self._log_tail("xvfb.log")))
        out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env(),
                             capture_output=True, text=True, timeout=10).stdout
        return "window id #" in out
