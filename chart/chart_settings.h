#pragma once

#include <QStringList>

namespace ormitan::chart {

// The bar brush: solid on screen, a diagonal cross hatch on paper.
enum class BrushStyle { Solid, DiagCross };

// The settings the program switches; every other property of the chart is fixed.
struct ChartSettings {
    QStringList footerText;
    bool footerVisible = false;
    BrushStyle barBrush = BrushStyle::Solid;
    // On while the chart is drawn for the preview sheet or the printer.
    bool printing = false;
};

}  // namespace ormitan::chart
