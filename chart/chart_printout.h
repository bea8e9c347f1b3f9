#pragma once

#include <QString>
#include <vector>

#include "chart/bar_series.h"
#include "chart/chart_form.h"
#include "chart/print_types.h"

namespace ormitan::chart {

// The chart as the print preview and the printer take it, a value of its own: neither needs the
// screen widget while it is hidden.
struct ChartPrintout {
    QString title;  // the print job's title: the chart's name, "Chart1"
    std::vector<ChartPoint> points;
    ChartForm form;  // the paper form, with its footer
    // The chart's size on screen: the proportional margins and the detail are worked from it.
    print::Size clientSize;
};

}  // namespace ormitan::chart
