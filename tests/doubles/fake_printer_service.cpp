#include "fake_printer_service.h"

#include <QPainter>
#include <utility>

#include "core/errors.h"

namespace ormitan::platform {
namespace {

// Throws the pending failure, once.
void FailIfSet(std::optional<std::string>& failure) {
    if (failure) {
        const std::string message = *std::exchange(failure, std::nullopt);
        throw Exception(message);
    }
}

}  // namespace

// Draws into a picture and files it under the service's job record when it is over.
class FakePrinterService::Job final : public PrintJob {
  public:
    Job(FakePrinterService& service, std::size_t record, QSize pageSize, QSize resolution)
        : service_(service), record_(record), pageSize_(pageSize), resolution_(resolution) {
        painter_.begin(&picture_);
        service_.jobOpen_ = true;
    }
    ~Job() override { Abort(); }
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    QPainter& Painter() override {
        FailIfSet(service_.failDrawing);
        return painter_;
    }
    QSize PageSize() const override { return pageSize_; }
    QSize Resolution() const override { return resolution_; }

    void End() override {
        if (finished_) {
            return;
        }
        const bool fails = service_.failEnd.has_value();
        Finish(fails);
        if (!fails) {
            service_.jobs.at(record_).pages = 1;
        }
        FailIfSet(service_.failEnd);
    }

    void Abort() noexcept override {
        if (!finished_) {
            Finish(true);
        }
    }

  private:
    void Finish(bool aborted) noexcept {
        finished_ = true;
        painter_.end();
        FakeJob& job = service_.jobs.at(record_);
        job.page = picture_;
        job.aborted = aborted;
        service_.jobOpen_ = false;
    }

    FakePrinterService& service_;
    std::size_t record_;
    QSize pageSize_;
    QSize resolution_;
    QPicture picture_;
    QPainter painter_;
    bool finished_ = false;
};

QStringList FakePrinterService::Printers() {
    QStringList names;
    for (const FakePrinter& printer : printers) {
        names.append(printer.name);
    }
    return names;
}

int FakePrinterService::CurrentIndex() {
    if (!current_) {
        if (!defaultPrinter || *defaultPrinter < 0 ||
            *defaultPrinter >= static_cast<int>(printers.size())) {
            throw Exception(NoDefaultPrinterMessage);
        }
        current_ = defaultPrinter;
    }
    return *current_;
}

void FakePrinterService::Select(int index) {
    if (index < 0 || index >= static_cast<int>(printers.size())) {
        throw Exception("Printer index out of range");
    }
    current_ = index;
}

FakePrinter& FakePrinterService::CurrentPrinter() {
    return printers.at(CurrentIndex());
}

FakePrinter& FakePrinterService::OpenedPrinter() {
    FakePrinter& printer = CurrentPrinter();
    if (!printer.opens) {
        throw Exception(InvalidPrinterMessage);
    }
    return printer;
}

int FakePrinterService::Orientation() {
    const FakePrinter& printer = CurrentPrinter();
    if (!printer.hasSettings) {
        throw Exception(NotSupportedMessage);
    }
    return printer.orientation;
}

void FakePrinterService::SetOrientation(int orientation) {
    FakePrinter& printer = CurrentPrinter();
    if (!printer.hasSettings) {
        throw Exception(NotSupportedMessage);
    }
    printer.orientation = orientation == Landscape ? Landscape : Portrait;
}

QSize FakePrinterService::PageSize() {
    const FakePrinter& printer = OpenedPrinter();
    return printer.orientation == Landscape ? printer.landscapePage : printer.portraitPage;
}

QSize FakePrinterService::Resolution() {
    return OpenedPrinter().resolution;
}

bool FakePrinterService::Setup(QWidget*) {
    CurrentPrinter();
    ++setupCalls;
    if (!setupAnswer) {
        return false;
    }
    Select(setupAnswer->printer);
    CurrentPrinter().orientation = setupAnswer->orientation;
    return true;
}

std::unique_ptr<PrintJob> FakePrinterService::BeginDocument(const QString& title) {
    if (jobOpen_) {
        throw Exception(PrintingInProgressMessage);
    }
    const FakePrinter& printer = OpenedPrinter();
    FakeJob record;
    record.printer = printer.name;
    record.title = title;
    record.orientation = printer.orientation;
    jobs.push_back(record);
    const QSize page =
        printer.orientation == Landscape ? printer.landscapePage : printer.portraitPage;
    return std::make_unique<Job>(*this, jobs.size() - 1, page, printer.resolution);
}

}  // namespace ormitan::platform
