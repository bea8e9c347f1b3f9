#pragma once

#include <QDialog>
#include <memory>

#include "chart/chart_printout.h"
#include "chart/print_setup.h"

class QSpinBox;

namespace Ui {
class TChartPreview;
}

namespace ormitan {

namespace platform {
class PrinterService;
}

class TPreviewPage;

// The print preview: the printer, its orientation, the chart's margins (typed, stepped or
// dragged on the sheet), proportional margins and detail, a sheet that shows the page, and
// printing. A new window is made for each use (ShowPrintPreview). It owns the print setup while
// it is open: it starts from the one it is given, and the caller keeps what it leaves.
class TChartPreview : public QDialog {
    Q_OBJECT
  public:
    TChartPreview(chart::ChartPrintout chart, const print::PrintSetup& setup,
                  platform::PrinterService& printers, QWidget* owner = nullptr);
    ~TChartPreview() override;

    Ui::TChartPreview& Controls() { return *ui_; }
    TPreviewPage& Sheet() { return *Page; }
    const chart::ChartPrintout& Chart() const { return chart_; }
    const print::PrintSetup& Setup() const { return setup_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void FillPrinters();
    void RefreshMargins();
    void ShowPrinterOrientation();
    void ChangeMargins(QObject* sender, bool disableProportional, const print::Margins& newMargins);
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

    const chart::ChartPrintout chart_;
    print::PrintSetup setup_;
    platform::PrinterService& printers_;
    std::unique_ptr<Ui::TChartPreview> ui_;

    // The sheet view, a child of the window.
    TPreviewPage* Page = nullptr;
    // The margins "Сброс" goes back to.
    print::Margins SavedMargins;
    // From creation to the end of the opening: the margin edits ignore what is typed into them.
    // An opening that fails (no printer) leaves it set.
    bool Opening = true;
};

// Shows `chart` in a new print preview over `owner`, modally, starting from `setup`; destroys
// the window when it has closed and returns the setup it left.
print::PrintSetup ShowPrintPreview(QWidget* owner, const chart::ChartPrintout& chart,
                                   const print::PrintSetup& setup,
                                   platform::PrinterService& printers);

}  // namespace ormitan
