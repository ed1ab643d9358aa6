"""RGB pictures as bytes: loading through ImageMagick's PPM output, cutting
out areas, comparing them and counting colours."""

import subprocess


class Picture:
    def __init__(self, width, height, data):
        if len(data) != width * height * 3:
            raise ValueError("%dx%d picture needs %d bytes, got %d" % (width, height, width * height * 3, len(data)))
        self.width = width
        self.height = height
        self.data = data

    @staticmethod
    def from_ppm(ppm):
        """Decodes a binary 8-bit PPM (P6)."""
        fields = []
        pos = 0
        while len(fields) < 4:
            while ppm[pos:pos + 1].isspace():
                pos += 1
            if ppm[pos:pos + 1] == b"#":
                pos = ppm.index(b"\n", pos) + 1
                continue
            end = pos
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[pos:end])
            pos = end
        magic, width, height, depth = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
        if magic != b"P6" or depth != 255:
            raise ValueError("not an 8-bit binary PPM: %r %d" % (magic, depth))
        pos += 1  # the one white space after the header
        return Picture(width, height, ppm[pos:pos + width * height * 3])

    @staticmethod
    def load(path):
        """Any picture file ImageMagick reads."""
        ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True,
                             timeout=60).stdout
        return Picture.from_ppm(ppm)

    def save_png(self, path):
        header = b"P6\n%d %d\n255\n" % (self.width, self.height)
        subprocess.run(["convert", "ppm:-", path], input=header + self.data, check=True, timeout=60)

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def area(self, x, y, width, height):
        if x < 0 or y < 0 or x + width > self.width or y + height > self.height:
            raise ValueError("area %d,%d %dx%d outside a %dx%d picture" % (x, y, width, height, self.width, self.height))
        rows = [self.data[3 * ((y + r) * self.width + x):3 * ((y + r) * self.width + x + width)] for r in range(height)]
        return Picture(width, height, b"".join(rows))

    def count(self, colour):
        """How many pixels have exactly this (r, g, b)."""
        return sum(1 for i in range(0, len(self.data), 3) if tuple(self.data[i:i + 3]) == colour)

    def count_other_than(self, colours):
        allowed = set(colours)
        return sum(1 for i in range(0, len(self.data), 3) if tuple(self.data[i:i + 3]) not in allowed)

    def points_of(self, colour):
        found = []
        for i in range(0, len(self.data), 3):
            if tuple(self.data[i:i + 3]) == colour:
                found.append(((i // 3) % self.width, (i // 3) // self.width))
        return found


def differences(actual, expected, ignore=lambda x, y: False):
    """Pixels where two equally sized pictures differ, outside `ignore`:
    (count, first (x, y, actual, expected) or None)."""
    if (actual.width, actual.height) != (expected.width, expected.height):
        raise ValueError("sizes differ: %dx%d and %dx%d" % (actual.width, actual.height, expected.width, expected.height))
    count = 0
    first = None
    row_bytes = actual.width * 3
    for y in range(actual.height):
        start = y * row_bytes
        if actual.data[start:start + row_bytes] == expected.data[start:start + row_bytes]:
            continue  # the usual case, at the speed of a bytes comparison
        for x in range(actual.width):
            i = start + 3 * x
            if actual.data[i:i + 3] != expected.data[i:i + 3] and not ignore(x, y):
                count += 1
                if first is None:
                    first = (x, y, tuple(actual.data[i:i + 3]), tuple(expected.data[i:i + 3]))
    return count, first
