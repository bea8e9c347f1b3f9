#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/file_layer.h"
#include "platform/printer_service.h"

class QPrinter;

namespace ormitan::platform {

// The last entry of the printer list: the page goes into a PDF file chosen when printing. It is
// the current printer when the system has no default printer.
inline constexpr char PdfFileEntry[] = "Файл PDF";

// Asks where to write the PDF file of a document titled `title`; nullopt when the user cancels.
using AskPdfFileName = std::function<std::optional<QString>(const QString& title)>;

// Called each time before a standard Qt dialog opens (the print setup, the PDF file's name).
using BeforeStandardDialog = std::function<void()>;

// The system's CUPS printers through Qt, followed by "Файл PDF". Printers are listed by
// QPrinterInfo, measured and configured through QPrinter in high-resolution mode, and a job is
// drawn into a spool file that is sent to CUPS only when it ends, so that aborting it really
// sends nothing. The PDF file is written in one step when the job ends, through the file layer:
// a cancelled or failed job leaves any previous file of that name as it was.
class QtPrinterService final : public PrinterService {
  public:
    QtPrinterService(AskPdfFileName askPdfFileName, FileLayer& files,
                     BeforeStandardDialog beforeStandardDialog = {});
    ~QtPrinterService() override;
    QtPrinterService(const QtPrinterService&) = delete;
    QtPrinterService& operator=(const QtPrinterService&) = delete;

    QStringList Printers() override;
    // When the current printer has left the system since it was chosen, the default printer is
    // chosen again, as on the first query.
    int CurrentIndex() override;
    // An index outside the list is a programming error and throws.
    void Select(int index) override;
    int Orientation() override;
    void SetOrientation(int orientation) override;
    QSize PageSize() override;
    QSize Resolution() override;
    // The print dialog for a CUPS printer (which can also choose another printer), the page
    // setup dialog for "Файл PDF".
    bool Setup(QWidget* parent) override;
    // For "Файл PDF" the file name is asked first; cancelling throws EAbort, the silent error.
    std::unique_ptr<PrintJob> BeginDocument(const QString& title) override;

  private:
    void MakeCurrent(const QString& name);
    void SelectDefault();
    const QString& EnsureCurrent();
    QPrinter& OpenedPrinter();
    QPrinter& PrinterWithSettings();

    void BeforeDialog() const;

    AskPdfFileName askPdfFileName_;
    BeforeStandardDialog beforeStandardDialog_;
    FileLayer& files_;
    QStringList names_;
    std::optional<QString> current_;
    // Configured for the current entry: its page layout is the current paper and orientation.
    std::unique_ptr<QPrinter> printer_;
    // False when the current printer's device could not be opened.
    bool valid_ = false;
    // Shared with the open job, which clears it when it is over.
    std::shared_ptr<bool> jobOpen_;
};

}  // namespace ormitan::platform
