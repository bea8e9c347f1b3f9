#pragma once

#include <QRect>

#include "chart/print_types.h"

class QPainter;

namespace ormitan::platform {
class PrinterService;
}

// The chart on paper: its place on the printer's page, worked out from the chart's print settings
// and the current printer, and the one-page print job.
namespace ormitan::chart {

class ResultsChart;

// The chart's printing state for as long as this lives: the chart is drawn in its paper form and
// its screen picture rests.
class PrintingState {
  public:
    explicit PrintingState(ResultsChart& chart);
    ~PrintingState();
    PrintingState(const PrintingState&) = delete;
    PrintingState& operator=(const PrintingState&) = delete;

  private:
    ResultsChart& chart_;
};

// The chart's size on screen. It stays valid while the report keeps the chart hidden.
print::Size ClientSize(const ResultsChart& chart);

// The size the chart is laid out on for the sheet and the paper, from its PrintDetail.
print::Size DetailSize(const ResultsChart& chart);

// The margins that give the chart its on-screen shape on the current printer's page.
print::Margins ProportionalMargins(const ResultsChart& chart, platform::PrinterService& printers);

// The chart's rectangle on the current printer's page, in device pixels. With PrintProportional
// the chart's PaperMargins are recomputed first.
print::Rect PrintRectangle(ResultsChart& chart, platform::PrinterService& printers);

// Draws the chart laid out on its DetailSize into `printRect` of a page whose painter works in
// device pixels, in the paper form.
void DrawOnPage(ResultsChart& chart, QPainter& painter, const print::Rect& printRect);

// Prints the chart on one page of the current printer: a job titled with the chart's object name
// ("Chart1"), the chart in its PrintRectangle. When drawing or ending the page fails, the job is
// discarded, nothing reaches the printer and the failure is passed on.
void PrintChart(ResultsChart& chart, platform::PrinterService& printers);

// A print::Rect as the QRect that covers the same pixels.
inline QRect ToQRect(const print::Rect& rect) {
    return {QPoint(rect.left, rect.top), QSize(rect.Width(), rect.Height())};
}

}  // namespace ormitan::chart
