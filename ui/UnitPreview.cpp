#include "UnitPreview.h"

#include <QApplication>
#include <QButtonGroup>
#include <QShowEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "at_scope_exit.h"
#include "chart/chart_printing.h"
#include "ormitan_application.h"
#include "platform/printer_service.h"
#include "preview_page.h"
#include "ui_UnitPreview.h"
#include "window_frame.h"

namespace ormitan {

TChartPreview::TChartPreview(chart::ChartPrintout chart, const print::PrintSetup& setup,
                             platform::PrinterService& printers, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      chart_(std::move(chart)),
      setup_(setup),
      printers_(printers),
      ui_(std::make_unique<Ui::TChartPreview>()) {
    ui_->setupUi(this);
    setModal(true);
    FormCreate();
}

TChartPreview::~TChartPreview() = default;

void TChartPreview::FormCreate() {
    Opening = true;

    Page = new TPreviewPage(printers_, setup_, this);
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
    // Every change of an edit's number the user types or steps; the window writes them quietly.
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
    ChangeControl([this] { ui_->CBProp->setChecked(setup_.PrintProportional); });
    ChangeControl([this] { ui_->Resolution->setValue(setup_.PrintDetail); });
    SavedMargins = setup_.PaperMargins;
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
    if (setup_.PrintProportional) {
        SavedMargins = chart::ProportionalMargins(chart_.clientSize, printers_);
        setup_.PaperMargins = SavedMargins;
    }
    ShowPrinterOrientation();
    ChangeMargins(this, false, setup_.PaperMargins);
}

// Selects the orientation the printer reports; a change of the selection applies it as a click.
void TChartPreview::ShowPrinterOrientation() {
    const int orientation = printers_.Orientation();
    ChangeControl([this, orientation] {
        (orientation == platform::Portrait ? ui_->Portrait : ui_->Landscape)->setChecked(true);
    });
}

// The margins as the window writes them: from the opening, "Пропорция", the orientation and
// "Сброс", or from a step of a drag on the sheet, which turns "Пропорция" off and leaves the
// sheet's lines to follow the pointer until the release.
void TChartPreview::ChangeMargins(QObject*, bool disableProportional,
                                  const print::Margins& newMargins) {
    setup_.PaperMargins = newMargins;
    ShowMargin(*ui_->SELeftMa, newMargins.left);
    ShowMargin(*ui_->SERightMa, newMargins.right);
    ShowMargin(*ui_->SETopMa, newMargins.top);
    ShowMargin(*ui_->SEBotMa, newMargins.bottom);
    if (disableProportional) {
        TurnProportionalOff();
    } else {
        MarginsChanged();
    }
}

// The window writes a margin as the arithmetic gives it: an unusual page can make a proportional
// margin negative, and the edit shows that number rather than a clamped one, so that the sheet
// and the edits show what prints. Only what the user types or steps must lie within 0..100.
void TChartPreview::ShowMargin(QSpinBox& edit, int margin) {
    const QSignalBlocker quiet(edit);
    edit.setMinimum(std::min(0, margin));
    edit.setValue(margin);
}

void TChartPreview::TurnProportionalOff() {
    setup_.PrintProportional = false;
    const QSignalBlocker quiet(ui_->CBProp);
    ui_->CBProp->setChecked(false);
}

void TChartPreview::MarginsChanged() {
    Page->Repaint();
    UpdateReset();
}

void TChartPreview::UpdateReset() {
    ui_->BReset->setEnabled(setup_.PaperMargins != SavedMargins);
}

// A number that breaks the rules on opposite margins is refused by putting the stored margin
// back. A margin the user sets stands on paper only with "Пропорция" off, so it goes off.
void TChartPreview::MarginEditChanged(QSpinBox& edit, int print::Margins::*margin,
                                      int print::Margins::*opposite) {
    if (Opening) {
        return;
    }
    print::Margins& margins = setup_.PaperMargins;
    const int position = edit.value();
    if (!print::TypedMarginFits(position, margins.*opposite)) {
        ShowMargin(edit, margins.*margin);
        return;
    }
    margins.*margin = position;
    if (setup_.PrintProportional) {
        TurnProportionalOff();
    }
    MarginsChanged();
}

void TChartPreview::PageDragFinished() {
    UpdateReset();
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
    setup_.PaperMargins = SavedMargins;
    ChangeMargins(this, false, setup_.PaperMargins);
}

void TChartPreview::ResolutionChange(int position) {
    setup_.PrintDetail = position;
    Page->Repaint();
    ShowPrinterOrientation();
}

void TChartPreview::CBPropClick(bool checked) {
    setup_.PrintProportional = checked;
    RefreshMargins();
}

void TChartPreview::BPrintClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const AtScopeExit restoreCursor([] { QApplication::restoreOverrideCursor(); });
    setup_.PaperMargins = chart::PrintChart(chart_, setup_, printers_).margins;
}

void TChartPreview::BCloseClick() {
    close();
}

print::PrintSetup ShowPrintPreview(QWidget* owner, const chart::ChartPrintout& chart,
                                   const print::PrintSetup& setup,
                                   platform::PrinterService& printers) {
    TChartPreview preview(chart, setup, printers, owner);
    preview.Sheet().SetImage(&preview.Chart());
    preview.Sheet().Repaint();
    preview.exec();
    return preview.Setup();
}

}  // namespace ormitan
