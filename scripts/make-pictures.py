#!/usr/bin/env python3
"""Draws the pictures of the program: the four button pictures (ok, cancel, exit,
print) as small GIF files and the coat of arms of the tax declaration's header
(stema.bmp, 153 x 211 pixels, black and white) into img/, and the 16 x 16 pictures of
the annex editor's toolbar into src/document_forms/pictures/ (built into the program).
Run it again only to change them; the pictures are kept in the repository."""
import math
import os
import struct

SIZE = 24
PALETTE = [
    (255, 255, 255),  # 0 transparent
    (40, 40, 40),     # 1 outline
    (30, 150, 40),    # 2 green
    (200, 30, 30),    # 3 red
    (170, 170, 170),  # 4 grey
    (250, 250, 250),  # 5 white
    (90, 90, 90),     # 6 dark grey
    (40, 90, 200),    # 7 blue
]


def canvas(width=SIZE, height=SIZE):
    return [[0] * width for _ in range(height)]


def disk(img, cx, cy, r, colour):
    height, width = len(img), len(img[0])
    for y in range(max(0, int(cy - r) - 1), min(height, int(cy + r) + 2)):
        for x in range(max(0, int(cx - r) - 1), min(width, int(cx + r) + 2)):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                img[y][x] = colour


def line(img, points, r, colour):
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        steps = int(math.hypot(x1 - x0, y1 - y0) * 4) + 1
        for i in range(steps + 1):
            t = i / steps
            disk(img, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, r, colour)


def rect(img, x0, y0, x1, y1, fill, outline=1):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            edge = x in (x0, x1) or y in (y0, y1)
            img[y][x] = outline if edge else fill


def ok():
    img = canvas()
    line(img, [(4.5, 12.5), (9.5, 18), (19.5, 5.5)], 2.6, 1)
    line(img, [(4.5, 12.5), (9.5, 18), (19.5, 5.5)], 1.6, 2)
    return img


def cancel():
    img = canvas()
    for pts in ([(5, 5), (19, 19)], [(19, 5), (5, 19)]):
        line(img, pts, 2.6, 1)
    for pts in ([(5, 5), (19, 19)], [(19, 5), (5, 19)]):
        line(img, pts, 1.6, 3)
    return img


def exit_():
    img = canvas()
    rect(img, 3, 2, 13, 21, 4)           # the door
    disk(img, 11, 12, 1, 1)              # its knob
    line(img, [(10, 12), (20, 12)], 1.4, 7)
    line(img, [(16.5, 8.5), (20.5, 12), (16.5, 15.5)], 1.4, 7)
    return img


def print_():
    img = canvas()
    rect(img, 6, 2, 17, 9, 5)            # paper going in
    rect(img, 2, 9, 21, 17, 4)           # the printer
    rect(img, 5, 14, 18, 16, 6)          # the slot
    rect(img, 6, 16, 17, 21, 5)          # paper coming out
    img[11][18] = 2
    return img


