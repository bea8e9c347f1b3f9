#include "UnitReport.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "at_scope_exit.h"
#include "chart/results_chart.h"
#include "core/results_document.h"
#include "core/results_file.h"
#include "ormitan_application.h"
#include "product.h"
#include "report_geometry.h"
#include "ui_UnitReport.h"
#include "widgets_support.h"
#include "window_frame.h"

namespace ormitan {

TFormReport::TFormReport(ResultsDocument& results, FileLayer& files, FileDialogs& fileDialogs,
                         MessageBoxes& messages, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      results_(results),
      files_(files),
      fileDialogs_(fileDialogs),
      messages_(messages),
      ui_(std::make_unique<Ui::TFormReport>()) {
    ui_->setupUi(this);
    ui_->SpeedButtonSave->setIcon(GlyphIcon(":/images/glyphs/save.png"));
    ui_->SpeedButtonPrint->setIcon(GlyphIcon(":/images/glyphs/print.png"));
    ui_->SpeedButtonHelp->setIcon(GlyphIcon(":/images/glyphs/help.png"));
    connect(ui_->SpeedButtonSave, &QToolButton::clicked, this,
            Guarded(this, &TFormReport::SpeedButtonSaveClick));
    connect(ui_->SpeedButtonPrint, &QToolButton::clicked, this,
            Guarded(this, &TFormReport::SpeedButtonPrintClick));
    connect(ui_->SpeedButtonHelp, &QToolButton::clicked, this,
            Guarded(this, &TFormReport::SpeedButtonHelpClick));
    // The tool buttons take no focus; these keys reach them from the keyboard.
    BindKey(*ui_->SpeedButtonSave, QKeySequence(Qt::CTRL | Qt::Key_S));
    BindKey(*ui_->SpeedButtonPrint, QKeySequence(Qt::CTRL | Qt::Key_P));
    BindKey(*ui_->SpeedButtonHelp, QKeySequence(Qt::Key_F1));
    setModal(true);
    FormCreate();
    UpdateCaption();
    watchResults_ = results_.Watch([this] { UpdateCaption(); });
}

TFormReport::~TFormReport() = default;

chart::ResultsChart& TFormReport::Chart1() {
    return *ui_->Chart1;
}

void TFormReport::FormCreate() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize whole =
        ReportWindowSize(screen != nullptr ? screen->geometry().size() : QSize(640, 480));
    // The size is the whole window's, frame included; until the window manager has framed the
    // window the client takes it all.
    SizeWholeWindow(*this, whole);
    PlaceWhenFramed(*this, [whole](QWidget& window) { SizeWholeWindow(window, whole); });
}

QString TFormReport::CaptionFor(const std::string& resultsName) {
    if (resultsName.empty()) {
        return "Результаты теста   ";
    }
    return "Результаты теста - " + QFile::decodeName(QByteArray::fromStdString(resultsName));
}

QString TFormReport::FooterFor(const std::string& resultsName) {
    return chart::PaperFooter(QFile::decodeName(QByteArray::fromStdString(resultsName)));
}

void TFormReport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;  // restored from minimised: not a new showing
    }
    FormActivate();
    emit Shown();
}

void TFormReport::FormActivate() {
    ui_->LabelWeb->clear();
    ui_->LabelWeb->adjustSize();
    auto& series = Chart1().Series1();
    series.Clear();
    chart::AddGiftBars(series, results_.Scores());
}

void TFormReport::UpdateCaption() {
    const QString caption = CaptionFor(results_.ResultsName());
    if (windowTitle() != caption) {
        setWindowTitle(caption);
    }
}

void TFormReport::SpeedButtonSaveClick() {
    SaveFile();
    ui_->LabelWeb->setText(QString(" Посетите наш сайт: ") + product::SiteAddress);
    ui_->LabelWeb->adjustSize();
    update();
}

void TFormReport::SaveFile() {
    const auto path = fileDialogs_.AskSavePath(this);
    if (!path) {
        return;
    }
    SaveResults(files_, *path, results_);
}

// The preview and the paper show the chart with the footer and hatched bars; the screen never
// does, since the chart is hidden while the preview is open.
void TFormReport::SpeedButtonPrintClick() {
    auto& chart = Chart1();
    const chart::ChartPrintout printout = chart.Printout(FooterFor(results_.ResultsName()));
    chart.hide();
    const AtScopeExit showAgain([&chart] { chart.show(); });
    if (showPrintPreview_) {
        chart.PrintSettings() = showPrintPreview_(this, printout, chart.PrintSettings());
    }
}

void TFormReport::SpeedButtonHelpClick() {
    if (gifts_ != nullptr) {
        gifts_->exec();
    }
}

bool TFormReport::FormCloseQuery() {
    if (!results_.ResultsName().empty()) {
        return true;
    }
    return messages_.AskWarningYesNo("Результаты не записанны ! Закрыть окно ?") ==
           MessageBoxes::Yes;
}

void TFormReport::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TFormReport::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the report; only the close box does, through the close check.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace ormitan
