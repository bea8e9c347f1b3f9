#pragma once

#include <QDialog>
#include <memory>

#include "chart/print_types.h"

class QSpinBox;

namespace Ui {
class TChartPreview;
}

namespace ormitan {

namespace chart {
class ResultsChart;
struct ChartPrintSettings;
}  // namespace chart
namespace platform {
class PrinterService;
}

class TPreviewPage;

// The print preview: the printer, its orientation, the chart's margins (typed, stepped or
// dragged on the sheet), proportional margins and detail, a sheet that shows the page, and
// printing. A new window is made for each use (ShowPrintPreview); what it sets lives on in the
// chart's print settings and in the printer service.
class TChartPreview : public QDialog {
    Q_OBJECT
  public:
    TChartPreview(chart::ResultsChart& chart, platform::PrinterService& printers,
                  QWidget* owner = nullptr);
    ~TChartPreview() override;

    Ui::TChartPreview& Controls() { return *ui_; }
    TPreviewPage& Sheet() { return *Page; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void FillPrinters();
    void RefreshMargins();
    void ShowPrinterOrientation();
    void ChangeMargins(QObject* sender, bool disableProportional, print::Margins newMargins);
    void ShowMargin(QSpinBox& edit, int margin);
    void TurnProportionalOff();
    void MarginsChanged();
    void UpdateReset();
    void MarginEditChanged(QSpinBox& edit, int print::Margins::*margin,
                           int print::Margins::*opposite);

    void PrintersChange(int index);
    void BSetupPrinterClick();
    void OrientationClick();
    void ShowMarginsClick(bool checked);
    void BResetClick();
    void ResolutionChange(int position);
    void CBPropClick(bool checked);
    void BPrintClick();
    void BCloseClick();
    void PageDragFinished();

    chart::ChartPrintSettings& Settings();

    chart::ResultsChart& chart_;
    platform::PrinterService& printers_;
    std::unique_ptr<Ui::TChartPreview> ui_;

    // The sheet view, a child of the window.
    TPreviewPage* Page = nullptr;
    // The margins "Сброс" goes back to.
    print::Margins SavedMargins;
    // From creation to the end of the opening: the margin edits ignore their changes.
    bool Opening = true;
    // While the window writes the margin edits itself: their changes are not the user's.
    bool ChangingMargins = true;
    // While the window unchecks "Пропорция" itself.
    bool ChangingProportional = false;
};

// Shows `chart` in a new print preview over `owner`, modally, and destroys the window when it
// has closed; the chart is then repainted on screen.
void ShowPrintPreview(QWidget* owner, chart::ResultsChart& chart,
                      platform::PrinterService& printers);

}  // namespace ormitan
