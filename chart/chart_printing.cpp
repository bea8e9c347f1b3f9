#include "chart_printing.h"

#include <QPainter>
#include <memory>

#include "chart/chart_renderer.h"
#include "platform/printer_service.h"

namespace ormitan::chart {
namespace {

print::Size ToSize(QSize size) {
    return {size.width(), size.height()};
}

}  // namespace

print::Margins ProportionalMargins(print::Size chartSize, platform::PrinterService& printers) {
    const print::Size page = ToSize(printers.PageSize());
    return print::ProportionalMargins(chartSize, page, ToSize(printers.Resolution()));
}

print::PrintArea PrintRectangle(const print::PrintSetup& setup, print::Size chartSize,
                                platform::PrinterService& printers) {
    const print::Size page = ToSize(printers.PageSize());
    return print::PrintRectangle(setup.PaperMargins, setup.PrintProportional, chartSize, page,
                                 ToSize(printers.Resolution()));
}

void DrawOnPage(QPainter& painter, const print::Rect& printRect, const ChartPrintout& chart,
                int detail) {
    const print::PageMapping mapping =
        print::MapOntoPage(printRect, print::DetailSize(chart.clientSize, detail));
    if (mapping.window.width <= 0 || mapping.window.height <= 0 || mapping.viewport.width <= 0 ||
        mapping.viewport.height <= 0) {
        return;  // a mapping without an inverse: there is nothing to draw
    }
    painter.save();
    painter.setWindow(0, 0, mapping.window.width, mapping.window.height);
    painter.setViewport(0, 0, mapping.viewport.width, mapping.viewport.height);
    const QRect logical = ToQRect(mapping.logical);
    painter.setClipRect(logical);
    RenderChart(painter, logical, chart.points, chart.form);
    painter.restore();
}

print::PrintArea PrintChart(const ChartPrintout& chart, const print::PrintSetup& setup,
                            platform::PrinterService& printers) {
    const print::PrintArea area = PrintRectangle(setup, chart.clientSize, printers);
    // A job that an error leaves before End is discarded by its destructor.
    const std::unique_ptr<platform::PrintJob> job = printers.BeginDocument(chart.title);
    DrawOnPage(job->Painter(), area.rect, chart, setup.PrintDetail);
    job->End();
    return area;
}

}  // namespace ormitan::chart
