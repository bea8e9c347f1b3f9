#pragma once

#include <QtTest>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "chart/results_chart.h"
#include "doubles/fake_printer_service.h"
#include "fake_services.h"
#include "platform/posix_file_layer.h"
#include "ui/UnitAbout.h"
#include "ui/UnitGifts.h"
#include "ui/UnitMain.h"
#include "ui/UnitPreview.h"
#include "ui/UnitReport.h"
#include "ui/ormitan_application.h"
#include "ui/program.h"
#include "ui_UnitAbout.h"
#include "ui_UnitGifts.h"
#include "ui_UnitMain.h"
#include "ui_UnitReport.h"

namespace ormitan {

// The program as it is composed, with fake dialogs, messages, shell and printers around it.
// Results files go to the real file system, or through `files` when one is given (a fake layer
// that fails on purpose). With `commandLine`, the program starts as if that results file had been
// named on its command line.
struct TestProgram {
    platform::PosixFileLayer diskFiles;
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    FakeShell shell;
    platform::FakePrinterService printers = OnePrinter();
    Program program;
    TMainForm& main = program.Main();
    TFormReport* report = &program.Report();
    TAboutBox* about = &program.About();
    TAboutBoxGifts* gifts = &program.Gifts();

    explicit TestProgram(FileLayer* files = nullptr,
                         const std::optional<std::string>& commandLine = std::nullopt)
        : program({files != nullptr ? *files : diskFiles, dialogs, messages, shell, printers}) {
        program.Start(commandLine);
        QVERIFY(QTest::qWaitForWindowExposed(&main));
    }

    const ResultsDocument& results() { return program.Results(); }

    // One printer, the system's default, of 3180 x 2400 pixels at 300 pixels per inch in
    // landscape.
    static platform::FakePrinterService OnePrinter() {
        platform::FakePrinterService printers;
        printers.printers = {{.name = "Laser"}};
        printers.defaultPrinter = 0;
        return printers;
    }

    Ui::TMainForm& ui() { return main.Controls(); }
    QAbstractButton* AnswerButton(int n) {
        QAbstractButton* buttons[] = {ui().RadioButton1, ui().RadioButton2, ui().RadioButton3,
                                      ui().RadioButton4};
        return buttons[n - 1];
    }
    QString Counter() { return ui().LabelNum->text(); }

    // Runs `action` once a modal window has been filled for its next showing, from inside its
    // modal loop.
    void WhenReportShown(std::function<void()> action) {
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection =
            QObject::connect(report, &TFormReport::Shown, report, [this, connection, action] {
                QObject::disconnect(*connection);
                QMetaObject::invokeMethod(report, action, Qt::QueuedConnection);
            });
    }

    // Answers statements from the current one through `last` by clicking an answer and
    // pressing Enter.
    void AnswerThrough(int last, const std::function<int(int)>& answerFor) {
        for (int k = main.Run().QuestionNumber(); k <= last; ++k) {
            QTest::mouseClick(AnswerButton(answerFor(k)), Qt::LeftButton);
            QTest::keyClick(&main, Qt::Key_Return);
        }
    }

    std::vector<double> ChartValues() {
        std::vector<double> values;
        for (const auto& point : report->Chart1().Series1().Points()) {
            values.push_back(point.value);
        }
        return values;
    }
};

// Runs `action` from inside the next modal loop, once `dialog` is on screen.
inline void WhenShown(QDialog* dialog, std::function<void()> action) {
    QTimer::singleShot(0, dialog, [dialog, action] {
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        action();
    });
}

}  // namespace ormitan
