#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

class QPainter;
class QWidget;

// What the program needs of the system's printers. The program uses the Qt and CUPS service;
// tests put a fake in its place to reach the failures a real system rarely gives.
//
// Failures are ormitan::Exception with the messages the error box shows:
//   "There is no default printer currently selected": nothing is selected and the system has no
//       default, so no step that needs a printer can run;
//   "Printer selected is not valid": the current printer's device cannot be opened (page size,
//       resolution, printing);
//   "Operation not supported on selected printer": the current printer has no settings to read
//       or change the orientation in;
//   "Printing in progress": a document was begun while another one is open.
namespace ormitan::platform {

inline constexpr char NoDefaultPrinterMessage[] = "There is no default printer currently selected";
inline constexpr char InvalidPrinterMessage[] = "Printer selected is not valid";
inline constexpr char NotSupportedMessage[] = "Operation not supported on selected printer";
inline constexpr char PrintingInProgressMessage[] = "Printing in progress";

inline constexpr int Portrait = 0;
inline constexpr int Landscape = 1;

// One document of one page, open from BeginDocument until End or Abort. Destroying a job that
// was neither ended nor aborted aborts it, so an error that leaves the printing code mid-page
// sends nothing to the printer. A job must not outlive the service that began it.
class PrintJob {
  public:
    virtual ~PrintJob() = default;

    // The painter on the page, in device pixels with the origin at the printable area's top-left.
    virtual QPainter& Painter() = 0;
    // The printable area in device pixels, and the device's pixels per inch (x, y).
    virtual QSize PageSize() const = 0;
    virtual QSize Resolution() const = 0;

    // Finishes the page and sends the document. The job is over afterwards, also when this
    // throws; the failure's message says what went wrong.
    virtual void End() = 0;
    // Discards the document: nothing reaches the printer. Does nothing once the job is over.
    virtual void Abort() noexcept = 0;
};

class PrinterService {
  public:
    virtual ~PrinterService() = default;

    // The printers to choose from, in the order the system gives them, each once.
    virtual QStringList Printers() = 0;
    // The current printer's index in the last Printers() list (a fresh one when it has not been
    // asked for). The first query selects the system's default printer.
    virtual int CurrentIndex() = 0;
    // Makes the printer at `index` of the last Printers() list current, with its own settings.
    virtual void Select(int index) = 0;

    // The current printer's orientation: Portrait (0) or Landscape (1).
    virtual int Orientation() = 0;
    virtual void SetOrientation(int orientation) = 0;

    // The printable area of the current printer in its current orientation, in device pixels.
    virtual QSize PageSize() = 0;
    // The current printer's pixels per inch, horizontally and vertically.
    virtual QSize Resolution() = 0;

    // The system's print-setup dialog on the current printer. Confirming makes the chosen printer,
    // paper and orientation current and returns true; cancelling changes nothing.
    virtual bool Setup(QWidget* parent) = 0;

    // Begins a one-page document on the current printer, titled `title`.
    virtual std::unique_ptr<PrintJob> BeginDocument(const QString& title) = 0;
};

}  // namespace ormitan::platform
