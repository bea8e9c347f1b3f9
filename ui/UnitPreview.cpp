#include "UnitPreview.h"

#include <QApplication>
#include <QButtonGroup>
#include <QShowEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "at_scope_exit.h"
#include "chart/chart_printing.h"
#include "chart/results_chart.h"
#include "ormitan_application.h"
#include "platform/printer_service.h"
#include "preview_page.h"
#include "ui_UnitPreview.h"
#include "window_frame.h"

namespace ormitan {

TChartPreview::TChartPreview(chart::ResultsChart& chart, platform::PrinterService& printers,
                             QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      chart_(chart),
      printers_(printers),
      ui_(std::make_unique<Ui::TChartPreview>()) {
    ui_->setupUi(this);
    setModal(true);
    FormCreate();
}

TChartPreview::~TChartPreview() = default;

chart::ChartPrintSettings& TChartPreview::Settings() {
    return chart_.PrintSettings();
}

void TChartPreview::FormCreate() {
    Opening = true;
    ChangingMargins = true;
    ChangingProportional = false;

    Page = new TPreviewPage(printers_, this);
    Page->setObjectName("Page");
    // To a screen reader the sheet is a picture of the page to be printed.
    Page->setProperty("accessibleRole", "Graphic");
    Page->setAccessibleName("Лист");
    ui_->ClientLayout->addWidget(Page, 1);
    Page->SetOnChangeMargins(
        [this](QObject* sender, bool disableProportional, const print::Margins& newMargins) {
            ChangeMargins(sender, disableProportional, newMargins);
        });
    Page->SetOnDragFinished([this] { PageDragFinished(); });

    auto* orientation = new QButtonGroup(this);
    orientation->addButton(ui_->Portrait, platform::Portrait);
    orientation->addButton(ui_->Landscape, platform::Landscape);
    connect(orientation, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            RunHandler([this] { OrientationClick(); });
        }
    });
    connect(ui_->Printers, &QComboBox::currentIndexChanged, this,
            Guarded(this, &TChartPreview::PrintersChange));
    connect(ui_->BSetupPrinter, &QPushButton::clicked, this,
            Guarded(this, &TChartPreview::BSetupPrinterClick));
    connect(ui_->BPrint, &QPushButton::clicked, this, Guarded(this, &TChartPreview::BPrintClick));
    connect(ui_->BClose, &QPushButton::clicked, this, Guarded(this, &TChartPreview::BCloseClick));
    connect(ui_->ShowMargins, &QCheckBox::toggled, this,
            Guarded(this, &TChartPreview::ShowMarginsClick));
    connect(ui_->BReset, &QPushButton::clicked, this, Guarded(this, &TChartPreview::BResetClick));
    connect(ui_->Resolution, &QScrollBar::valueChanged, this,
            Guarded(this, &TChartPreview::ResolutionChange));
    connect(ui_->CBProp, &QCheckBox::toggled, this, Guarded(this, &TChartPreview::CBPropClick));
    // Every change of an edit's number, typed, stepped or written by the window.
    connect(ui_->SETopMa, &QSpinBox::valueChanged, this, [this] {
        RunHandler([this] {
            MarginEditChanged(*ui_->SETopMa, &print::Margins::top, &print::Margins::bottom);
        });
    });
    connect(ui_->SELeftMa, &QSpinBox::valueChanged, this, [this] {
        RunHandler([this] {
            MarginEditChanged(*ui_->SELeftMa, &print::Margins::left, &print::Margins::right);
        });
    });
    connect(ui_->SEBotMa, &QSpinBox::valueChanged, this, [this] {
        RunHandler([this] {
            MarginEditChanged(*ui_->SEBotMa, &print::Margins::bottom, &print::Margins::top);
        });
    });
    connect(ui_->SERightMa, &QSpinBox::valueChanged, this, [this] {
        RunHandler([this] {
            MarginEditChanged(*ui_->SERightMa, &print::Margins::right, &print::Margins::left);
        });
    });
    ui_->Printers->setFocus();
    // The whole window, frame included, fills the work area and is not resizable by dragging.
    FillWorkArea(*this);
    PlaceWhenFramed(*this, FillWorkArea);
}

void TChartPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;  // restored from minimised: not a new opening
    }
    RunHandler([this] { FormShow(); });
}

// An error in any step is shown in the error box and skips the rest: the window still opens.
void TChartPreview::FormShow() {
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
    FillPrinters();
    printers_.SetOrientation(platform::Landscape);
    // Each runs its change handler when it changes the control.
    ChangeControl([this] { ui_->CBProp->setChecked(Settings().PrintProportional); });
    ChangeControl([this] { ui_->Resolution->setValue(Settings().PrintDetail); });
    SavedMargins = Settings().PaperMargins;
    RefreshMargins();
    Opening = false;
}

// The printer list with the current printer selected; selecting it here is not a user's pick.
void TChartPreview::FillPrinters() {
    const QSignalBlocker quiet(ui_->Printers);
    ui_->Printers->clear();
    ui_->Printers->addItems(printers_.Printers());
    ui_->Printers->setCurrentIndex(-1);
    ui_->Printers->setCurrentIndex(printers_.CurrentIndex());
}

