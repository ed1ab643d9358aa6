"""The screenshots of a run, numbered in the order taken. They live in the
run's scratch folder and are copied next to the test's build files when the
run fails, for whoever has to find out why."""

import os
import re
import shutil


class Screenshots:
    def __init__(self, folder):
        self.folder = folder
        os.makedirs(folder, exist_ok=True)
        self.paths = []

    def save(self, what, picture):
        name = "%02d_%s.png" % (len(self.paths) + 1, re.sub(r"[^A-Za-z0-9]+", "_", what).strip("_"))
        path = os.path.join(self.folder, name)
        picture.save_png(path)
        self.paths.append(path)
        return path

    def keep_in(self, artefacts, extra_files=()):
        """Copies every screenshot and `extra_files` into `artefacts`;
        returns the copies' paths."""
        os.makedirs(artefacts, exist_ok=True)
        kept = []
        for path in self.paths + [p for p in extra_files if os.path.isfile(p)]:
            target = os.path.join(artefacts, os.path.basename(path))
            shutil.copyfile(path, target)
            kept.append(target)
        return kept
