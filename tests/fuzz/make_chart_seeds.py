#!/usr/bin/env python3
"""Writes the seeds of fuzz_chart_layout into corpus/chart_layout/.

libFuzzer's FuzzedDataProvider takes numbers from the end of an input and the footer text from its
front, so a seed is the footer text followed by the numbers in reverse order of use.
"""
import pathlib

SAMPLE = [12, 7, 10, 9, 4, 13, 6, 11, 14, 8, 3, 9, 15, 12, 10, 11, 2, 5, 1, 1, 0, 0, 10, 2, 14]


def seed(width, height, printing, footer, metrics, scores, text=b""):
    numbers = []  # in the order the fuzzer consumes them
    numbers += [width >> 8, width & 0xFF, height >> 8, height & 0xFF]
    numbers += [int(printing), int(footer)]
    char_width, height_px, footer_char_width, footer_height = metrics
    numbers += [char_width - 1, height_px - 1, footer_char_width - 1, footer_height - 1]
    numbers += scores
    return text + bytes(reversed(numbers))


SEEDS = {
    "sample-996x616": seed(996, 616, False, False, (6, 12, 8, 17), SAMPLE),
    "sample-paper-640x480": seed(640, 480, True, True, (6, 12, 8, 17), SAMPLE, "Иванов".encode()),
    "empty-0x0": seed(0, 0, False, False, (6, 12, 8, 17), [0] * 25),
    "tiny-30x20": seed(30, 20, True, True, (6, 12, 8, 17), [15] * 25, b"x"),
    "huge-10000x10000": seed(10000, 10000, False, False, (16, 32, 16, 32), [255] * 25),
    "narrow-120x4000": seed(120, 4000, False, False, (6, 12, 8, 17), list(range(0, 250, 10))),
}

folder = pathlib.Path(__file__).with_name("corpus") / "chart_layout"
folder.mkdir(parents=True, exist_ok=True)
for name, data in SEEDS.items():
    (folder / name).write_bytes(data)
