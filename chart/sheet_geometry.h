#pragma once

#include <array>

#include "chart/print_setup.h"

// The preview sheet's arithmetic: the picture of the page in the view, the chart's place on it,
// the margin lines, and dragging them with the mouse. All in view pixels.
namespace ormitan::print {

// The sheet in a view of `view` pixels, in the proportions of the printable area `page`. A
// portrait sheet (page narrower than high) takes the view's height less 5 % above and below and is
// centred across; any other sheet takes the view's width less 5 % at each side and is centred
// from top to bottom. The sheet is not shrunk to fit the other direction.
Rect PaperRect(Size view, Size page);

// The chart's rectangle on the sheet for the given margins.
Rect ChartRect(const Rect& paper, const Margins& margins);

// One line segment of a pixel wide; `to` is just past its last pixel, like a rectangle's right
// and bottom edges.
struct Line {
    Point from;
    Point to;
};

// The four margin lines: vertical at chartRect's left - 1 and right, horizontal at its top - 1
// and bottom, each across the whole sheet. They frame the chart from just outside, so the chart,
// clipped to chartRect, never covers them. Order: left, right, top, bottom.
std::array<Line, 4> MarginLines(const Rect& chartRect, const Rect& paper);

// What a mouse press starts, by where it is against the chart's rectangle. The numbers are the
// drag state the sheet view keeps (0: no drag).
enum class DragZone {
    None = 0,
    Left = 1,
    Top = 2,
    Right = 3,
    Bottom = 4,
    Move = 5,
    LeftTop = 6,
    RightTop = 7,
    LeftBottom = 8,
    RightBottom = 9,
};

// The zone of a point. A point is near an edge when it is less than 5 pixels from that edge's
// line, whatever its other coordinate: the margin lines cross the whole sheet and can be grabbed
// anywhere along them. Corners win over edges, edges over moving the whole chart.
DragZone ZoneAt(Point point, const Rect& chartRect);

// One step of a drag to `point` (which the caller has checked is on the sheet): the new chart
// rectangle. An edge follows the point while it stays on the sheet and short of the opposite
// edge; a corner moves only when both its edges may. A move keeps the chart's size, stops at the
// sheet's left and top edges, and refuses a step that would bring the right or bottom edge onto
// or past the sheet's edge. A refused step returns chartRect unchanged.
Rect DragStep(DragZone zone, Point point, const Rect& paper, const Rect& chartRect, Point dragStart,
              const Rect& dragStartRect);

// The margins, in whole percent of the sheet, that a chart rectangle stands for, as a drag step
// sets them (DraggedMargins).
Margins MarginsFromChartRect(const Rect& chartRect, const Rect& paper);

}  // namespace ormitan::print
