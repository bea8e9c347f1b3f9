#include "results_chart.h"

#include <QPainter>

namespace ormitan::chart {

ResultsChart::ResultsChart(QWidget* parent)
    : QWidget(parent), series_([this] { PointsChanged(); }) {
    // The composed picture covers every pixel, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ChartPrintout ResultsChart::Printout(const QString& footer) const {
    return {objectName(), series_.Points(), ChartForm::Paper(footer), {width(), height()}};
}

void ResultsChart::paintEvent(QPaintEvent*) {
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
    renderer_.Render(painter, rect(), series_.Points(), ChartForm::Screen());
}

}  // namespace ormitan::chart
