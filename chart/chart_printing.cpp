#include "chart_printing.h"

#include <QPainter>
#include <memory>

#include "chart/print_geometry.h"
#include "chart/results_chart.h"
#include "platform/printer_service.h"

namespace ormitan::chart {
namespace {

print::Size ToSize(QSize size) {
    return {size.width(), size.height()};
}

}  // namespace

PrintingState::PrintingState(ResultsChart& chart) : chart_(chart) {
    chart_.SetPrinting(true);
}

PrintingState::~PrintingState() {
    chart_.SetPrinting(false);
}

print::Size ClientSize(const ResultsChart& chart) {
    return ToSize(chart.size());
}

print::Size DetailSize(const ResultsChart& chart) {
    return print::DetailSize(ClientSize(chart), chart.PrintSettings().PrintDetail);
}

print::Margins ProportionalMargins(const ResultsChart& chart, platform::PrinterService& printers) {
    const print::Size page = ToSize(printers.PageSize());
    return print::ProportionalMargins(ClientSize(chart), page, ToSize(printers.Resolution()));
}

print::Rect PrintRectangle(ResultsChart& chart, platform::PrinterService& printers) {
    ChartPrintSettings& settings = chart.PrintSettings();
    const print::Size page = ToSize(printers.PageSize());
    const print::PrintArea area =
        print::PrintRectangle(settings.PaperMargins, settings.PrintProportional, ClientSize(chart),
                              page, ToSize(printers.Resolution()));
    settings.PaperMargins = area.margins;
    return area.rect;
}

void DrawOnPage(ResultsChart& chart, QPainter& painter, const print::Rect& printRect) {
    const print::PageMapping mapping = print::MapOntoPage(printRect, DetailSize(chart));
    if (mapping.window.width <= 0 || mapping.window.height <= 0 || mapping.viewport.width <= 0 ||
        mapping.viewport.height <= 0) {
        return;  // a mapping without an inverse: there is nothing to draw
    }
    painter.save();
    painter.setWindow(0, 0, mapping.window.width, mapping.window.height);
    painter.setViewport(0, 0, mapping.viewport.width, mapping.viewport.height);
    const QRect logical = ToQRect(mapping.logical);
    {
        const PrintingState printing(chart);
        painter.setClipRect(logical);
        chart.Draw(painter, logical);
    }
    painter.restore();
}

void PrintChart(ResultsChart& chart, platform::PrinterService& printers) {
    const print::Rect rect = PrintRectangle(chart, printers);
    // A job that an error leaves before End is discarded by its destructor.
    const std::unique_ptr<platform::PrintJob> job = printers.BeginDocument(chart.objectName());
    DrawOnPage(chart, job->Painter(), rect);
    job->End();
}

}  // namespace ormitan::chart
