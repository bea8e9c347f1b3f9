#pragma once

#include <QRect>
#include <span>

#include "chart/bar_series.h"
#include "chart/chart_drawer.h"
#include "chart/chart_fonts.h"
#include "chart/chart_form.h"

class QPainter;

namespace ormitan::chart {

// Lays the chart out in a rectangle and draws it there, in either form, on any painter: the
// screen widget, the preview sheet, the printer and the render tool all draw through it. It keeps
// the text measures and the shaped texts, so that an owner drawing again and again (the screen
// widget, the preview sheet) measures each text once.
class ChartRenderer {
  public:
    void Render(QPainter& painter, const QRect& rect, std::span<const ChartPoint> points,
                const ChartForm& form);

  private:
    FontMetrics metrics_;
    ScreenCache cache_;
};

// Draws the chart once, with a renderer of its own.
void RenderChart(QPainter& painter, const QRect& rect, std::span<const ChartPoint> points,
                 const ChartForm& form);

}  // namespace ormitan::chart