void TChartPreview::RefreshMargins() {
    if (Settings().PrintProportional) {
        SavedMargins = chart::ProportionalMargins(chart_, printers_);
        Settings().PaperMargins = SavedMargins;
    }
    ShowPrinterOrientation();
    ChangeMargins(this, false, Settings().PaperMargins);
}

// Selects the orientation the printer reports; a change of the selection applies it as a click.
void TChartPreview::ShowPrinterOrientation() {
    const int orientation = printers_.Orientation();
    ChangeControl([this, orientation] {
        (orientation == platform::Portrait ? ui_->Portrait : ui_->Landscape)->setChecked(true);
    });
}

void TChartPreview::ChangeMargins(QObject*, bool disableProportional, print::Margins newMargins) {
    ChangingMargins = true;
    const AtScopeExit atEnd([this, disableProportional] {
        ChangingMargins = false;
        if (disableProportional) {
            // A drag step: the sheet's lines follow; the chart is drawn again at the release.
            Page->InvertMarginLines();
        } else {
            MarginsChanged();
        }
    });
    ChangeControl([&] { ShowMargin(*ui_->SELeftMa, newMargins.left); });
    ChangeControl([&] { ShowMargin(*ui_->SERightMa, newMargins.right); });
    ChangeControl([&] { ShowMargin(*ui_->SETopMa, newMargins.top); });
    ChangeControl([&] { ShowMargin(*ui_->SEBotMa, newMargins.bottom); });
    if (disableProportional) {
        TurnProportionalOff();
    }
}

// The window writes a margin as the arithmetic gives it: an unusual page can make a proportional
// margin negative, and the edit shows that number rather than a clamped one, so that the sheet
// and the edits show what prints. Only what the user types or steps must lie within 0..100.
void TChartPreview::ShowMargin(QSpinBox& edit, int margin) {
    edit.setMinimum(std::min(0, margin));
    edit.setValue(margin);
}

void TChartPreview::TurnProportionalOff() {
    Settings().PrintProportional = false;
    ChangingProportional = true;
    ChangeControl([this] { ui_->CBProp->setChecked(false); });
    ChangingProportional = false;
}

void TChartPreview::MarginsChanged() {
    if (ChangingMargins) {
        return;
    }
    Page->Repaint();
    UpdateReset();
}

void TChartPreview::UpdateReset() {
    ui_->BReset->setEnabled(Settings().PaperMargins != SavedMargins);
}

// Two opposite margins always add up to less than 100: a number that would break that is
// refused by putting the stored margin back, which runs this again with it.
void TChartPreview::MarginEditChanged(QSpinBox& edit, int print::Margins::*margin,
                                      int print::Margins::*opposite) {
    if (Opening) {
        return;
    }
    print::Margins& margins = Settings().PaperMargins;
    const int position = edit.value();
    const bool fromUser = !ChangingMargins;
    if ((fromUser && position < 0) || position + margins.*opposite >= 100) {
        ChangeControl([&] { edit.setValue(margins.*margin); });
        return;
    }
    const bool typed = fromUser && position != margins.*margin;
    margins.*margin = position;
    // Proportional margins would replace the typed one on paper: the sheet shows what prints.
    if (typed && Settings().PrintProportional) {
        TurnProportionalOff();
    }
    MarginsChanged();
}

void TChartPreview::PageDragFinished() {
    if (!ChangingMargins) {
        UpdateReset();
    }
}

void TChartPreview::PrintersChange(int index) {
    printers_.Select(index);
    ShowPrinterOrientation();
    OrientationClick();
}

void TChartPreview::BSetupPrinterClick() {
    printers_.Setup(this);
    FillPrinters();
    ShowPrinterOrientation();
    // The kept sheet would go on showing the old paper.
    Page->Repaint();
}

void TChartPreview::OrientationClick() {
    printers_.SetOrientation(ui_->Portrait->isChecked() ? platform::Portrait : platform::Landscape);
    RefreshMargins();
    Page->Repaint();
}

void TChartPreview::ShowMarginsClick(bool checked) {
    Page->SetShowMargins(checked);
    Page->Repaint();
}

void TChartPreview::BResetClick() {
    Settings().PaperMargins = SavedMargins;
    ChangeMargins(this, false, Settings().PaperMargins);
}

void TChartPreview::ResolutionChange(int position) {
    Settings().PrintDetail = position;
    Page->Repaint();
    ShowPrinterOrientation();
}

void TChartPreview::CBPropClick(bool checked) {
    if (ChangingProportional) {
        return;
    }
    Settings().PrintProportional = checked;
    RefreshMargins();
}

void TChartPreview::BPrintClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const AtScopeExit restoreCursor([] { QApplication::restoreOverrideCursor(); });
    chart::PrintChart(chart_, printers_);
}

void TChartPreview::BCloseClick() {
    close();
}

void ShowPrintPreview(QWidget* owner, chart::ResultsChart& chart,
                      platform::PrinterService& printers) {
    const AtScopeExit repaintChart([&chart] { chart.update(); });
    TChartPreview preview(chart, printers, owner);
    preview.Sheet().SetImage(&chart);
    preview.Sheet().Repaint();
    preview.exec();
}

}  // namespace ormitan
