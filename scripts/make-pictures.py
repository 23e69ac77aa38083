#!/usr/bin/env python3
"""Draws the four button pictures of the program (ok, cancel, exit, print) as small
GIF files into img/. Run it again only to change them; the GIFs are kept in the
repository."""
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


def canvas():
    return [[0] * SIZE for _ in range(SIZE)]


def disk(img, cx, cy, r, colour):
    for y in range(SIZE):
        for x in range(SIZE):
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
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", SIZE, SIZE, 0x80 | 0x02, 0, 0)  # 8-colour table
    for r, g, b in PALETTE:
        data += bytes((r, g, b))
    data += bytes((0x21, 0xF9, 4, 0x01, 0, 0, 0, 0))  # colour 0 is transparent
    data += b"," + struct.pack("<HHHHB", 0, 0, SIZE, SIZE, 0)
    data.append(3)
    stream = lzw([p for row in img for p in row], 3)
    for i in range(0, len(stream), 255):
        chunk = stream[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00;"
    return bytes(data)


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "img")
    os.makedirs(folder, exist_ok=True)
    for name, draw in (("ok", ok), ("cancel", cancel), ("exit", exit_), ("print", print_)):
        with open(os.path.join(folder, name + ".gif"), "wb") as f:
            f.write(gif(draw()))


if __name__ == "__main__":
    main()
