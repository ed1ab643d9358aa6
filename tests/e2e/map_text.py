"""The map file as the editor writes it: 99 lines of 99 codes, each right-
aligned in a field of 4 characters, every line ended by CR LF."""

from polling import E2EFailure

SIDE = 99
FIELD = 4
LINE_BYTES = SIDE * FIELD + 2
FILE_BYTES = SIDE * LINE_BYTES  # 39402


def encode(cells):
    """`cells` maps (column, row) to a code; every other cell is 0."""
    lines = []
    for row in range(SIDE):
        lines.append("".join("%4d" % cells.get((column, row), 0) for column in range(SIDE)) + "\r\n")
    return "".join(lines).encode("ascii")


def decode(data):
    """The grid as a list of rows; raises E2EFailure at the first byte that
    is not where the format puts it."""
    if len(data) != FILE_BYTES:
        raise E2EFailure("map file has %d bytes, expected %d" % (len(data), FILE_BYTES))
    rows = []
    for row in range(SIDE):
        line = data[row * LINE_BYTES:(row + 1) * LINE_BYTES]
        if line[-2:] != b"\r\n":
            raise E2EFailure("line %d ends with %r, expected CR LF" % (row + 1, line[-2:]))
        codes = []
        for column in range(SIDE):
            field = line[column * FIELD:(column + 1) * FIELD]
            digits = field.lstrip(b" ")
            # Right-aligned: spaces, then digits without leading zeros.
            if not digits.isdigit() or field != b"%4d" % int(digits):
                raise E2EFailure("line %d field %d is %r, expected a right-aligned number" % (row + 1, column + 1, field))
            codes.append(int(digits))
        rows.append(codes)
    return rows


def mismatches(rows, cells):
    """(column, row, found, expected) of every cell that differs from `cells`."""
    return [(column, row, rows[row][column], cells.get((column, row), 0))
            for row in range(SIDE) for column in range(SIDE)
            if rows[row][column] != cells.get((column, row), 0)]
