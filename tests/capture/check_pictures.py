#!/usr/bin/env python3
"""Reads the pictures the capture test saved with an independent decoder
(Pillow) and checks their size and the pattern they show: the left half
RGB(10, 5, 255), the right half RGB(200, 30, 40) and a 10 x 10 green square
RGB(0, 200, 0) at (20, 20). The manifest lists: file, width, height and the
tolerance per channel (JPEG is lossy)."""
import os
import sys

from PIL import Image


def expected(x, y, width):
    if 20 <= x < 30 and 20 <= y < 30:
        return (0, 200, 0)
    return (10, 5, 255) if x < width // 2 else (200, 30, 40)


def main(folder):
    manifest = os.path.join(folder, "manifest.txt")
    with open(manifest) as f:
        rows = [line.split() for line in f if line.strip()]
    if len(rows) != 3:
        print("expected three pictures, found", len(rows))
        return 1
    failures = 0
    for name, width, height, tolerance in rows:
        width, height, tolerance = int(width), int(height), int(tolerance)
        image = Image.open(os.path.join(folder, name))
        kind = {"pattern.png": "PNG", "pattern.bmp": "BMP", "pattern.jpg": "JPEG"}[name]
        if image.format != kind:
            print(name, "is", image.format, "not", kind)
            failures += 1
        if image.size != (width, height):
            print(name, "is", image.size, "not", (width, height))
            failures += 1
            continue
        rgb = image.convert("RGB")
        # Points away from the edges of the colour blocks, where JPEG blurs.
        for x, y in ((5, 5), (25, 25), (45, 60), (100, 10), (110, 70), (70, 40)):
            got = rgb.getpixel((x, y))
            want = expected(x, y, width)
            if any(abs(a - b) > tolerance for a, b in zip(got, want)):
                print(name, (x, y), "is", got, "not", want)
                failures += 1
    print("checked", len(rows), "pictures,", failures, "failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
