#pragma once

#include <QString>

namespace ormitan::chart {

// The chart's texts by font: legend lines and marks share Arial 11 px, the axis labels are Arial
// 8 pt (11 px at 96 dpi), the footer is Times New Roman 16 px.
enum class TextRole { Legend, Mark, AxisLabel, Footer };

// Text measurement for the layout, in the layout's logical pixels.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    virtual int Width(TextRole role, const QString& text) const = 0;
    // The height of "W": the font's full line height.
    virtual int Height(TextRole role) const = 0;
};

}  // namespace ormitan::chart
