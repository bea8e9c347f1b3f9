#!/usr/bin/env python3
"""Writes the seeds of fuzz_sheet_geometry into corpus/sheet_geometry/.

libFuzzer's FuzzedDataProvider takes numbers from the end of an input, the first one used last in
the file, each in as many bytes as its range needs, most significant first. A seed sets the
printer side and the view; the drag that follows (press, start rectangle, zone and points) is
taken from the bytes in front, which here are a fixed pattern that the fuzzer varies.
"""
import pathlib

INT = (-(2**31), 2**31 - 1)
VIEW = (0, 2**24 - 1)


def number(value, low, high):
    span = high - low
    count = 0
    while count < 4 and (span >> (8 * count)) > 0:
        count += 1
    offset = value - low
    return [(offset >> (8 * (count - 1 - k))) & 0xFF for k in range(count)]


def seed(chart, page, resolution, detail, margins, proportional, view, drag):
    numbers = []  # in the order the fuzzer consumes them
    for value in (*chart, *page, *resolution, detail, *margins):
        numbers += number(value, *INT)
    numbers += [int(proportional)]
    for value in view:
        numbers += number(value, *VIEW)
    return bytes(drag) + bytes(reversed(numbers))


DRAG = list(range(0, 256, 7)) * 2
SAMPLE = (996, 616)
LASER = ((3180, 2400), (300, 300))
A4 = ((2480, 3508), (300, 300))

SEEDS = {
    "laser-landscape-1920x1080": seed(SAMPLE, *LASER, 0, (15, 25, 15, 25), True, (1920, 1080), DRAG),
    "a4-portrait-fine-detail": seed(SAMPLE, *A4, -100, (15, 37, 15, 37), True, (1280, 900), DRAG),
    "typed-margins-0-99": seed(SAMPLE, *LASER, -50, (0, 99, 99, 0), False, (1004, 676), DRAG),
    "tiny-view-8x8": seed(SAMPLE, *LASER, 0, (15, 15, 15, 15), False, (8, 8), DRAG),
    "empty-page": seed(SAMPLE, (0, 0), (0, 0), 0, (15, 15, 15, 15), True, (1920, 1080), DRAG),
    "extreme-numbers": seed((2**31 - 1, 1), (1, 2**31 - 1), (-1, 2**31 - 1), -(2**31),
                            (-(2**31), 2**31 - 1, 2**31 - 1, -(2**31)), True, VIEW[1:] * 2, DRAG),
}

folder = pathlib.Path(__file__).with_name("corpus") / "sheet_geometry"
folder.mkdir(parents=True, exist_ok=True)
for name, data in SEEDS.items():
    (folder / name).write_bytes(data)
