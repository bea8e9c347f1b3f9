#include "cups_print_job.h"

#include <QByteArray>
#include <QDir>

#include <cups/cups.h>

#include "core/errors.h"

namespace ormitan::platform {
namespace {

// The option list of one submission, freed however the submission ends.
class CupsOptions {
  public:
    CupsOptions() = default;
    CupsOptions(const CupsOptions&) = delete;
    CupsOptions& operator=(const CupsOptions&) = delete;
    ~CupsOptions() { cupsFreeOptions(count_, options_); }

    void Add(const char* name, const QByteArray& value) {
        count_ = cupsAddOption(name, value.constData(), count_, &options_);
    }
    int Count() const { return count_; }
    cups_option_t* Options() const { return options_; }

  private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

// Sends the spool file with the paper and orientation it was drawn for: the page is drawn on
// the paper in its orientation and CUPS turns it onto the media, as for any Qt print job.
void Submit(const QString& printerName, const QString& file, const QString& title,
            const QPageLayout& layout) {
    CupsOptions options;
    options.Add("media", layout.pageSize().key().toUtf8());
    if (layout.orientation() == QPageLayout::Landscape) {
        options.Add("landscape", "");
    }
    // CUPS takes the queue without the "/instance" that distinguishes saved option sets.
    const QByteArray queue = printerName.section('/', 0, 0).toLocal8Bit();
    const int job = cupsPrintFile(queue.constData(), QFile::encodeName(file).constData(),
                                  title.toUtf8().constData(), options.Count(), options.Options());
    if (job == 0) {
        throw Exception(cupsLastErrorString());
    }
}

}  // namespace

CupsPrintJob::CupsPrintJob(const QString& printerName, const QPageLayout& layout,
                           const QString& title, std::shared_ptr<bool> open)
    : PaintedPageJob(std::move(open)),
      printerName_(printerName),
      title_(title),
      // Not ".pdf": that suffix would switch the printer to Qt's plain PDF engine.
      spool_(QDir::temp().filePath("ormitan-XXXXXX.spool")),
      printer_(QPrinter::HighResolution) {
    if (!spool_.open()) {
        throw Exception(InvalidPrinterMessage);
    }
    spool_.close();
    printer_.setPrinterName(printerName);
    if (printer_.printerName() != printerName || !printer_.setPageLayout(layout)) {
        throw Exception(InvalidPrinterMessage);
    }
    printer_.setDocName(title);
    // With a file name the CUPS engine writes the document there instead of sending it.
    printer_.setOutputFileName(spool_.fileName());
    Begin(printer_);
}

CupsPrintJob::~CupsPrintJob() {
    Abort();
}

void CupsPrintJob::Deliver() {
    Submit(printerName_, spool_.fileName(), title_, printer_.pageLayout());
    spool_.remove();
}

void CupsPrintJob::Discard() noexcept {
    spool_.remove();
}

}  // namespace ormitan::platform
