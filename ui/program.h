#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "UnitMain.h"
#include "core/results_document.h"
#include "services.h"

namespace ormitan {

class FileLayer;
class TAboutBox;
class TAboutBoxGifts;
class TFormReport;
namespace platform {
class PrinterService;
}

// The world outside the windows: the desktop's services in the program, fakes in tests.
struct ProgramServices {
    FileLayer& files;
    FileDialogs& fileDialogs;
    MessageBoxes& messages;
    Shell& shell;
    platform::PrinterService& printers;
};

// The program's session: the results document and the windows, created once in their fixed
// order (questionnaire, report, about, definitions) and wired to each other and to the services.
// The questionnaire comes first and alone; the three hidden windows follow right after its first
// completed paint, or at the first input a handler may act on or the first question for one of
// them, whichever comes first. Errors that leave a handler go to `services.messages` while the
// program lives.
class Program final : public QObject {
  public:
    explicit Program(const ProgramServices& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ResultsDocument& Results() { return results_; }
    TMainForm& Main() { return main_; }
    TFormReport& Report() { return (CreateHiddenWindows(), *report_); }
    TAboutBox& About() { return (CreateHiddenWindows(), *about_); }
    TAboutBoxGifts& Gifts() { return (CreateHiddenWindows(), *gifts_); }
    bool HiddenWindowsCreated() const { return report_ != nullptr; }

    // Shows the questionnaire. `afterFirstPaint` runs right after its first completed paint,
    // before the hidden windows are created. With a results file from the command line, that
    // file's report follows once the questionnaire is on screen and the windows exist; the
    // program ends when the report closes, or goes on as a questionnaire when the file cannot be
    // read.
    void Start(const std::optional<std::string>& resultsFile,
               std::function<void()> afterFirstPaint = {});

  protected:
    // Until the hidden windows exist, the first input a handler may act on (not the pointer
    // entering or moving) creates them before it goes on.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Creates the report, about and definitions windows and wires them; once.
    void CreateHiddenWindows();

    const ProgramServices services_;
    ResultsDocument results_;
    // The questionnaire owns the other windows as their parent.
    TMainForm main_;
    TFormReport* report_ = nullptr;
    TAboutBox* about_ = nullptr;
    TAboutBoxGifts* gifts_ = nullptr;
};

}  // namespace ormitan
