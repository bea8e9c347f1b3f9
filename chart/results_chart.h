#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>

#include "chart/bar_series.h"
#include "chart/chart_fonts.h"
#include "chart/chart_settings.h"
#include "chart/print_settings.h"

class QPainter;

namespace ormitan::chart {

// The results chart of the report window: one bar series and the few settings the program
// switches for printing. On screen it composes its picture off-screen and copies it in one step;
// it composes again only after a change of the points, the settings or the size.
class ResultsChart : public QWidget {
    Q_OBJECT
  public:
    explicit ResultsChart(QWidget* parent = nullptr);

    BarSeries& Series1() { return series_; }
    const BarSeries& Series1() const { return series_; }

    void SetFooterText(const QStringList& lines);
    const QStringList& FooterText() const { return settings_.footerText; }
    void SetFooterVisible(bool visible);
    bool FooterVisible() const { return settings_.footerVisible; }
    void SetBarBrushStyle(BrushStyle style);
    BrushStyle BarBrushStyle() const { return settings_.barBrush; }

    // On while the chart is drawn for the preview sheet or the printer; the screen shows nothing
    // of its own meanwhile.
    void SetPrinting(bool printing);
    bool Printing() const { return settings_.printing; }

    // Lays the whole chart out in `rect` and draws it on any painter, in the paper form while the
    // printing state is on.
    void Draw(QPainter& painter, const QRect& rect) const;

    // The print settings, read and changed in place by the print preview.
    ChartPrintSettings& PrintSettings() { return print_; }
    const ChartPrintSettings& PrintSettings() const { return print_; }

    // How many times the on-screen picture has been composed.
    int CompositionCount() const { return compositions_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PointsChanged();
    void Invalidate();
    void Compose();

    BarSeries series_;
    ChartSettings settings_;
    ChartPrintSettings print_;
    FontMetrics metrics_;
    QImage image_;
    bool stale_ = true;
    int compositions_ = 0;
};

}  // namespace ormitan::chart
