#pragma once

#include <QStandardPaths>
#include <QStringList>
#include <deque>
#include <optional>
#include <string>

#include "ui/services.h"

// File dialogs answered by the test: each call takes the next scripted answer (a path, or
// nothing for a cancelled dialog) and counts the call.
class FakeFileDialogs final : public ormitan::FileDialogs {
  public:
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    int openCalls = 0;
    int saveCalls = 0;

    std::optional<std::string> AskOpenPath(QWidget*) override {
        ++openCalls;
        return Next(openAnswers);
    }
    std::optional<std::string> AskSavePath(QWidget*) override {
        ++saveCalls;
        return Next(saveAnswers);
    }

  private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Records every error box and warning, and answers warnings from a script (No when empty).
class FakeMessageBoxes final : public ormitan::MessageBoxes {
  public:
    QStringList errors;
    QStringList warnings;
    std::deque<int> warningAnswers;

    void ShowError(const QString& text) override { errors << text; }
    int AskWarningYesNo(const QString& question) override {
        warnings << question;
        if (warningAnswers.empty()) {
            return No;
        }
        const int answer = warningAnswers.front();
        warningAnswers.pop_front();
        return answer;
    }
};

// Records the addresses the program asks the desktop to open.
class FakeShell final : public ormitan::Shell {
  public:
    QStringList opened;
    void Open(const QString& address) override { opened << address; }
};

// Widget tests run inside the program's own application object, so that errors leaving a
// handler reach its error handler exactly as in the program.
#define ORMITAN_WIDGET_TEST_MAIN(TestClass)          \
    int main(int argc, char** argv) {                \
        QStandardPaths::setTestModeEnabled(true);    \
        ormitan::OrmitanApplication app(argc, argv); \
        TestClass test;                              \
        return QTest::qExec(&test, argc, argv);      \
    }
