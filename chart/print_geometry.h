#pragma once

#include "chart/print_setup.h"

// Where the chart goes on the printed page: the layout size for the detail level, the margins
// that follow the chart's shape, the print rectangle, and the logical-to-device mapping of the
// printer page. Sizes are in pixels: the chart's on screen, the page's in printer device pixels.
namespace ormitan::print {

// The logical size the chart is laid out on for the sheet and the printer. `detail` runs from 0
// (the screen size) to -100 (twice the screen size in each direction); a larger layout makes
// text, marks and lines smaller relative to the chart once it is mapped onto its rectangle.
Size DetailSize(Size chart, int detail);

// Margins that give the chart on the page roughly its on-screen shape: 15 % at the sides of the
// chart's long direction, and across it whatever keeps the proportions. Not clamped: an unusual
// page can make the computed pair negative.
Margins ProportionalMargins(Size chart, Size page, Size pixelsPerInch);

struct PrintArea {
    Rect rect;        // in device pixels of the printable area
    Margins margins;  // the margins it was computed from
};

// The chart's rectangle on the page. With `proportional` the margins are recomputed first (and
// returned, so that the caller can keep them as its settings); otherwise `margins` are used.
PrintArea PrintRectangle(const Margins& margins, bool proportional, Size chart, Size page,
                         Size pixelsPerInch);

// How a chart laid out on `detailSize` units is put onto the printer page.
struct PageMapping {
    Rect logical;   // the print rectangle in layout units, to lay the chart out in and clip to
    Size window;    // the painter's window (origin 0, 0) ...
    Size viewport;  // ... spans this many device pixels (origin 0, 0, the page's top-left)
};

// Reversed edges of `printRect` are swapped first. An empty rectangle, or an empty detail size,
// gives an empty viewport or window: the caller draws nothing then, since such a mapping has no
// inverse.
PageMapping MapOntoPage(Rect printRect, Size detailSize);

}  // namespace ormitan::print
