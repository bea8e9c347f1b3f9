#include "results_chart.h"

#include <QPainter>

#include "chart/chart_drawer.h"

namespace ormitan::chart {

ResultsChart::ResultsChart(QWidget* parent)
    : QWidget(parent), series_([this] { PointsChanged(); }) {
    // The composed picture covers every pixel, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ResultsChart::SetFooterText(const QStringList& lines) {
    if (settings_.footerText != lines) {
        settings_.footerText = lines;
        Invalidate();
    }
}

void ResultsChart::SetFooterVisible(bool visible) {
    if (settings_.footerVisible != visible) {
        settings_.footerVisible = visible;
        Invalidate();
    }
}

void ResultsChart::SetBarBrushStyle(BrushStyle style) {
    if (settings_.barBrush != style) {
        settings_.barBrush = style;
        Invalidate();
    }
}

void ResultsChart::SetPrinting(bool printing) {
    if (settings_.printing == printing) {
        return;
    }
    settings_.printing = printing;
    // The screen picture never carries the paper form, so it stays valid; it only has to be
    // shown again once the screen may paint.
    if (!printing) {
        update();
    }
}

void ResultsChart::Draw(QPainter& painter, const QRect& rect) const {
    DrawChart(painter, rect, series_.Points(), settings_, metrics_, PanelColor());
}

void ResultsChart::paintEvent(QPaintEvent*) {
    if (settings_.printing) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (stale_ || image_.size() != pixels) {
        if (image_.size() != pixels) {
            image_ = QImage(pixels, QImage::Format_RGB32);
        }
        image_.setDevicePixelRatio(ratio);
        Compose();
    }
    if (!image_.isNull()) {
        QPainter(this).drawImage(0, 0, image_);
    }
}

void ResultsChart::resizeEvent(QResizeEvent*) {
    stale_ = true;
}

void ResultsChart::PointsChanged() {
    // A screen reader cannot see the bars: it reads the legend's lines instead.
    QStringList lines;
    for (const ChartPoint& point : series_.Points()) {
        lines << LegendText(point);
    }
    setAccessibleDescription(lines.join("\n"));
    Invalidate();
}

void ResultsChart::Invalidate() {
    stale_ = true;
    update();
}

void ResultsChart::Compose() {
    stale_ = false;
    ++compositions_;
    if (image_.isNull()) {
        return;
    }
    QPainter painter(&image_);
    Draw(painter, rect());
}

}  // namespace ormitan::chart
