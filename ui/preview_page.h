#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "chart/chart_renderer.h"
#include "chart/print_setup.h"
#include "chart/sheet_geometry.h"

namespace ormitan::chart {
struct ChartPrintout;
}
namespace ormitan::platform {
class PrinterService;
}

namespace ormitan {

// Raised after each step of a margin drag: the view, whether "Пропорция" is to go off, and the
// margins the dragged chart rectangle stands for. The window applies them to its print setup.
using TOnChangeMarginsEvent = std::function<void(QObject* sender, bool disableProportional,
                                                 const print::Margins& newMargins)>;

// The sheet of the print preview: one page in the proportions of the current printer's
// printable area, with the chart inside the setup's margins as it will be printed. The margins,
// or the whole chart, can be dragged with the mouse; every step is reported as new margins.
//
// The sheet is composed off-screen (paper, shadow, chart) and copied in one step; the margin
// lines are inverted over the copy. During a drag the composed sheet stays as it is and only the
// strips the lines leave and enter are copied again: the chart is recorded again once, at the
// release.
class TPreviewPage : public QWidget {
    Q_OBJECT
  public:
    // Reads the margins and the detail from `setup`, which the window owns and writes.
    TPreviewPage(platform::PrinterService& printers, const print::PrintSetup& setup,
                 QWidget* parent = nullptr);

    // The chart to show, not owned.
    void SetImage(const chart::ChartPrintout* chart) { image_ = chart; }
    const chart::ChartPrintout* Image() const { return image_; }

    // Whether the margin lines are drawn.
    void SetShowMargins(bool show) { showMargins_ = show; }
    bool ShowMargins() const { return showMargins_; }

    void SetOnChangeMargins(TOnChangeMarginsEvent handler) {
        onChangeMargins_ = std::move(handler);
    }
    // Called once a drag has ended and the sheet shows its outcome.
    void SetOnDragFinished(std::function<void()> handler) { onDragFinished_ = std::move(handler); }

    // Composes the sheet afresh from the page size and the setup, and shows it now.
    void Repaint();

    // Where the sheet and the chart stand, in view pixels, as last composed or dragged.
    const print::Rect& PaperRect() const { return paperRect_; }
    const print::Rect& ChartRect() const { return chartRect_; }
    print::DragZone DragZone() const { return dragZone_; }
    // False while the printer gives no page size (the view is then empty).
    bool HasSheet() const { return hasSheet_; }
    // How many times the chart has been recorded for the sheet.
    int RecordingCount() const { return recordings_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Compose();
    bool PlaceSheet();
    void DrawPaper(QPainter& painter) const;
    void DrawMarginLines(QPainter& painter) const;
    void DrawChart(QPainter& painter);
    void UpdateMarginLines(const print::Rect& before);

    platform::PrinterService& printers_;
    const print::PrintSetup& setup_;
    const chart::ChartPrintout* image_ = nullptr;
    chart::ChartRenderer renderer_;
    bool showMargins_ = true;
    TOnChangeMarginsEvent onChangeMargins_;
    std::function<void()> onDragFinished_;

    QImage sheet_;  // the composed sheet without the margin lines, in device pixels
    bool stale_ = true;
    bool hasSheet_ = false;
    print::Rect paperRect_;
    print::Rect chartRect_;

    print::DragZone dragZone_ = print::DragZone::None;
    print::Point dragStart_;
    print::Rect dragStartRect_;

    int recordings_ = 0;
};

}  // namespace ormitan
