#include "sheet_geometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/rounding.h"

namespace ormitan::print {
namespace {

// How close, in pixels, the pointer must come to a margin line to grab it.
constexpr int GrabDistance = 5;

// percent % of `extent`, rounded half to even, as the sheet's border is.
int Percent(int extent, int percent) {
    return ClampToInt(RoundHalfEven(extent * static_cast<double>(percent) / 100.0));
}

// a + b and a - b in 64 bits, saturated to an int: rectangles from degenerate pages and margins
// reach the ends of the int range, where int arithmetic would overflow.
int Plus(std::int64_t a, std::int64_t b) {
    return ClampToInt(a + b);
}
int Minus(std::int64_t a, std::int64_t b) {
    return ClampToInt(a - b);
}

bool Near(int coordinate, int edge) {
    return std::abs(static_cast<long long>(coordinate) - edge) < GrabDistance;
}

}  // namespace

Rect PaperRect(Size view, Size page) {
    if (page.width < page.height) {
        const int h = view.height - Percent(view.height, 10);
        const int w = page.height <= 0 ? view.width : ClampToInt(Scale(h, page.width, page.height));
        const int left = ClampToInt(Half(static_cast<std::int64_t>(view.width) - w));
        const int top = Percent(view.height, 5);
        return {left, top, Plus(left, w), Plus(top, h)};
    }
    const int w = view.width - Percent(view.width, 10);
    const int h = page.width <= 0 ? view.height : ClampToInt(Scale(w, page.height, page.width));
    const int top = ClampToInt(Half(static_cast<std::int64_t>(view.height) - h));
    const int left = Percent(view.width, 5);
    return {left, top, Plus(left, w), Plus(top, h)};
}

Rect ChartRect(const Rect& paper, const Margins& margins) {
    const std::int64_t pw = std::int64_t{paper.right} - paper.left;
    const std::int64_t ph = std::int64_t{paper.bottom} - paper.top;
    return {Plus(paper.left, ClampToInt(Scale(margins.left, pw, 100))),
            Plus(paper.top, ClampToInt(Scale(margins.top, ph, 100))),
            Minus(paper.right, ClampToInt(Scale(margins.right, pw, 100))),
            Minus(paper.bottom, ClampToInt(Scale(margins.bottom, ph, 100)))};
}

std::array<Line, 4> MarginLines(const Rect& chartRect, const Rect& paper) {
    const int left = Minus(chartRect.left, 1);
    const int top = Minus(chartRect.top, 1);
    return {{
        {{left, paper.top}, {left, paper.bottom}},
        {{chartRect.right, paper.top}, {chartRect.right, paper.bottom}},
        {{paper.left, top}, {paper.right, top}},
        {{paper.left, chartRect.bottom}, {paper.right, chartRect.bottom}},
    }};
}

DragZone ZoneAt(Point point, const Rect& chartRect) {
    const bool nearLeft = Near(point.x, chartRect.left);
    const bool nearRight = Near(point.x, chartRect.right);
    const bool nearTop = Near(point.y, chartRect.top);
    const bool nearBottom = Near(point.y, chartRect.bottom);
    // On a chart narrower than the grab distance a point can be near both edges; the order
    // decides, left and top first.
    if (nearLeft && nearTop) {
        return DragZone::LeftTop;
    }
    if (nearLeft && nearBottom) {
        return DragZone::LeftBottom;
    }
    if (nearRight && nearTop) {
        return DragZone::RightTop;
    }
    if (nearRight && nearBottom) {
        return DragZone::RightBottom;
    }
    if (nearLeft) {
        return DragZone::Left;
    }
    if (nearRight) {
        return DragZone::Right;
    }
    if (nearTop) {
        return DragZone::Top;
    }
    if (nearBottom) {
        return DragZone::Bottom;
    }
    return Contains(chartRect, point) ? DragZone::Move : DragZone::None;
}

Rect DragStep(DragZone zone, Point point, const Rect& paper, const Rect& chartRect, Point dragStart,
              const Rect& dragStartRect) {
    const int x = point.x;
    const int y = point.y;
    // Each edge may follow the point while it stays on the sheet and short of the opposite edge.
    const bool leftMay = paper.left <= x && x < chartRect.right;
    const bool topMay = paper.top <= y && y < chartRect.bottom;
    const bool rightMay = chartRect.left < x && x <= paper.right;
    const bool bottomMay = chartRect.top < y && y <= paper.bottom;

    Rect moved = chartRect;
    switch (zone) {
        case DragZone::None:
            break;
        case DragZone::Left:
            if (leftMay) {
                moved.left = x;
            }
            break;
        case DragZone::Top:
            if (topMay) {
                moved.top = y;
            }
            break;
        case DragZone::Right:
            if (rightMay) {
                moved.right = x;
            }
            break;
        case DragZone::Bottom:
            if (bottomMay) {
                moved.bottom = y;
            }
            break;
        case DragZone::LeftTop:
            if (leftMay && topMay) {
                moved.left = x;
                moved.top = y;
            }
            break;
        case DragZone::RightTop:
            if (rightMay && topMay) {
                moved.right = x;
                moved.top = y;
            }
            break;
        case DragZone::LeftBottom:
            if (leftMay && bottomMay) {
                moved.left = x;
                moved.bottom = y;
            }
            break;
        case DragZone::RightBottom:
            if (rightMay && bottomMay) {
                moved.right = x;
                moved.bottom = y;
            }
            break;
        case DragZone::Move: {
            const int left =
                std::max(paper.left, Plus(std::int64_t{x} - dragStart.x, dragStartRect.left));
            const int top =
                std::max(paper.top, Plus(std::int64_t{y} - dragStart.y, dragStartRect.top));
            const int right = std::min(
                paper.right, Plus(std::int64_t{dragStartRect.right} - dragStartRect.left, left));
            const int bottom = std::min(
                paper.bottom, Plus(std::int64_t{dragStartRect.bottom} - dragStartRect.top, top));
            // Both corners must stay on the sheet, and the bottom-right one is inside the sheet
            // only short of its edge: a chart cannot be pushed onto the right or bottom edge.
            if (Contains(paper, {left, top}) && Contains(paper, {right, bottom})) {
                moved = {left, top, right, bottom};
            }
            break;
        }
    }
    return moved;
}

Margins MarginsFromChartRect(const Rect& chartRect, const Rect& paper) {
    const auto span = [](int from, int to) { return std::int64_t{to} - from; };
    const std::int64_t pw = span(paper.left, paper.right);
    const std::int64_t ph = span(paper.top, paper.bottom);
    return DraggedMargins({ClampToInt(Scale(span(paper.left, chartRect.left), 100, pw)),
                           ClampToInt(Scale(span(paper.top, chartRect.top), 100, ph)),
                           ClampToInt(Scale(span(chartRect.right, paper.right), 100, pw)),
                           ClampToInt(Scale(span(chartRect.bottom, paper.bottom), 100, ph))});
}

}  // namespace ormitan::print
