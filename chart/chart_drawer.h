#pragma once

#include <QColor>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <array>
#include <optional>

#include "chart/chart_layout.h"
#include "chart/colors.h"
#include "chart/text_metrics.h"

namespace ormitan::chart {

// What drawing on the screen keeps from one composition to the next: each text shaped once
// (a composition after a resize draws the same texts again, and laying them out anew was most of
// the drawing's time), and where Qt's half-tone pattern puts its first dot.
class ScreenCache {
  public:
    const QStaticText& Text(TextRole role, const QString& text);
    // Whether Qt's half-tone pattern, laid from the origin, covers the pixel at the origin.
    bool HalfToneCoversOrigin();

  private:
    static constexpr qsizetype MaxTexts = 1000;
    std::array<QHash<QString, QStaticText>, std::size_t(TextRole::Footer) + 1> texts_;
    std::optional<bool> halfToneCoversOrigin_;
};

// What the drawing needs besides the geometry.
struct DrawStyle {
    BrushStyle barBrush = BrushStyle::Solid;
    bool printing = false;
    QColor panel;                  // the background, the system's button-face colour
    ScreenCache* cache = nullptr;  // none: every text is laid out as it is drawn
};

// Whether Qt's half-tone pattern, laid from the origin, covers the pixel at the origin: a fill
// with it draws a dotted line one pixel wide once it is put in phase with the line's first pixel.
bool HalfToneCoversOrigin();

// The button-face colour of the application palette.
QColor PanelColor();

// Draws a finished layout with the origin at the painter's current origin: background, footer,
// legend, walls, left axis, bars, marks.
void DrawLayout(QPainter& painter, const ChartLayout& layout, const DrawStyle& style);

}  // namespace ormitan::chart
