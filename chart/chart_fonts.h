#pragma once

#include <QFont>
#include <QImage>
#include <array>

#include "chart/text_metrics.h"

namespace ormitan::chart {

// The font of each text, pixel-sized in the layout's logical units so that a layout scaled onto
// a printer page keeps its proportions.
QFont ChartFont(TextRole role);

// Measures with the real fonts at a fixed 96-dpi reference, so that the screen, the preview
// picture and the printer page lay out identically. Needs a running QGuiApplication.
class FontMetrics final : public TextMetrics {
  public:
    FontMetrics();
    int Width(TextRole role, const QString& text) const override;
    int Height(TextRole role) const override;

  private:
    QImage reference_;  // the 96-dpi device the fonts are measured on
};

}  // namespace ormitan::chart
