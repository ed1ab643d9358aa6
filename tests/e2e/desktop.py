"""What a person does at the desktop, through xdotool: find windows by their
titles, move and press the mouse in a window's coordinates, press keys and
type into the focused window; and what they see, through ImageMagick's
import."""

import subprocess
import time

from pixels import Picture
from polling import E2EFailure, wait_until

# GTK enables a dialog's default button a moment after the text that makes it
# sensitive; Enter pressed before that does nothing. The only fixed pause.
DIALOG_SETTLE_SECONDS = 0.3


class Desktop:
    def __init__(self, env):
        self.env = env

    def xdotool(self, *args):
        done = subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, capture_output=True, text=True,
                              timeout=30)
        return done.returncode, done.stdout

    def _do(self, *args):
        code, out = self.xdotool(*args)
        if code != 0:
            raise E2EFailure("xdotool %s failed with status %d" % (" ".join(map(str, args)), code))
        return out

    # ---- windows ----

    def windows_named(self, pattern):
        """Ids of the shown windows whose title matches the regex."""
        code, out = self.xdotool("search", "--onlyvisible", "--name", pattern)
        return [int(line) for line in out.split()] if code == 0 else []

    def wait_window(self, pattern, timeout=30):
        ids = wait_until(lambda: self.windows_named(pattern), timeout, "a window titled %r" % pattern)
        return ids[-1]

    def wait_no_window(self, pattern, timeout=30):
        wait_until(lambda: not self.windows_named(pattern), timeout, "no window titled %r" % pattern)

    def active_window(self):
        code, out = self.xdotool("getactivewindow")
        return int(out) if code == 0 and out.strip() else None

    def wait_active(self, window, what, timeout=30):
        """Keys go to the focused window; wait until that is `window`."""
        wait_until(lambda: self.active_window() == window, timeout, what + " to have the focus")

    # ---- mouse ----

    def move(self, window, x, y):
        self._do("mousemove", "--window", window, x, y)

    def click(self, window, x, y, button=1):
        self._do("mousemove", "--window", window, x, y, "click", button)

    def press(self, button=1):
        self._do("mousedown", button)

    def release(self, button=1):
        self._do("mouseup", button)

    def park_pointer(self):
        """Off every window of the editor: the screen's top-left corner."""
        self._do("mousemove", 0, 0)

    def run_script(self, script):
        """Runs an xdotool script, one command a line, in a single process:
        moves can then follow each other closer than starting xdotool takes."""
        done = subprocess.run(["xdotool", "-"], input=script, env=self.env, capture_output=True, text=True,
                              timeout=600)
        if done.returncode != 0:
            raise E2EFailure("xdotool script failed with status %d: %s" % (done.returncode, done.stderr.strip()))

    # ---- keyboard ----

    def key(self, *names):
        self._do("key", "--clearmodifiers", *names)

    def type(self, text):
        self._do("type", "--delay", 10, text)

    def enter_into_dialog(self, dialog, title, text, timeout=30):
        """Replaces the text of the focused field of a GTK dialog and confirms
        with Enter, as a person does: select all, type, Enter. Enter again if
        the first one only closed the name completion's popup."""
        self.wait_active(dialog, "the %r dialog" % title, timeout)
        self.key("ctrl+a")
        self.type(text)
        time.sleep(DIALOG_SETTLE_SECONDS)
        deadline = time.monotonic() + timeout
        while True:
            if self.active_window() == dialog:
                self.key("Return")
            try:
                wait_until(lambda: not self.windows_named("^%s$" % title), 3, "the %r dialog to close" % title)
                return
            except E2EFailure:
                if time.monotonic() >= deadline:
                    raise

    # ---- the screen ----

    def capture(self, window="root"):
        """The window's pixels as the screen shows them."""
        ppm = subprocess.run(["import", "-window", str(window), "-depth", "8", "ppm:-"], env=self.env,
                             capture_output=True, timeout=60)
        if ppm.returncode != 0:
            raise E2EFailure("import -window %s failed: %s" % (window, ppm.stderr.decode(errors="replace").strip()))
        return Picture.from_ppm(ppm.stdout)
