"""A window found by its exact title through xwininfo, which reads titles
in any encoding (xdotool's search misses the peer's UTF-8 title)."""

import os
import re
import subprocess


def window_state(title, env=None):
    """(window id, map state) of the window titled `title`, or None."""
    done = subprocess.run(["xwininfo", "-name", title], env=env or os.environ, capture_output=True, text=True,
                          timeout=30)
    if done.returncode != 0:
        return None
    window = re.search(r"Window id: (0x[0-9a-fA-F]+)", done.stdout)
    state = re.search(r"Map State: (\w+)", done.stdout)
    if not window or not state:
        return None
    return int(window.group(1), 16), state.group(1)
