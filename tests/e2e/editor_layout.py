"""Where the editor's controls are, in the main window's client coordinates
(1006 x 651), and the colours the checks look for."""

TITLE = "Varnock 0.4"
CLIENT_SIZE = (1006, 651)

# The tile palette: 10 x 10 cells of 27 pixels; cell (c, r) shows code 10r + c.
PALETTE = (8, 32, 268, 268)
PALETTE_PITCH = 27


def palette_cell_centre(code):
    column, row = code % 10, code // 10
    return PALETTE[0] + column * PALETTE_PITCH + 13, PALETTE[1] + row * PALETTE_PITCH + 13


# The map view; its last pixel column and row lie under the scroll bars.
MAP_VIEW = (288, 32, 697, 577)
MAP_VIEW_SEEN = (288, 32, 696, 576)
TILE = 25


def map_cell_centre(column, row, scroll=(0, 0)):
    """The window point over the middle of a map cell."""
    return (MAP_VIEW[0] + column * TILE + TILE // 2 - scroll[0],
            MAP_VIEW[1] + row * TILE + TILE // 2 - scroll[1])


# The probe label shows the code under the right button.
PROBE_LABEL = (248, 568, 33, 13)

# Scroll bars with 17-pixel arrows at their ends.
ARROW = 17
HORIZONTAL_BAR = (288, 608, 697, 19)
VERTICAL_BAR = (984, 32, 19, 577)
ARROW_LEFT = (HORIZONTAL_BAR[0] + ARROW // 2, HORIZONTAL_BAR[1] + 9)
ARROW_RIGHT = (HORIZONTAL_BAR[0] + HORIZONTAL_BAR[2] - ARROW // 2 - 1, HORIZONTAL_BAR[1] + 9)
ARROW_UP = (VERTICAL_BAR[0] + 9, VERTICAL_BAR[1] + ARROW // 2)
ARROW_DOWN = (VERTICAL_BAR[0] + 9, VERTICAL_BAR[1] + VERTICAL_BAR[3] - ARROW // 2 - 1)

GENERATE_BUTTON = (8, 312, 265, 25)

# The status bar's two panels of 100 pixels: cell and cursor.
STATUS_PANELS = [(0, 632, 100, 19), (100, 632, 100, 19)]
STATUS_BACKGROUND = [(0xF0, 0xF0, 0xF0), (0xD0, 0xD0, 0xD0)]  # face and divider

# The menu bar: "Файл" at the left, its items in a list below, 22 pixels each.
MENU_TITLE = (20, 12)
MENU_ITEMS = ["Создать", "Открыть...", "Сохранить", "Выход"]
MENU_HIGHLIGHT = (0x91, 0xC9, 0xF7)
MENU_BACK = (0xFF, 0xFF, 0xFF)


def menu_item_point(caption):
    return 50, 25 + 22 * MENU_ITEMS.index(caption) + 11


# Colours drawn over the map and the palette.
LIME = (0, 255, 0)  # the picked cell's frame
WHITE = (255, 255, 255)  # sector lines and the cursor rectangle
SECTOR = 350  # sector lines at map pixels 0, 349/350, 699/700, ...
TILE_KEY = (255, 0, 255)  # transparent in the tile strip

CONFIRM_TITLE = "Confirm"
SAVE_TITLE = "Save File"
OPEN_TITLE = "Open File"
