"""The two programs measured: how each is started, the title its window
gets, and how a person readies it for painting (pick a tile; the peer also
gets its zoom set to 100 %, so both paint 25-pixel cells on screen)."""

import math
import os

import editor_layout as layout
from window_state import window_state
from peer_map import write_peer_map


class Varnock:
    name = "varnock"
    title = layout.TITLE

    def __init__(self, binary):
        self.binary = os.path.abspath(binary)

    def command(self, run_dir):
        return [self.binary]

    def ready_to_paint(self, desk, window):
        desk.click(window, *layout.palette_cell_centre(1))  # sand

    def drag_centre(self):
        x, y, w, h = layout.MAP_VIEW
        return x + w // 2, y + h // 2

    def painted(self, desk, window):
        # The map starts all water; sand has a red its blues never reach.
        data = desk.capture(window).area(*layout.MAP_VIEW_SEEN).data
        return any(data[i] > 180 and data[i + 2] < 180 for i in range(0, len(data), 3))


class Tiled:
    """The peer editor from Debian's package, without network and with a
    fresh configuration folder (the run's scratch home)."""

    name = "tiled"
    title = "map.tmx \u2014 Tiled"
    modified_title = "*map.tmx \u2014 Tiled"
    # Where its window (1250 x 729 with a fresh configuration on a
    # 1280 x 1024 screen) shows the second tile of the tileset, the map zoom
    # box and the middle of the map view.
    SECOND_TILE = (1013, 438)
    ZOOM_BOX = (1110, 713)
    MAP_CENTRE = (747, 389)

    def __init__(self, tile_strip):
        self.tile_strip = tile_strip

    def command(self, run_dir):
        isolate = ["unshare", "-n"] if os.geteuid() == 0 else ["unshare", "-rn"]
        return isolate + ["tiled", write_peer_map(run_dir, self.tile_strip)]

    def ready_to_paint(self, desk, window):
        desk.click(window, *self.SECOND_TILE)  # sand, as for ours
        desk.click(window, *self.ZOOM_BOX)
        desk.key("ctrl+a")
        desk.type("100")
        desk.key("Return")

    def drag_centre(self):
        return self.MAP_CENTRE

    def painted(self, desk, window):
        # Its title marks a changed map with a star.
        return window_state(self.modified_title, desk.env) is not None


def drag_script(window, centre, moves, interval):
    """An xdotool script: press the left button at `centre`, then `moves`
    moves `interval` seconds apart along a sweep 300 x 200 pixels wide."""
    x0, y0 = centre
    lines = ["mousemove --window %d %d %d" % (window, x0, y0), "mousedown 1"]
    for i in range(1, moves + 1):
        x = x0 + int(150 * math.sin(i / 25))
        y = y0 + int(100 * math.sin(i / 60))
        lines += ["sleep %.3f" % interval, "mousemove --window %d %d %d" % (window, x, y)]
    lines.append("mouseup 1")
    return "\n".join(lines) + "\n"
