#pragma once

#include <QPicture>
#include <QSize>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "platform/printer_service.h"

namespace ormitan::platform {

// One printer of the fake system.
struct FakePrinter {
    QString name;
    QSize portraitPage{2400, 3180};
    QSize landscapePage{3180, 2400};
    QSize resolution{300, 300};
    // Without settings its orientation can be neither read nor changed.
    bool hasSettings = true;
    // When its device does not open, page size, resolution and printing fail.
    bool opens = true;
    int orientation = Portrait;
};

// A document the fake was given, as it stands.
struct FakeJob {
    QString printer;
    QString title;
    int orientation = Portrait;
    // Pages that reached the printer: 1 once the job has ended, 0 while it is open or when it
    // was discarded.
    int pages = 0;
    bool aborted = false;
    // What was drawn on the page, recorded when the job is over.
    QPicture page;
};

// A printer service whose printers, default and failures are set by the test, and which records
// every document instead of printing it. It gives each failure of the real service with its
// message. Jobs must not outlive the service.
class FakePrinterService final : public PrinterService {
  public:
    std::vector<FakePrinter> printers;
    // Index of the system's default printer; none makes the first query fail.
    std::optional<int> defaultPrinter;
    std::vector<FakeJob> jobs;

    // Failures on demand, each thrown once, with this message: when the open job's painter is
    // asked for (the drawing step), and when it ends (the job is discarded then).
    std::optional<std::string> failDrawing;
    std::optional<std::string> failEnd;

    // What the setup dialog answers: the printer index and orientation confirmed, or nullopt
    // for cancel.
    struct SetupChoice {
        int printer = 0;
        int orientation = Portrait;
    };
    std::optional<SetupChoice> setupAnswer;
    int setupCalls = 0;

    bool JobOpen() const { return jobOpen_; }
    std::optional<int> Current() const { return current_; }

    QStringList Printers() override;
    int CurrentIndex() override;
    void Select(int index) override;
    int Orientation() override;
    void SetOrientation(int orientation) override;
    QSize PageSize() override;
    QSize Resolution() override;
    bool Setup(QWidget* parent) override;
    std::unique_ptr<PrintJob> BeginDocument(const QString& title) override;

  private:
    class Job;
    FakePrinter& CurrentPrinter();
    FakePrinter& OpenedPrinter();

    std::optional<int> current_;
    bool jobOpen_ = false;
};

}  // namespace ormitan::platform