def stema():
    """A coat of arms of our own: a mural crown over a shield that holds a castle of
    three towers standing on waves. 1 is black, 0 white."""
    w, h = 153, 211
    img = canvas(w, h)

    def fill(x0, y0, x1, y1, colour=1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                img[y][x] = colour

    # The crown: a band with five merlons and a gate in each of its three towers.
    fill(24, 34, 128, 46)
    for i in range(5):
        x = 24 + i * 22
        fill(x, 14, x + 15, 33)
        fill(x + 2, 8, x + 4, 13)
        fill(x + 11, 8, x + 13, 13)
    for x in (46, 68, 90):
        fill(x + 5, 22, x + 10, 33, 0)
    for x in range(28, 126, 8):
        fill(x, 38, x + 3, 42, 0)

    # The shield: straight sides down to y 140, then two arcs meeting in a point.
    def inside(x, y, inset):
        top, left, right, bottom = 54 + inset, 10 + inset, 142 - inset, 204 - inset
        if y < top or x < left or x > right:
            return False
        if y <= 140:
            return True
        # Below 140 the sides curve in towards the point at the bottom centre.
        t = (y - 140) / (bottom - 140)
        if t > 1:
            return False
        half = (right - left) / 2 * math.sqrt(max(0.0, 1 - t * t))
        return abs(x - 76) <= half

    for y in range(h):
        for x in range(w):
            if inside(x, y, 0) and not inside(x, y, 4):
                img[y][x] = 1
            elif inside(x, y, 8) and not inside(x, y, 9):
                img[y][x] = 1

    # The castle: a wall with a gate, three towers with battlements and windows.
    fill(34, 112, 118, 150)
    fill(66, 124, 86, 150, 0)
    disk(img, 76.5, 125, 10, 0)
    for x0, top in ((30, 84), (62, 74), (98, 84)):
        width = 24 if x0 != 62 else 28
        fill(x0, top, x0 + width, 112)
        for k in range(0, width, 8):
            fill(x0 + k, top - 8, x0 + k + 4, top - 1)
        fill(x0 + width // 2 - 2, top + 10, x0 + width // 2 + 2, top + 22, 0)
    # The waves under it.
    for base in (160, 172):
        points = [(22 + i * 2, base + 3 * math.sin(i * 2 * math.pi / 18)) for i in range(55)]
        line(img, points, 1.6, 1)
    return img


def bmp(img):
    """A black-and-white BMP: two palette entries, rows bottom up, each padded to four
    bytes."""
    height, width = len(img), len(img[0])
    stride = (width + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(img):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if not p:  # palette entry 1 is white
                bits[x // 8] |= 0x80 >> (x % 8)
        pixels += bits
    offset = 14 + 40 + 8
    data = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    data += struct.pack("<IiiHHIIiiII", 40, width, height, 1, 1, 0, len(pixels), 3780, 3780, 2, 2)
    data += bytes((0, 0, 0, 0, 255, 255, 255, 0))
    return data + bytes(pixels)


def lzw(pixels, min_size):
    clear, end = 1 << min_size, (1 << min_size) + 1
    size = min_size + 1
    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    acc = nbits = 0
    out = bytearray()

    def emit(code):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    emit(clear)
    w = ()
    for k in pixels:
        wk = w + (k,)
        if wk in table:
            w = wk
            continue
        emit(table[w])
        # The reader adds its entry one code later; it widens its codes when its
        # table reaches the current width, and so does this writer.
        if next_code == 1 << size and size < 12:
            size += 1
        table[wk] = next_code
        next_code += 1
        w = (k,)
    emit(table[w])
    if next_code == 1 << size and size < 12:
        size += 1
    emit(end)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif(img):
    height, width = len(img), len(img[0])
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", width, height, 0x80 | 0x02, 0, 0)  # 8-colour table
    for r, g, b in PALETTE:
        data += bytes((r, g, b))
    data += bytes((0x21, 0xF9, 4, 0x01, 0, 0, 0, 0))  # colour 0 is transparent
    data += b"," + struct.pack("<HHHHB", 0, 0, width, height, 0)
    data.append(3)
    stream = lzw([p for row in img for p in row], 3)
    for i in range(0, len(stream), 255):
        chunk = stream[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00;"
    return bytes(data)


# The toolbar of the annex editor, drawn pixel by pixel: "." transparent, "#" outline,
# "g" green, "r" red, "-" grey, "w" white, "d" dark grey, "b" blue.
PIXELS = {".": 0, "#": 1, "g": 2, "r": 3, "-": 4, "w": 5, "d": 6, "b": 7}
TOOLBAR = {
    "print": """
................
....#######.....
....#wwwww#.....
....#w###w#.....
....#wwwww#.....
..###########...
.#-----------#..
.#-----------#..
.#---------g-#..
.#-----------#..
.#dddddddddd-#..
.##wwwwwwwww##..
...#w#####w#....
...#wwwwwww#....
...#########....
................""",
    "cut": """
................
...#.......#....
...#.......#....
....#.....#.....
....#.....#.....
.....#...#......
.....#...#......
......#.#.......
.......#........
......#.#.......
....rrr.rrr.....
...r..r.r..r....
...r..r.r..r....
...r..r.r..r....
....rr...rr.....
................""",
    "copy": """
................
.#######........
.#wwwww##.......
.#w###w#w#......
.#wwwww#######..
.#w####wwwww##..
.#wwwww#w###w#..
.#w####wwwwww#..
.#wwwww#w####w#.
.#######wwwwww#.
.......#w####w#.
.......#wwwwww#.
.......#w####w#.
.......#wwwwww#.
.......########.
................""",
    "paste": """
................
.....####.......
..###-##-###....
..#-##ww##-#....
..#--------#....
..#--#########..
..#--#wwwwwww#..
..#--#w#####w#..
..#--#wwwwwww#..
..#--#w#####w#..
..#--#wwwwwww#..
..#--#w####ww#..
..####wwwwwww#..
.....#########..
................
................""",
    "undo": """
................
................
.....b..........
....bb..........
...bbbbbbbb.....
..bbbbbbbbbb....
...bbbbbbbbbb...
....bb.....bb...
.....b......bb..
............bb..
............bb..
...........bb...
..........bb....
.....bbbbbb.....
................
................""",
    "bold": """
................
................
...########.....
....###..###....
....###...###...
....###...###...
....###..###....
....#######.....
....###...###...
....###....###..
....###....###..
....###...###...
...#########....
................
................
................""",
    "italic": """
................
................
.......######...
.........##.....
.........##.....
........##......
........##......
.......##.......
.......##.......
......##........
......##........
.....##.........
...######.......
................
................
................""",
    "underline": """
................
................
...####..####...
....##....##....
....##....##....
....##....##....
....##....##....
....##....##....
....##....##....
....##....##....
.....##..##.....
......####......
................
..############..
................
................""",
    "left": """
................
................
..############..
................
..########......
................
..############..
................
..########......
................
..############..
................
..########......
................
................
................""",
    "centre": """
................
................
..############..
................
....########....
................
..############..
................
....########....
................
..############..
................
....########....
................
................
................""",
    "right": """
................
................
..############..
................
......########..
................
..############..
................
......########..
................
..############..
................
......########..
................
................
................""",
}


def pixels(drawing):
    rows = drawing.strip("\n").split("\n")
    return [[PIXELS[c] for c in row] for row in rows]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = os.path.join(here, "..", "img")
    os.makedirs(folder, exist_ok=True)
    for name, draw in (("ok", ok), ("cancel", cancel), ("exit", exit_), ("print", print_)):
        with open(os.path.join(folder, name + ".gif"), "wb") as f:
            f.write(gif(draw()))
    with open(os.path.join(folder, "stema.bmp"), "wb") as f:
        f.write(bmp(stema()))
    folder = os.path.join(here, "..", "src", "document_forms", "pictures")
    os.makedirs(folder, exist_ok=True)
    for name, drawing in TOOLBAR.items():
        img = pixels(drawing)
        assert len(img) == 16 and all(len(row) == 16 for row in img), name
        with open(os.path.join(folder, name + ".gif"), "wb") as f:
            f.write(gif(img))


if __name__ == "__main__":
    main()
