#pragma once

#include <QtTest>
#include <functional>
#include <memory>

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
#include "ui_UnitAbout.h"
#include "ui_UnitGifts.h"
#include "ui_UnitMain.h"
#include "ui_UnitReport.h"

namespace ormitan {

// The windows as the program creates them, with fake dialogs around them. Results files go to
// the real file system, or through `files` when one is given (a fake layer that fails on
// purpose).
struct Program {
    platform::PosixFileLayer diskFiles;
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    FakeShell shell;
    platform::FakePrinterService printers = OnePrinter();
    Services services;
    TMainForm main{services};
    TFormReport* report = new TFormReport(services, &main);
    TAboutBox* about = new TAboutBox(shell, &main);
    TAboutBoxGifts* gifts = new TAboutBoxGifts(&main);

    explicit Program(FileLayer* files = nullptr)
        : services{files != nullptr ? *files : diskFiles, dialogs, messages, shell, printers} {
        static_cast<OrmitanApplication*>(qApp)->SetMessageBoxes(&messages);
        main.SetReportWindow(report);
        main.SetAboutWindow(about);
        report->SetGiftsWindow(gifts);
        report->SetSaveFile([this](QWidget* parent) { main.SaveFile(parent); });
        report->SetShowPrintPreview([this](QWidget* owner, chart::ResultsChart& chart) {
            ShowPrintPreview(owner, chart, printers);
        });
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
    }
    ~Program() { static_cast<OrmitanApplication*>(qApp)->SetMessageBoxes(nullptr); }

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
