#include "cups_print_job.h"

#include <dlfcn.h>

#include <QByteArray>
#include <QDir>

#include <cups/cups.h>

#include "core/errors.h"

namespace ormitan::platform {
namespace {

// The few CUPS calls a submission makes. libcups is opened when the first job is submitted, not
// at start: it brings some twenty libraries of its own (TLS, Kerberos, Avahi) whose loading
// and relocation the program's start-up would otherwise wait for. The library stays loaded.
struct CupsCalls {
    decltype(&cupsAddOption) addOption = nullptr;
    decltype(&cupsFreeOptions) freeOptions = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
};

template <typename Function>
void Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (function == nullptr) {
        throw Exception(InvalidPrinterMessage);
    }
}

// Throws "Printer selected is not valid" when libcups or one of its calls is missing.
CupsCalls LoadCups() {
    // The library's name for programs, unchanged since CUPS 1.2.
    void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        throw Exception(InvalidPrinterMessage);
    }
    CupsCalls calls;
    Resolve(library, "cupsAddOption", calls.addOption);
    Resolve(library, "cupsFreeOptions", calls.freeOptions);
    Resolve(library, "cupsPrintFile", calls.printFile);
    Resolve(library, "cupsLastErrorString", calls.lastErrorString);
    return calls;
}

// The option list of one submission, freed however the submission ends.
class CupsOptions {
  public:
    explicit CupsOptions(const CupsCalls& cups) : cups_(cups) {}
    CupsOptions(const CupsOptions&) = delete;
    CupsOptions& operator=(const CupsOptions&) = delete;
    ~CupsOptions() { cups_.freeOptions(count_, options_); }

    void Add(const char* name, const QByteArray& value) {
        count_ = cups_.addOption(name, value.constData(), count_, &options_);
    }
    int Count() const { return count_; }
    cups_option_t* Options() const { return options_; }

  private:
    const CupsCalls& cups_;
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

// Sends the spool file with the paper and orientation it was drawn for: the page is drawn on
// the paper in its orientation and CUPS turns it onto the media, as for any Qt print job.
void Submit(const QString& printerName, const QString& file, const QString& title,
            const QPageLayout& layout) {
    const CupsCalls cups = LoadCups();
    CupsOptions options(cups);
    options.Add("media", layout.pageSize().key().toUtf8());
    if (layout.orientation() == QPageLayout::Landscape) {
        options.Add("landscape", "");
    }
    // CUPS takes the queue without the "/instance" that distinguishes saved option sets.
    const QByteArray queue = printerName.section('/', 0, 0).toLocal8Bit();
    const int job = cups.printFile(queue.constData(), QFile::encodeName(file).constData(),
                                   title.toUtf8().constData(), options.Count(), options.Options());
    if (job == 0) {
        throw Exception(cups.lastErrorString());
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
