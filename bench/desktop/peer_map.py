"""The map the peer editor opens: 99 x 99 cells of 25 x 25 pixels, all of
the first tile (water, as a new map of ours), in its own TMX format, with our
tile strip as its tileset picture."""

import os
import subprocess

SIDE = 99
TILE = 25
STRIP_TILES = 64


def write_peer_map(folder, tile_strip_bmp):
    picture = os.path.join(folder, "tiles_25x25.png")
    subprocess.run(["convert", tile_strip_bmp, picture], check=True, timeout=60)
    rows = ",\n".join(",".join(["1"] * SIDE) for _ in range(SIDE))
    tmx = """<?xml version="1.0" encoding="UTF-8"?>
<map version="1.8" orientation="orthogonal" renderorder="right-down" width="{side}" height="{side}" tilewidth="{tile}" tileheight="{tile}" infinite="0" nextlayerid="2" nextobjectid="1">
 <tileset firstgid="1" name="tiles" tilewidth="{tile}" tileheight="{tile}" tilecount="{count}" columns="{count}">
  <image source="tiles_25x25.png" width="{width}" height="{tile}"/>
 </tileset>
 <layer id="1" name="ground" width="{side}" height="{side}">
  <data encoding="csv">
{rows}
</data>
 </layer>
</map>
""".format(side=SIDE, tile=TILE, count=STRIP_TILES, width=STRIP_TILES * TILE, rows=rows)
    path = os.path.join(folder, "map.tmx")
    with open(path, "w") as out:
        out.write(tmx)
    return path
