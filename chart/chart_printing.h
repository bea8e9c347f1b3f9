#pragma once

#include <QRect>

#include "chart/chart_printout.h"
#include "chart/print_geometry.h"

class QPainter;

namespace ormitan::platform {
class PrinterService;
}

// The chart on paper: its place on the current printer's page, worked out from the print setup
// and the printer, and the one-page print job.
namespace ormitan::chart {

// The margins that give a chart of `chartSize` its on-screen shape on the current printer's page.
print::Margins ProportionalMargins(print::Size chartSize, platform::PrinterService& printers);

// The chart's rectangle on the current printer's page, in device pixels, and the margins it
// stands for: with PrintProportional those are recomputed for this page, else the setup's own.
print::PrintArea PrintRectangle(const print::PrintSetup& setup, print::Size chartSize,
                                platform::PrinterService& printers);

// Draws `chart` laid out on its detail size into `printRect` of a page whose painter works in
// device pixels.
void DrawOnPage(QPainter& painter, const print::Rect& printRect, const ChartPrintout& chart,
                int detail);

// Prints the chart on one page of the current printer: a job titled with the chart's title, the
// chart in its PrintRectangle. Returns where it printed and with which margins. When drawing or
// ending the page fails, the job is discarded, nothing reaches the printer and the failure is
// passed on.
print::PrintArea PrintChart(const ChartPrintout& chart, const print::PrintSetup& setup,
                            platform::PrinterService& printers);

// A print::Rect as the QRect that covers the same pixels.
inline QRect ToQRect(const print::Rect& rect) {
    return {QPoint(rect.left, rect.top), QSize(rect.Width(), rect.Height())};
}

}  // namespace ormitan::chart
