#pragma once

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
// Errors that leave a handler go to `services.messages` while the program lives.
class Program {
  public:
    explicit Program(const ProgramServices& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ResultsDocument& Results() { return results_; }
    TMainForm& Main() { return main_; }
    TFormReport& Report() { return *report_; }
    TAboutBox& About() { return *about_; }
    TAboutBoxGifts& Gifts() { return *gifts_; }

    // Shows the questionnaire. With a results file from the command line, that file's report
    // follows once the questionnaire is on screen; the program ends when the report closes, or
    // goes on as a questionnaire when the file cannot be read.
    void Start(const std::optional<std::string>& resultsFile);

  private:
    ResultsDocument results_;
    // The questionnaire owns the other windows as their parent.
    TMainForm main_;
    TFormReport* report_;
    TAboutBox* about_;
    TAboutBoxGifts* gifts_;
};

}  // namespace ormitan
