#pragma once

#include "chart/print_geometry.h"

namespace ormitan::chart {

// What the print preview sets for the printed chart. The chart keeps them for the life of the
// program, so that each preview starts where the last one left off.
struct ChartPrintSettings {
    // The chart's distance from each edge of the printable area, in percent.
    print::Margins PaperMargins = print::DefaultPaperMargins;
    // When on, the margins follow the chart's shape: they are recomputed every time the print
    // rectangle is.
    bool PrintProportional = true;
    // -100..0: the chart is laid out on its screen size (0) up to twice that size (-100).
    int PrintDetail = 0;
};

}  // namespace ormitan::chart
