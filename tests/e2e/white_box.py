#!/usr/bin/python3
"""Prints the bounding box of the pure white pixels in a part of a screenshot.

Usage: white_box.py SHOT.png X Y WIDTH HEIGHT
Prints "LEFT TOP RIGHT BOTTOM" relative to the part (right and bottom just past the last white
pixel), or nothing when the part holds no white pixel. The preview's sheet is the only white
thing right of its left panel and below its top one, so this finds the sheet on screen.
"""
import subprocess
import sys


def main():
    shot, x, y, w, h = sys.argv[1], *map(int, sys.argv[2:6])
    ppm = subprocess.run(["convert", shot, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                          "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    # P6 header: magic, width, height, maximum value, each followed by white space.
    fields = ppm.split(maxsplit=4)
    width, height, pixels = int(fields[1]), int(fields[2]), fields[4]
    white = b"\xff\xff\xff"
    left, top, right, bottom = width, height, -1, -1
    for r in range(height):
        row = pixels[r * width * 3:(r + 1) * width * 3]
        whites = [c for c in range(width) if row[c * 3:c * 3 + 3] == white]
        if whites:
            left, right = min(left, whites[0]), max(right, whites[-1])
            top, bottom = min(top, r), r
    if right < 0:
        return 0
    print(left, top, right + 1, bottom + 1)
    return 0


if __name__ == "__main__":
    sys.exit(main())
