"""One measured run of one program on a fresh Xvfb desktop with openbox:
launch until its window is viewable, resident memory 5 s after launch, CPU
over 10 s untouched, CPU over 5 s of a painting drag; the X server's CPU
over the same two spans."""

import os
import shutil
import tempfile
import time

from desktop import Desktop
from polling import E2EFailure, wait_until
from proc_stats import cpu_seconds, resident_mib
from subjects import drag_script
from window_state import window_state
from x_session import XSession, start_child, stop_child

# Display numbers apart from the end-to-end test's first choices.
DISPLAYS = range(76, 80)
MEMORY_AT = 5.0
IDLE_SECONDS = 10.0
DRAG_MOVES = 500
DRAG_INTERVAL = 0.010


def _cpu_over(pids, span_seconds, action=None):
    """CPU percent of one core each pid used while `action` ran (or, with
    no action, during `span_seconds` of waiting), and the wall time."""
    before = [cpu_seconds(pid) for pid in pids]
    started = time.monotonic()
    if action:
        action()
    else:
        time.sleep(span_seconds)
    wall = time.monotonic() - started
    return [100 * (cpu_seconds(pid) - b) / wall for pid, b in zip(pids, before)], wall


def measure_once(subject, screenshot=None):
    """The figures of one run as a dict; raises E2EFailure when the program
    does not come up or does not paint."""
    work_dir = tempfile.mkdtemp(prefix="varnock_desktop_")
    session = XSession(work_dir, DISPLAYS)
    program = None
    try:
        session.start()
        desk = Desktop(session.env())
        desk.park_pointer()
        command = subject.command(work_dir)
        launched = time.monotonic()
        program = start_child(command, session.env(), cwd=work_dir, log=os.path.join(work_dir, "program.log"))

        def viewable():
            if program.poll() is not None:
                raise E2EFailure("%s exited with status %d" % (subject.name, program.returncode))
            state = window_state(subject.title, desk.env)
            return state if state and state[1] == "IsViewable" else None

        window, _ = wait_until(viewable, 60, "%s's window to be viewable" % subject.name, interval=0.005)
        figures = {"launch_ms": 1000 * (time.monotonic() - launched)}

        time.sleep(max(0.0, launched + MEMORY_AT - time.monotonic()))
        figures["rss_mib"] = resident_mib(program.pid)

        (idle_program, idle_server), _ = _cpu_over([program.pid, session.server.pid], IDLE_SECONDS)
        figures["idle_cpu"], figures["idle_xvfb"] = idle_program, idle_server

        subject.ready_to_paint(desk, window)
        script = drag_script(window, subject.drag_centre(), DRAG_MOVES, DRAG_INTERVAL)
        (drag_program, drag_server), wall = _cpu_over(
            [program.pid, session.server.pid], None, lambda: desk.run_script(script))
        figures["drag_cpu"], figures["drag_xvfb"], figures["drag_wall"] = drag_program, drag_server, wall
        wait_until(lambda: subject.painted(desk, window), 30, "%s to show the painted cells" % subject.name)
        if screenshot:
            desk.capture("root").save_png(screenshot)
        return figures
    finally:
        stop_child(program)
        session.stop()
        shutil.rmtree(work_dir, ignore_errors=True)
