#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <span>

#include "chart/bar_series.h"
#include "chart/chart_layout.h"
#include "chart/chart_settings.h"
#include "chart/text_metrics.h"

namespace ormitan::chart {

// What the drawing needs besides the geometry.
struct DrawStyle {
    BrushStyle barBrush = BrushStyle::Solid;
    bool printing = false;
    QColor panel;  // the background, the system's button-face colour
};

// The button-face colour of the application palette.
QColor PanelColor();

// Draws a finished layout with the origin at the painter's current origin: background, footer,
// legend, walls, left axis, bars, marks.
void DrawLayout(QPainter& painter, const ChartLayout& layout, const DrawStyle& style);

// Lays the chart out in `rect` and draws it there. While printing, the background is left to the
// paper and nothing is drawn outside `rect`.
void DrawChart(QPainter& painter, const QRect& rect, std::span<const ChartPoint> points,
               const ChartSettings& settings, const TextMetrics& metrics, const QColor& panel);

}  // namespace ormitan::chart
