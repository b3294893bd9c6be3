#!/usr/bin/env python3
"""Draws the shell's images: the program icon (a yellow note, 16 and 32
pixels), the background of the tray's date picture (16 x 16) and the frame's
cursor. Standard library only; run from the repository root."""
import struct

def note_pixels(size):
    """RGBA rows, top row first: a yellow note with a folded corner."""
    fold = size // 4
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            edge = x == 0 or y == 0 or x == size - 1 or y == size - 1
            if x >= size - fold and y >= size - fold and (x - (size - fold)) + (y - (size - fold)) >= fold:
                row.append((0, 0, 0, 0))          # the cut corner
            elif x >= size - fold and y >= size - fold:
                row.append((200, 170, 40, 255))   # the fold
            elif edge:
                row.append((150, 120, 20, 255))
            elif y < size // 5:
                row.append((250, 200, 40, 255))   # title band
            elif y % 4 == 0 and 2 < x < size - 3 and y < size - fold:
                row.append((170, 150, 90, 255))   # lines of text
            else:
                row.append((255, 240, 140, 255))
        rows.append(row)
    return rows

def dib(rows, with_alpha_mask=True):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask = b''
    stride = ((size + 31) // 32) * 4
    for row in reversed(rows):
        bits = 0
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    return header + colour + mask

def icon_file(images, cursor_hotspot=None):
    kind = 2 if cursor_hotspot else 1
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for rows in images:
        data = dib(rows)
        size = len(rows)
        a, b = cursor_hotspot if cursor_hotspot else (1, 32)
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, a, b, len(data), offset)
        offset += len(data)
        blobs.append(data)
    return out + b''.join(blobs)

def bmp_file(rows):
    size = len(rows)
    stride = (size * 3 + 3) & ~3
    pixels = b''
    for row in reversed(rows):
        line = b''.join(bytes((b, g, r)) for (r, g, b, _) in row)
        pixels += line + b'\0' * (stride - len(line))
    header = struct.pack('<IiiHHIIiiII', 40, size, size, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b'BM' + struct.pack('<IHHI', 14 + 40 + len(pixels), 0, 0, 54) + header + pixels

def date_back():
    """A white page with a light blue band at the top, for the day's digits."""
    rows = []
    for y in range(16):
        row = []
        for x in range(16):
            row.append((210, 228, 255, 255) if y < 3 else (255, 255, 255, 255))
        rows.append(row)
    return rows

def cursor():
    """An arrow, point at the top left."""
    rows = []
    for y in range(32):
        row = []
        for x in range(32):
            inside = x <= y // 1 and y < 20 and x < 14 and x <= 20 - y // 1 + y // 2
            border = inside and (x == 0 or x == y or y == 19)
            row.append((0, 0, 0, 255) if border else (255, 255, 255, 255) if inside else (0, 0, 0, 0))
        rows.append(row)
    return rows

if __name__ == '__main__':
    with open('res/images/zorel.ico', 'wb') as f:
        f.write(icon_file([note_pixels(16), note_pixels(32)]))
    with open('res/images/tray_back.bmp', 'wb') as f:
        f.write(bmp_file(date_back()))
    with open('res/images/frame.cur', 'wb') as f:
        f.write(icon_file([cursor()], cursor_hotspot=(0, 0)))
