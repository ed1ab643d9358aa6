"""One session at the editor as a person has it: pick a tile, paint, probe,
scroll, save, answer New each way, open the file again, generate, quit.
Every step ends in a check of what the screen or the disk shows."""

import os

import editor_layout as L
import map_text
from pixels import differences
from polling import E2EFailure, wait_until

PICKED_CODE = 23  # a light boulder on sand
WAIT = 60  # seconds for anything the editor does; generous for sanitizer builds


class EditorScenario:
    def __init__(self, desktop, editor, views, tile_strip, work_dir, shots):
        self.desk = desktop
        self.editor = editor  # the running process
        self.views = views
        self.tile_strip = tile_strip
        self.work_dir = work_dir
        self.shots = shots
        self.window = None
        self.painted = {}
        self.maps_dir = os.path.join(work_dir, "maps")
        os.makedirs(self.maps_dir, exist_ok=True)

    # ---- helpers ----

    def alive(self):
        if self.editor.poll() is not None:
            raise E2EFailure("the editor exited with status %d" % self.editor.returncode)

    def capture(self):
        self.alive()
        picture = self.desk.capture(self.window)
        if (picture.width, picture.height) != L.CLIENT_SIZE:
            raise E2EFailure("main window captured as %dx%d, expected %dx%d" %
                             ((picture.width, picture.height) + L.CLIENT_SIZE))
        return picture

    def wait_screen(self, condition, what, timeout=WAIT):
        """Captures the window until `condition(picture)` holds; the last
        capture is kept as the step's screenshot either way."""
        last = {}

        def attempt():
            last["picture"] = self.capture()
            return condition(last["picture"])

        try:
            return wait_until(attempt, timeout, what)
        finally:
            if "picture" in last:
                self.shots.save(what, last["picture"])

    def expect_view(self, expected, what):
        """The map view equals `expected` pixel for pixel (its last column and
        row lie under the scroll bars)."""
        x, y, w, h = L.MAP_VIEW_SEEN
        want = expected.area(0, 0, w, h)
        report = {}

        def same(picture):
            count, first = differences(picture.area(x, y, w, h), want)
            report["count"], report["first"] = count, first
            return count == 0

        try:
            self.wait_screen(same, what)
        except E2EFailure as error:
            if "count" not in report or self.editor.poll() is not None:
                raise
            raise E2EFailure("%s: %d map-view pixels differ from the expected frame, first (x, y, seen, expected) %s"
                             % (error, report["count"], report["first"])) from None

    def park_in_first_cell(self):
        # The cursor rectangle then sits where vnkmap's frames draw it.
        self.desk.move(self.window, *L.map_cell_centre(0, 0))

    def open_menu_item(self, caption):
        self.desk.click(self.window, *L.MENU_TITLE)

        def menu_open(picture):
            return picture.pixel(3, 3) == L.MENU_HIGHLIGHT and picture.pixel(12, 30) == L.MENU_BACK

        self.wait_screen(menu_open, "File menu open for item %d" % (L.MENU_ITEMS.index(caption) + 1))
        self.desk.click(self.window, *L.menu_item_point(caption))

    def answer_dialog(self, title, path):
        dialog = self.desk.wait_window("^%s$" % title, WAIT)
        self.desk.enter_into_dialog(dialog, title, path, WAIT)

    def wait_file(self, path):
        return wait_until(lambda: os.path.isfile(path) and os.path.getsize(path) == map_text.FILE_BYTES, WAIT,
                          "%s to be written with %d bytes" % (path, map_text.FILE_BYTES))

    def ask_new(self):
        self.open_menu_item("Создать")
        confirm = self.desk.wait_window("^%s$" % L.CONFIRM_TITLE, WAIT)
        self.desk.wait_active(confirm, "the Confirm question", WAIT)
        return confirm

    # ---- the steps ----

    def start(self):
        self.window = self.desk.wait_window("^%s$" % L.TITLE, WAIT)
        self.park_in_first_cell()
        self.expect_view(self.views.of_file(self.views.map_file({})), "start-up view all water")
        picture = self.capture()
        x0, y0, w, h = L.MAP_VIEW_SEEN
        for line in (0, L.SECTOR - 1, L.SECTOR):
            column = [picture.pixel(x0 + line, y0 + y) for y in range(h)]
            row = [picture.pixel(x0 + x, y0 + line) for x in range(w)]
            if set(column) != {L.WHITE} or set(row) != {L.WHITE}:
                raise E2EFailure("sector line at map pixel %d is not white all along" % line)
        lime = picture.area(*L.PALETTE).count(L.LIME)
        if lime:
            raise E2EFailure("palette shows %d frame pixels before any pick" % lime)

    def status_texts(self):
        def panels(picture):
            return [picture.area(*panel).data for panel in L.STATUS_PANELS]

        def ink(picture):
            return [picture.area(*panel).count_other_than(L.STATUS_BACKGROUND) for panel in L.STATUS_PANELS]

        before = panels(self.capture())
        self.desk.move(self.window, *L.map_cell_centre(6, 4))
        first = panels(self.wait_screen(lambda p: panels(p)[0] != before[0] and panels(p)[1] != before[1] and p,
                                        "status texts for cell 6/4"))
        self.desk.move(self.window, *L.map_cell_centre(13, 9))
        second = self.wait_screen(lambda p: panels(p)[0] != first[0] and panels(p)[1] != first[1] and p,
                                  "status texts for cell 13/9")
        for panel, count in enumerate(ink(second)):
            if count < 20:
                raise E2EFailure("status panel %d shows only %d text pixels" % (panel, count))
        self.desk.move(self.window, *L.map_cell_centre(6, 4))
        self.wait_screen(lambda p: panels(p) == first, "status texts for cell 6/4 again")

    def pick_tile(self):
        self.desk.click(self.window, *L.palette_cell_centre(PICKED_CODE))
        picture = self.wait_screen(lambda p: p.area(*L.PALETTE).count(L.LIME) and p, "tile 23 picked")
        column, row = PICKED_CODE % 10, PICKED_CODE // 10
        left, top = column * L.PALETTE_PITCH, row * L.PALETTE_PITCH
        points = picture.area(*L.PALETTE).points_of(L.LIME)
        outside = [p for p in points if not (left <= p[0] <= left + L.TILE + 1 and top <= p[1] <= top + L.TILE + 1)]
        if outside or len(points) < 4 * (L.TILE - 4):
            raise E2EFailure("frame of the picked cell: %d green pixels, %d outside cell %d,%d (first %s)" %
                             (len(points), len(outside), column, row, outside[:1]))

    def paint_stroke(self):
        # Along row 2 from column 1 to 5 in steps shorter than a cell, then
        # down into row 3: the cells under the pointer take the picked code.
        points = [L.map_cell_centre(1, 2)]
        while points[-1][0] + 20 <= L.map_cell_centre(5, 2)[0]:
            points.append((points[-1][0] + 20, points[-1][1]))
        points += [L.map_cell_centre(5, 2), (L.map_cell_centre(5, 2)[0], L.map_cell_centre(5, 3)[1] - 6),
                   L.map_cell_centre(5, 3)]
        self.desk.move(self.window, *points[0])
        self.desk.press(1)
        for point in points[1:]:
            self.desk.move(self.window, *point)
        self.desk.release(1)
        for x, y in points:
            cell = ((x - L.MAP_VIEW[0]) // L.TILE, (y - L.MAP_VIEW[1]) // L.TILE)
            self.painted[cell] = PICKED_CODE
        self.park_in_first_cell()
        self.expect_view(self.views.of_file(self.views.map_file(self.painted)), "stroke painted")
        self.check_painted_pixels()

    def check_painted_pixels(self):
        # Against the tile strip itself, independent of vnkmap's drawing.
        picture = self.capture()
        tile = self.tile_strip.area(PICKED_CODE * L.TILE, 0, L.TILE, L.TILE)
        for column, row in sorted(self.painted):
            x, y = L.MAP_VIEW[0] + column * L.TILE, L.MAP_VIEW[1] + row * L.TILE
            count, first = differences(picture.area(x, y, L.TILE, L.TILE), tile,
                                       ignore=lambda px, py: tile.pixel(px, py) == L.TILE_KEY)
            if count:
                raise E2EFailure("cell %d,%d: %d pixels differ from tile %d, first %s" %
                                 (column, row, count, PICKED_CODE, first))

    def probe(self):
        def label(picture):
            return picture.area(*L.PROBE_LABEL)

        def ink_width(picture):
            # From the first to the last column holding a pixel of the text.
            background = picture.pixel(0, 0)
            columns = [x for x in range(picture.width)
                       if any(picture.pixel(x, y) != background for y in range(picture.height))]
            return columns[-1] - columns[0] + 1 if columns else 0

        initial = label(self.capture()).data
        water_cell = (8, 6)
        painted_cell = sorted(self.painted)[1]
        self.desk.click(self.window, *L.map_cell_centre(*water_cell), button=3)
        water = label(self.wait_screen(lambda p: label(p).data != initial and p, "probe of a water cell"))
        self.desk.click(self.window, *L.map_cell_centre(*painted_cell), button=3)
        boulder = label(self.wait_screen(lambda p: label(p).data != water.data and p, "probe of a painted cell"))
        # "23" is two digits where "0" is one.
        if not ink_width(water) < ink_width(boulder):
            raise E2EFailure("probe label: text %d px wide for water, %d px for the painted cell" %
                             (ink_width(water), ink_width(boulder)))
        self.desk.click(self.window, *L.map_cell_centre(*water_cell), button=3)
        self.wait_screen(lambda p: label(p).data == water.data, "probe of water again")
        self.park_in_first_cell()

    def scroll_arrows(self):
        # One click on an arrow moves the view by one pixel; the cursor
        # rectangle stays where it was drawn.
        expected_map = self.views.map_file(self.painted)
        for arrow, scroll in [(L.ARROW_RIGHT, (1, 0)), (L.ARROW_DOWN, (1, 1)), (L.ARROW_LEFT, (0, 1)),
                              (L.ARROW_UP, (0, 0))]:
            self.desk.click(self.window, *arrow)
            self.expect_view(self.views.of_file(expected_map, scroll),
                             "view scrolled to %d,%d" % scroll)

    def save(self, name):
        path = os.path.join(self.maps_dir, name)
        self.open_menu_item("Сохранить")
        self.answer_dialog(L.SAVE_TITLE, path)
        self.wait_file(path)
        self.park_in_first_cell()
        return path

    def save_painted(self):
        path = self.save("painted.vnkmap")
        with open(path, "rb") as f:
            rows = map_text.decode(f.read())
        wrong = map_text.mismatches(rows, self.painted)
        if wrong:
            raise E2EFailure("saved map: %d cells differ, first (column, row, found, expected) %s" %
                             (len(wrong), wrong[0]))
        self.expect_view(self.views.of_file(path), "view after saving")
        return path

    def new_answered_each_way(self, saved):
        with open(saved, "rb") as f:
            saved_bytes = f.read()
        kept = self.views.of_file(saved)

        self.ask_new()
        self.desk.key("Escape")
        self.desk.wait_no_window("^%s$" % L.CONFIRM_TITLE, WAIT)
        self.park_in_first_cell()
        self.expect_view(kept, "New cancelled keeps the map")

        self.ask_new()
        self.desk.key("Return")  # Yes: save first, through the dialog
        dialog = self.desk.wait_window("^%s$" % L.SAVE_TITLE, WAIT)
        self.desk.wait_active(dialog, "the save dialog after Yes", WAIT)
        self.desk.key("Escape")
        self.desk.wait_no_window("^%s$" % L.SAVE_TITLE, WAIT)
        self.park_in_first_cell()
        self.expect_view(kept, "New with a cancelled save keeps the map")
        with open(saved, "rb") as f:
            if f.read() != saved_bytes or os.listdir(self.maps_dir) != ["painted.vnkmap"]:
                raise E2EFailure("a cancelled save changed the maps folder: %s" % os.listdir(self.maps_dir))

        self.ask_new()
        self.desk.key("n")
        self.desk.wait_no_window("^%s$" % L.CONFIRM_TITLE, WAIT)
        self.park_in_first_cell()
        self.expect_view(self.views.of_file(self.views.map_file({})), "New without saving clears the map")

    def open_again(self, saved):
        self.desk.wait_active(self.window, "the main window", WAIT)
        self.desk.key("ctrl+o")
        self.answer_dialog(L.OPEN_TITLE, saved)
        self.park_in_first_cell()
        self.expect_view(self.views.of_file(saved), "opened map shown")

    def generate(self, saved):
        def button(picture):
            return picture.area(*L.GENERATE_BUTTON).data

        ready = button(self.capture())
        x, y, w, h = L.GENERATE_BUTTON
        self.desk.click(self.window, x + w // 2, y + h // 2)
        self.park_in_first_cell()
        expected = self.views.generated(saved)
        self.wait_screen(lambda p: button(p) != ready, "generate button waiting")
        self.expect_view(self.views.of_file(expected), "generated landscape shown")
        self.wait_screen(lambda p: button(p) == ready, "generate button ready again")
        path = self.save("generated.vnkmap")
        with open(path, "rb") as f, open(expected, "rb") as g:
            if f.read() != g.read():
                raise E2EFailure("saved generated map differs from vnkmap generate's file")

    def quit(self):
        self.open_menu_item("Выход")
        status = wait_until(lambda: self.editor.poll() is not None and [self.editor.returncode], WAIT,
                            "the editor to exit after Выход")[0]
        if status != 0:
            raise E2EFailure("the editor exited with status %d after Выход" % status)

    def run(self):
        self.start()
        self.status_texts()
        self.pick_tile()
        self.paint_stroke()
        self.probe()
        self.scroll_arrows()
        saved = self.save_painted()
        self.new_answered_each_way(saved)
        self.open_again(saved)
        self.generate(saved)
        self.quit()
