#include "qt_printer_service.h"

#include <QAbstractPrintDialog>
#include <QFile>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/errors.h"
#include "platform/cups_print_job.h"
#include "platform/pdf_file_job.h"

namespace ormitan::platform {
namespace {

QString PdfEntry() {
    return QString::fromUtf8(PdfFileEntry);
}

// A printer for the entry `name` with that printer's own default settings. `valid` tells whether
// its device could be opened: a CUPS queue that has gone away leaves the printer on another one.
std::unique_ptr<QPrinter> PrinterFor(const QString& name, bool& valid) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (name == PdfEntry()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        valid = true;
    } else {
        printer->setOutputFormat(QPrinter::NativeFormat);
        printer->setPrinterName(name);
        valid = printer->printerName() == name && printer->isValid();
    }
    return printer;
}

}  // namespace

QtPrinterService::QtPrinterService(AskPdfFileName askPdfFileName, FileLayer& files,
                                   BeforeStandardDialog beforeStandardDialog)
    : askPdfFileName_(std::move(askPdfFileName)),
      beforeStandardDialog_(std::move(beforeStandardDialog)),
      files_(files),
      jobOpen_(std::make_shared<bool>(false)) {}

QtPrinterService::~QtPrinterService() = default;

void QtPrinterService::BeforeDialog() const {
    if (beforeStandardDialog_) {
        beforeStandardDialog_();
    }
}

QStringList QtPrinterService::Printers() {
    QStringList names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        if (!names.contains(name)) {
            names.append(name);
        }
    }
    names.append(PdfEntry());
    names_ = names;
    return names_;
}

int QtPrinterService::CurrentIndex() {
    if (names_.isEmpty()) {
        Printers();
    }
    if (!current_ || !names_.contains(*current_)) {
        SelectDefault();
    }
    return static_cast<int>(names_.indexOf(*current_));
}

void QtPrinterService::Select(int index) {
    if (names_.isEmpty()) {
        Printers();
    }
    if (index < 0 || index >= names_.size()) {
        throw Exception("Printer index out of range");
    }
    MakeCurrent(names_.at(index));
}

void QtPrinterService::SelectDefault() {
    const QString system = QPrinterInfo::defaultPrinterName();
    MakeCurrent(!system.isEmpty() && names_.contains(system) ? system : PdfEntry());
}

void QtPrinterService::MakeCurrent(const QString& name) {
    bool valid = false;
    printer_ = PrinterFor(name, valid);
    valid_ = valid;
    current_ = name;
}

const QString& QtPrinterService::EnsureCurrent() {
    if (!current_) {
        CurrentIndex();
    }
    return *current_;
}

QPrinter& QtPrinterService::OpenedPrinter() {
    EnsureCurrent();
    if (!valid_) {
        throw Exception(InvalidPrinterMessage);
    }
    return *printer_;
}

// A printer that cannot be opened has no settings to read or change either.
QPrinter& QtPrinterService::PrinterWithSettings() {
    EnsureCurrent();
    if (!valid_) {
        throw Exception(NotSupportedMessage);
    }
    return *printer_;
}

int QtPrinterService::Orientation() {
    return PrinterWithSettings().pageLayout().orientation() == QPageLayout::Landscape ? Landscape
                                                                                      : Portrait;
}

void QtPrinterService::SetOrientation(int orientation) {
    QPrinter& printer = PrinterWithSettings();
    // The whole layout at once: the CUPS engine drops a layout its device does not accept, and
    // only the result of setPageLayout tells.
    const QPageLayout current = printer.pageLayout();
    const QPageLayout wanted(
        current.pageSize(),
        orientation == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        current.margins(), current.units(), current.minimumMargins());
    if (!printer.setPageLayout(wanted)) {
        throw Exception(NotSupportedMessage);
    }
}

QSize QtPrinterService::PageSize() {
    const QPrinter& printer = OpenedPrinter();
    return {printer.width(), printer.height()};
}

QSize QtPrinterService::Resolution() {
    const QPrinter& printer = OpenedPrinter();
    return {printer.logicalDpiX(), printer.logicalDpiY()};
}

bool QtPrinterService::Setup(QWidget* parent) {
    const QString name = EnsureCurrent();
    // The dialog works on a copy, so that cancelling it cannot leave half its changes behind.
    bool valid = false;
    std::unique_ptr<QPrinter> chosen = PrinterFor(name, valid);
    if (valid_) {
        chosen->setPageLayout(printer_->pageLayout());
    }
    BeforeDialog();
    if (name == PdfEntry()) {
        QPageSetupDialog dialog(chosen.get(), parent);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
    } else {
        QPrintDialog dialog(chosen.get(), parent);
        // Printer, paper and orientation only; the PDF file is its own entry in the list.
        dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        valid = chosen->isValid();
    }
    current_ = chosen->outputFormat() == QPrinter::PdfFormat ? PdfEntry() : chosen->printerName();
    printer_ = std::move(chosen);
    valid_ = valid;
    return true;
}

std::unique_ptr<PrintJob> QtPrinterService::BeginDocument(const QString& title) {
    if (*jobOpen_) {
        throw Exception(PrintingInProgressMessage);
    }
    const QPrinter& printer = OpenedPrinter();
    if (*current_ != PdfEntry()) {
        return std::make_unique<CupsPrintJob>(*current_, printer.pageLayout(), title, jobOpen_);
    }
    BeforeDialog();
    const std::optional<QString> path = askPdfFileName_(title);
    if (!path) {
        throw EAbort();
    }
    return std::make_unique<PdfFileJob>(printer.pageLayout(), printer.resolution(), title,
                                        QFile::encodeName(*path).toStdString(), files_, jobOpen_);
}

}  // namespace ormitan::platform
