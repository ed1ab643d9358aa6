"""Waiting for a condition with a deadline, and the one failure every check
raises. The test waits for what it can see, never a fixed time (save the
short settle GTK needs before Enter, in desktop.py): a slow machine only
makes it slower, never wrong."""

import time


class E2EFailure(Exception):
    """A check that did not hold; the message says what was expected."""


def wait_until(condition, timeout, what, interval=0.1):
    """Calls `condition` until it returns something true and returns that;
    raises E2EFailure naming `what` once `timeout` seconds have passed."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() >= deadline:
            raise E2EFailure("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(interval)
