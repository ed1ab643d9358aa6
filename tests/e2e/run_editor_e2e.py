#!/usr/bin/env python3
"""The editor end to end: the real program on a private X desktop, driven
with the mouse and the keyboard through xdotool, checked by its screenshots,
its saved files and its exit status.

    run_editor_e2e.py --varnock PATH --vnkmap PATH --tiles assets/tiles_25x25.bmp --artefacts DIR

Exit status 0 when every check holds. On a failure the screenshots, the
editor's output and the desktop's logs are copied into DIR, whose paths are
printed. E2E_KEEP_SHOTS=1 keeps them after a passing run too."""

import argparse
import os
import shutil
import signal
import sys
import tempfile
import time
import traceback

# No __pycache__ folders in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import Desktop  # noqa: E402
from editor_scenario import EditorScenario  # noqa: E402
from expected_views import ExpectedViews  # noqa: E402
from pixels import Picture  # noqa: E402
from polling import E2EFailure  # noqa: E402
from screenshots import Screenshots  # noqa: E402
from x_session import XSession, start_child, stop_child  # noqa: E402


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--varnock", required=True)
    parser.add_argument("--vnkmap", required=True)
    parser.add_argument("--tiles", required=True, help="the tile strip picture")
    parser.add_argument("--artefacts", required=True, help="where a failed run leaves its screenshots")
    return parser.parse_args()


def missing_tools():
    return [tool for tool in ("Xvfb", "openbox", "xdotool", "xprop", "import", "convert") if not shutil.which(tool)]


def record_failure(desktop, editor_window, shots):
    """The whole screen (dialogs included) and the editor's window as they
    are at the moment of failure; best effort, the desktop may be gone."""
    for window, what in (("root", "failure whole screen"), (editor_window, "failure main window")):
        if window is None:
            continue
        try:
            shots.save(what, desktop.capture(window))
        except Exception as error:  # noqa: BLE001 - the report must still be written
            print("(no screenshot of %s: %s)" % (window, error))


def print_tail(path, lines=30):
    if os.path.isfile(path):
        with open(path, errors="replace") as log:
            tail = log.readlines()[-lines:]
        if tail:
            print("editor output (last %d lines):" % len(tail))
            print("".join("  " + line for line in tail), end="")


def main():
    args = parse_args()
    missing = missing_tools()
    if missing:
        print("FAILED: tools missing (tools/bootstrap installs them): " + ", ".join(missing))
        return 1
    # A timeout's SIGTERM takes the normal way out, through the clean-up.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    shutil.rmtree(args.artefacts, ignore_errors=True)
    work_dir = tempfile.mkdtemp(prefix="varnock_e2e_")
    shots = Screenshots(os.path.join(work_dir, "shots"))
    editor_log = os.path.join(work_dir, "varnock.log")
    session = XSession(work_dir)
    editor = None
    scenario = None
    started = time.monotonic()
    failure = None
    try:
        session.start()
        desktop = Desktop(session.env())
        desktop.park_pointer()
        editor = start_child([os.path.abspath(args.varnock)], session.env(), cwd=work_dir, log=editor_log)
        scenario = EditorScenario(desktop, editor, ExpectedViews(args.vnkmap, work_dir), Picture.load(args.tiles),
                                  work_dir, shots)
        scenario.run()
    except E2EFailure as error:
        failure = str(error)
    except Exception:  # noqa: BLE001 - any error of the script is a failed run too
        failure = traceback.format_exc()
    except SystemExit:
        failure = "stopped from outside (timeout?)"
    if failure and session.display:
        record_failure(Desktop(session.env()), scenario.window if scenario else None, shots)
    display = session.display
    status = stop_child(editor)
    session.stop()
    logs = [editor_log] + [os.path.join(work_dir, name) for name in ("xvfb.log", "openbox.log")]
    if failure or os.environ.get("E2E_KEEP_SHOTS") == "1":
        kept = shots.keep_in(args.artefacts, logs)
    shutil.rmtree(work_dir, ignore_errors=True)
    print("display %s, %.1f s" % (display, time.monotonic() - started))
    if failure:
        print("FAILED: " + failure)
        if editor is not None and status is not None:
            print("editor exit status when stopped: %s" % status)
        print_tail(os.path.join(args.artefacts, os.path.basename(editor_log)))
        print("artefacts:")
        for path in kept:
            print("  " + path)
        return 1
    print("PASSED: %d steps checked" % len(shots.paths))
    return 0


if __name__ == "__main__":
    sys.exit(main())
