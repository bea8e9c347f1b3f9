#include "chart_renderer.h"

#include <QPainter>

namespace ormitan::chart {

void ChartRenderer::Render(QPainter& painter, const QRect& rect, std::span<const ChartPoint> points,
                           const ChartForm& form) {
    const ChartLayout layout = LayOutChart(
        {rect.size(), points, form.paper, form.paper ? QStringList{form.footer} : QStringList()},
        metrics_);
    painter.save();
    if (form.paper) {
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    painter.translate(rect.topLeft());
    DrawLayout(painter, layout,
               {form.paper ? BrushStyle::DiagCross : BrushStyle::Solid, form.paper, PanelColor(),
                &cache_});
    painter.restore();
}

void RenderChart(QPainter& painter, const QRect& rect, std::span<const ChartPoint> points,
                 const ChartForm& form) {
    ChartRenderer().Render(painter, rect, points, form);
}

}  // namespace ormitan::chart
