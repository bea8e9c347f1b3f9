// The printing and preview-sheet arithmetic for any page size, resolution, chart size, margins
// and detail level, and a view of any size a widget can take: DetailSize, ProportionalMargins,
// PrintRectangle, MapOntoPage, PaperRect, ChartRect, ZoneAt, DragStep and MarginsFromChartRect
// must stay free of undefined behaviour (the sanitizers watch them). Two invariants of a drag on
// a sheet of positive size whose chart rectangle starts on the sheet: every step leaves the
// rectangle on the sheet, and the margins of a rectangle on the sheet are each 0..100 with two
// opposite ones adding up to at most 100.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "chart/print_geometry.h"
#include "chart/sheet_geometry.h"
#include "core/rounding.h"
#include "fuzz_check.h"

namespace {

using namespace ormitan;
using namespace ormitan::print;

// The largest size of a widget (QWIDGETSIZE_MAX), and so of the sheet's view.
constexpr int MaxViewExtent = (1 << 24) - 1;

Size AnySize(FuzzedDataProvider& input) {
    return {input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>()};
}

// On the sheet in the sense of a rectangle: within its edges and not turned inside out.
bool OnPaper(const Rect& rect, const Rect& paper) {
    return paper.left <= rect.left && rect.left <= rect.right && rect.right <= paper.right &&
           paper.top <= rect.top && rect.top <= rect.bottom && rect.bottom <= paper.bottom;
}

void CheckMargins(const Rect& rect, const Rect& paper) {
    const Margins m = MarginsFromChartRect(rect, paper);
    for (const int margin : {m.left, m.top, m.right, m.bottom}) {
        FUZZ_CHECK(0 <= margin && margin <= 100);
    }
    FUZZ_CHECK(m.left + m.right <= 100);
    FUZZ_CHECK(m.top + m.bottom <= 100);
}

// A coordinate within `extent` pixels either side of the sheet: the mouse of a drag may leave
// the view, but not by more than a screen.
int Near(FuzzedDataProvider& input, int low, int high, int extent) {
    const auto [from, to] = std::minmax(low, high);
    return input.ConsumeIntegralInRange(ClampToInt(std::int64_t{from} - extent),
                                        ClampToInt(std::int64_t{to} + extent));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);

    // The printer side, any numbers at all.
    const Size chart = AnySize(input);
    const Size page = AnySize(input);
    const Size resolution = AnySize(input);
    const int detail = input.ConsumeIntegral<int>();
    const Margins typed{input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(),
                        input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>()};
    const bool proportional = input.ConsumeBool();

    const Size detailSize = DetailSize(chart, detail);
    const Margins shaped = ProportionalMargins(chart, page, resolution);
    const PrintArea area = PrintRectangle(typed, proportional, chart, page, resolution);
    FUZZ_CHECK(area.margins == (proportional ? shaped : typed));
    const PageMapping mapping = MapOntoPage(area.rect, detailSize);
    FUZZ_CHECK(mapping.window == detailSize);
    FUZZ_CHECK(mapping.viewport.width >= 0 && mapping.viewport.height >= 0);

    // The sheet in a view of any widget size, with the chart at the margins the window holds.
    const Size view{input.ConsumeIntegralInRange(0, MaxViewExtent),
                    input.ConsumeIntegralInRange(0, MaxViewExtent)};
    const Rect paper = PaperRect(view, page);
    const Rect placed = ChartRect(paper, area.margins);
    MarginLines(placed, paper);
    const int reach = std::max(view.width, view.height);
    const Point press{Near(input, paper.left, paper.right, reach),
                      Near(input, paper.top, paper.bottom, reach)};
    ZoneAt(press, placed);
    MarginsFromChartRect(placed, paper);

    if (paper.Width() <= 0 || paper.Height() <= 0) {
        return 0;
    }
    // A drag from a chart rectangle on the sheet: from the placed one when it is on the sheet,
    // else from one the input picks there.
    Rect rect = placed;
    if (!OnPaper(rect, paper)) {
        const int left = input.ConsumeIntegralInRange(paper.left, paper.right);
        const int top = input.ConsumeIntegralInRange(paper.top, paper.bottom);
        rect = {left, top, input.ConsumeIntegralInRange(left, paper.right),
                input.ConsumeIntegralInRange(top, paper.bottom)};
    }
    CheckMargins(rect, paper);
    const DragZone zone = input.ConsumeBool()
                              ? ZoneAt(press, rect)
                              : static_cast<DragZone>(input.ConsumeIntegralInRange(0, 9));
    const Rect startRect = rect;
    // A bounded drag: on a one-pixel sheet a point takes no input bytes at all.
    for (int step = 0; step < 256 && input.remaining_bytes() > 0; ++step) {
        // The window calls a step only for a point on the sheet.
        const Point point{input.ConsumeIntegralInRange(paper.left, paper.right - 1),
                          input.ConsumeIntegralInRange(paper.top, paper.bottom - 1)};
        rect = DragStep(zone, point, paper, rect, press, startRect);
        FUZZ_CHECK(OnPaper(rect, paper));
        CheckMargins(rect, paper);
        ZoneAt(point, rect);
    }
    return 0;
}
