#!/usr/bin/env python3
"""Desktop figures of the editor under Xvfb with openbox, by hand, not a
test: launch until the window is viewable, resident memory 5 s after launch,
CPU over 10 s untouched and over 5 s of a painting drag (a move every 10 ms,
left button held over the map), for the editor and for the X server. Five
runs each; min / median / max.

When the peer editor of Debian's package `tiled` is installed, it is
measured the same way in the same run (without network, fresh configuration,
a 99 x 99 map of 25 x 25 tiles in its TMX format) and each of our medians is
printed divided by its median. --install-peer installs the package first if
Debian offers it.

    bench/desktop/run.py [--varnock build/varnock] [--runs 5] [--install-peer] [--shots DIR]"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys

# No __pycache__ folders in the source tree.
sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
# The private X desktop and the xdotool driver are the end-to-end test's.
sys.path[:0] = [HERE, os.path.join(ROOT, "tests", "e2e")]

from measured_run import measure_once  # noqa: E402
from subjects import Tiled, Varnock  # noqa: E402

METRICS = [
    ("launch_ms", "launch until viewable", "ms"),
    ("rss_mib", "resident memory at 5 s", "MiB"),
    ("idle_cpu", "CPU untouched 10 s, program", "%"),
    ("idle_xvfb", "CPU untouched 10 s, Xvfb", "%"),
    ("drag_cpu", "CPU painting drag 5 s, program", "%"),
    ("drag_xvfb", "CPU painting drag 5 s, Xvfb", "%"),
]


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--varnock", default=os.path.join(ROOT, "build", "varnock"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--install-peer", action="store_true", help="apt-get install tiled when Debian offers it")
    parser.add_argument("--shots", help="folder for a screenshot after each program's first drag")
    return parser.parse_args()


def peer_offered():
    policy = subprocess.run(["apt-cache", "policy", "tiled"], capture_output=True, text=True).stdout
    for line in policy.splitlines():
        if line.strip().startswith("Candidate:"):
            return line.split(":", 1)[1].strip() != "(none)"
    return False


def install_peer():
    if shutil.which("tiled"):
        return
    if not peer_offered():
        print("the package tiled is not offered by apt; measuring ours only")
        return
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    subprocess.run(sudo + ["apt-get", "install", "-y", "-qq", "--no-install-recommends", "tiled"], env=env,
                   check=True, stdout=subprocess.DEVNULL)


def spread(values):
    return "%8.1f %8.1f %8.1f" % (min(values), statistics.median(values), max(values))


def print_table(subjects, results):
    header = "%-32s %-4s" % ("figure", "unit")
    for subject in subjects:
        header += "  %-26s" % ("%s min / median / max" % subject.name)
    if len(subjects) == 2:
        header += "  ours / peer (medians)"
    print(header)
    for key, label, unit in METRICS:
        line = "%-32s %-4s" % (label, unit)
        medians = []
        for subject in subjects:
            values = [run[key] for run in results[subject.name]]
            line += "  %-26s" % spread(values)
            medians.append(statistics.median(values))
        if len(medians) == 2:
            line += "  %s" % ("%.2f" % (medians[0] / medians[1]) if medians[1] > 0 else "n/a (peer 0)")
        print(line)


def main():
    args = parse_args()
    if args.install_peer:
        install_peer()
    tile_strip = os.path.join(ROOT, "assets", "tiles_25x25.bmp")
    subjects = [Varnock(args.varnock)]
    if shutil.which("tiled"):
        subjects.append(Tiled(tile_strip))
    else:
        print("tiled is not installed: measuring ours only (--install-peer installs it)")
    if args.shots:
        os.makedirs(args.shots, exist_ok=True)
    results = {subject.name: [] for subject in subjects}
    # The programs take turns, so a disturbance of the machine falls on both.
    for run in range(args.runs):
        for subject in subjects:
            shot = os.path.join(args.shots, "%s_drag.png" % subject.name) if args.shots and run == 0 else None
            figures = measure_once(subject, shot)
            results[subject.name].append(figures)
            print("run %d %-8s %s" % (run + 1, subject.name,
                                      "  ".join("%s=%.1f" % (key, figures[key]) for key in sorted(figures))),
                  flush=True)
    print()
    print_table(subjects, results)
    return 0


if __name__ == "__main__":
    sys.exit(main())
