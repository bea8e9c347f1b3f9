#pragma once

#include <QImage>
#include <QWidget>

#include "chart/bar_series.h"
#include "chart/chart_printout.h"
#include "chart/chart_renderer.h"
#include "chart/print_setup.h"

namespace ormitan::chart {

// The results chart of the report window: one bar series, drawn in the screen form. It composes
// its picture off-screen and copies it in one step, and composes again only after a change of
// the points or the size. It also keeps the print setup from one print preview to the next.
class ResultsChart : public QWidget {
    Q_OBJECT
  public:
    explicit ResultsChart(QWidget* parent = nullptr);

    BarSeries& Series1() { return series_; }
    const BarSeries& Series1() const { return series_; }

    // What the preview and the printer draw: these points in the paper form with `footer`, laid
    // out on the chart's present size.
    ChartPrintout Printout(const QString& footer) const;

    // The print setup the last print preview left, for the next one to start from.
    print::PrintSetup& PrintSettings() { return print_; }
    const print::PrintSetup& PrintSettings() const { return print_; }

    // How many times the on-screen picture has been composed.
    int CompositionCount() const { return compositions_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PointsChanged();
    void Compose();

    BarSeries series_;
    print::PrintSetup print_;
    ChartRenderer renderer_;
    QImage image_;
    bool stale_ = true;
    int compositions_ = 0;
};

}  // namespace ormitan::chart
