"""What the map view must show, made by vnkmap from map files: the same
drawing code as the editor, run headless, so the screen can be compared
pixel for pixel."""

import os
import subprocess

import map_text
from pixels import Picture
from polling import E2EFailure


class ExpectedViews:
    def __init__(self, vnkmap, work_dir):
        self.vnkmap = vnkmap
        self.work_dir = work_dir
        self.cache = {}
        self.count = 0

    def _run(self, *args):
        done = subprocess.run([self.vnkmap] + list(args), capture_output=True, text=True, timeout=60)
        if done.returncode != 0:
            raise E2EFailure("vnkmap %s failed (%d): %s" % (" ".join(args), done.returncode, done.stderr.strip()))

    def map_file(self, cells):
        """A map file holding `cells` ((column, row) -> code), zero elsewhere."""
        self.count += 1
        path = os.path.join(self.work_dir, "expected_%d.vnkmap" % self.count)
        with open(path, "wb") as out:
            out.write(map_text.encode(cells))
        return path

    def of_file(self, path, scroll=(0, 0)):
        """The map view for the map in `path`, scrolled by `scroll` pixels,
        with the cursor rectangle in the top-left cell."""
        key = (path, os.path.getmtime(path), scroll)
        if key not in self.cache:
            self.count += 1
            out = os.path.join(self.work_dir, "expected_%d.png" % self.count)
            self._run("render", path, out, "--scroll", "%d,%d" % scroll)
            self.cache[key] = Picture.load(out)
        return self.cache[key]

    def generated(self, path):
        """The file the landscape generator makes of `path` on its first run."""
        self.count += 1
        out = os.path.join(self.work_dir, "generated_%d.vnkmap" % self.count)
        self._run("generate", path, out)
        return out
