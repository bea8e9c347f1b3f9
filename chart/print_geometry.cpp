#include "print_geometry.h"

#include <cstdint>
#include <utility>

#include "core/rounding.h"

namespace ormitan::print {
namespace {

// The fixed margins at the sides of the chart's long direction.
constexpr int SideMargin = 15;
// The chart takes 60 % of the page along its long direction. This is 1 - 40 %, not the
// 1 - 2 × 15 % that the side margins alone would suggest, so a proportional page keeps some
// extra white around the chart; printed pages have always looked like that.
constexpr double LongSideShare = 0.6;

// The margin, in percent of `across`, at each side of a chart whose long side takes
// LongSideShare of `along` and whose short side is `ratio` times the long one. The lx / ly
// correction is the same for both shapes; printers' pixels are square in practice, where it is 1.
int ShapeMargin(double along, double across, double ratio, double lx, double ly) {
    const double chartAcross = LongSideShare * along * ratio * lx / ly;
    return ClampToInt(Half(RoundHalfEven(100.0 * (across - chartAcross) / across)));
}

// round(resolution × (margin × extent × 0.01 / resolution)): the way through the resolution is
// kept so that a page gives the same pixels as it always has, although it equals
// round(margin × extent / 100) up to floating-point rounding.
int MarginPixels(int margin, int extent, int resolution) {
    const double r = resolution;
    return ClampToInt(RoundHalfEven(r * (margin * static_cast<double>(extent) * 0.01 / r)));
}

}  // namespace

Size DetailSize(Size chart, int detail) {
    return {ClampToInt(chart.width - Scale(chart.width, detail, 100)),
            ClampToInt(chart.height - Scale(chart.height, detail, 100))};
}

Margins ProportionalMargins(Size chart, Size page, Size pixelsPerInch) {
    const double lx = pixelsPerInch.width;
    const double ly = pixelsPerInch.height;
    if (chart.height < chart.width) {
        const double ratio = static_cast<double>(chart.height) / chart.width;
        const int m = ShapeMargin(page.width, page.height, ratio, lx, ly);
        return {SideMargin, m, SideMargin, m};
    }
    const double ratio = static_cast<double>(chart.width) / chart.height;
    const int m = ShapeMargin(page.height, page.width, ratio, lx, ly);
    return {m, SideMargin, m, SideMargin};
}

PrintArea PrintRectangle(const Margins& margins, bool proportional, Size chart, Size page,
                         Size pixelsPerInch) {
    const Margins used = proportional ? ProportionalMargins(chart, page, pixelsPerInch) : margins;
    const int lx = pixelsPerInch.width;
    const int ly = pixelsPerInch.height;
    // The far edges in 64 bits: a degenerate page or margin saturates rather than wraps.
    const Rect rect{
        MarginPixels(used.left, page.width, lx), MarginPixels(used.top, page.height, ly),
        ClampToInt(std::int64_t{page.width} - MarginPixels(used.right, page.width, lx)),
        ClampToInt(std::int64_t{page.height} - MarginPixels(used.bottom, page.height, ly))};
    return {rect, used};
}

PageMapping MapOntoPage(Rect printRect, Size detailSize) {
    if (printRect.left > printRect.right) {
        std::swap(printRect.left, printRect.right);
    }
    if (printRect.top > printRect.bottom) {
        std::swap(printRect.top, printRect.bottom);
    }
    const int rw = ClampToInt(std::int64_t{printRect.right} - printRect.left);
    const int rh = ClampToInt(std::int64_t{printRect.bottom} - printRect.top);
    const int w = detailSize.width;
    const int h = detailSize.height;
    const Rect logical{
        ClampToInt(Scale(printRect.left, w, rw)), ClampToInt(Scale(printRect.top, h, rh)),
        ClampToInt(Scale(printRect.right, w, rw)), ClampToInt(Scale(printRect.bottom, h, rh))};
    return {logical, detailSize, {rw, rh}};
}

}  // namespace ormitan::print
