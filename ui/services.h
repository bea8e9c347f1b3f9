#pragma once

#include <optional>
#include <string>

#include <QString>

class QWidget;

namespace ormitan {

// The two results-file dialogs. Each remembers the path last chosen in it; a cancelled dialog
// gives nothing and remembers nothing new. Paths are the file system's bytes.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> AskOpenPath(QWidget* parent) = 0;
    virtual std::optional<std::string> AskSavePath(QWidget* parent) = 0;
};

// The error box and the Yes/No warning, as the program speaks to the user.
class MessageBoxes {
  public:
    // What the warning returns, as the platform's dialog results.
    static constexpr int Yes = 6;
    static constexpr int No = 7;
    static constexpr int Closed = 2;

    virtual ~MessageBoxes() = default;
    // Shows `text` as it is (the caller has applied the final-period rule).
    virtual void ShowError(const QString& text) = 0;
    virtual int AskWarningYesNo(const QString& question) = 0;
};

// Asks the desktop to open an address (a web page, a "mailto:" address) with the program the
// user has chosen for it. Whether that worked is not reported.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual void Open(const QString& address) = 0;
};

}  // namespace ormitan
