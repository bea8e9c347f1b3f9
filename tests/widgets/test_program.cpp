// The program as its one composition root builds it: every link between the windows and to the
// services does what the user sees it do.
#include <QtTest>

#include "core/results_document.h"
#include "program_fixture.h"
#include "ui/UnitPreview.h"

using namespace ormitan;

namespace {

QString SamplePath() {
    return qEnvironmentVariable("ORMITAN_SOURCE_DIR") + "/content/sample.tst";
}

QByteArray SampleBytes() {
    QFile file(SamplePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The class of the modal window that `trigger` opens on top of `below`, closed again at once;
// empty when none opens.
QString ModalOpenedBy(QWidget* below, const std::function<void()>& trigger) {
    QString opened;
    QTimer::singleShot(0, [below, &opened] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != below) {
            opened = modal->metaObject()->className();
            modal->close();
        }
    });
    trigger();
    QTest::qWait(0);
    return opened;
}

// The program as main makes it, over the real file layer; the dialogs, boxes, shell and printers
// are fakes.
struct StartedProgram {
    platform::PosixFileLayer files;
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    FakeShell shell;
    platform::FakePrinterService printers = TestProgram::OnePrinter();
    Program program{{files, dialogs, messages, shell, printers}};
};

}  // namespace

class TestProgramLinks : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

  private slots:
    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
    }

    void theQuestionnairesHelpButtonShowsTheAboutWindow() {
        TestProgram p;
        QCOMPARE(ModalOpenedBy(&p.main, [&] { p.ui().SpeedButtonHelp->click(); }),
                 QString("ormitan::TAboutBox"));
    }

    void theReportsButtonsShowTheirWindows_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("help") << "SpeedButtonHelp"
                              << "ormitan::TAboutBoxGifts";
        QTest::newRow("print") << "SpeedButtonPrint"
                               << "ormitan::TChartPreview";
    }
    void theReportsButtonsShowTheirWindows() {
        QFETCH(QString, button);
        QFETCH(QString, window);
        TestProgram p;
        p.dialogs.openAnswers = {QFile::encodeName(SamplePath()).toStdString()};
        QString opened;
        p.WhenReportShown([&] {
            auto* pressed = p.report->findChild<QAbstractButton*>(button);
            opened = ModalOpenedBy(p.report, [&] { pressed->click(); });
            p.report->close();
        });
        p.ui().SpeedButtonOpen->click();
        QCOMPARE(opened, window);
    }

    void theReportsSaveButtonWritesTheScoresAndNamesTheReport() {
        TestProgram p;
        const QString target = dir_.filePath("petrov.tst");
        p.dialogs.openAnswers = {QFile::encodeName(SamplePath()).toStdString()};
        p.dialogs.saveAnswers = {QFile::encodeName(target).toStdString()};
        QString caption;
        p.WhenReportShown([&] {
            p.report->Controls().SpeedButtonSave->click();
            caption = p.report->windowTitle();
            p.report->close();
        });
        p.ui().SpeedButtonOpen->click();
        QCOMPARE(p.dialogs.saveCalls, 1);
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), SampleBytes());
        QCOMPARE(caption, QString("Результаты теста - petrov"));
    }

    // The caption follows the results' name as it changes, shown or not.
    void theReportsCaptionFollowsTheResults() {
        TestProgram p;
        QCOMPARE(p.report->windowTitle(), QString("Результаты теста   "));
        p.program.Results().SetResultsName("sidorov");
        QCOMPARE(p.report->windowTitle(), QString("Результаты теста - sidorov"));
        p.program.Results().Init();
        QCOMPARE(p.report->windowTitle(), QString("Результаты теста   "));
    }

    // An error leaving a handler reaches the message boxes the program was given.
    void errorsReachTheProgramsMessageBoxes() {
        TestProgram p;
        p.dialogs.openAnswers = {QFile::encodeName(dir_.filePath("missing.tst")).toStdString()};
        p.ui().SpeedButtonOpen->click();
        QCOMPARE(p.messages.errors, QStringList{"File not found."});
    }

    // The questionnaire is painted alone; the report, about and definitions windows follow it,
    // in that order and once each, after the hook of the first paint.
    void theHiddenWindowsFollowTheFirstPaint() {
        StartedProgram started;
        Program& program = started.program;
        std::optional<bool> createdAtFirstPaint;
        program.Start(std::nullopt, [&] { createdAtFirstPaint = program.HiddenWindowsCreated(); });
        QVERIFY(!program.HiddenWindowsCreated());
        QTRY_VERIFY(createdAtFirstPaint.has_value());
        QVERIFY(!*createdAtFirstPaint);
        QTRY_VERIFY(program.HiddenWindowsCreated());
        QList<QString> order;
        for (QObject* child : program.Main().children()) {
            if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow()) {
                order.append(child->metaObject()->className());
            }
        }
        QCOMPARE(order, (QList<QString>{"ormitan::TFormReport", "ormitan::TAboutBox",
                                        "ormitan::TAboutBoxGifts"}));
        QVERIFY(!program.Report().isVisible());
        program.Main().close();
    }

    // Input that comes before the first paint finds the windows it may open already there.
    void inputBeforeTheFirstPaintFindsTheWindows() {
        StartedProgram started;
        Program& program = started.program;
        program.Start(std::nullopt);
        QVERIFY(!program.HiddenWindowsCreated());
        const QString opened = ModalOpenedBy(&program.Main(), [&] {
            QTest::mouseClick(program.Main().Controls().SpeedButtonHelp, Qt::LeftButton);
        });
        QCOMPARE(opened, QString("ormitan::TAboutBox"));
        QCOMPARE(program.Main().findChildren<TAboutBox*>().size(), 1);
        program.Main().close();
    }

    // The pointer crossing or moving over the new window is no input a handler acts on: the
    // hidden windows still wait for the first paint.
    void pointerMovesBeforeTheFirstPaintLeaveTheWindowsForLater() {
        StartedProgram started;
        Program& program = started.program;
        program.Start(std::nullopt);
        const QPointF inside(10, 10);
        QEnterEvent enter(inside, inside, inside);
        QMouseEvent move(QEvent::MouseMove, inside, inside, Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&program.Main(), &enter);
        QCoreApplication::sendEvent(&program.Main(), &move);
        QVERIFY(!program.HiddenWindowsCreated());
        QTRY_VERIFY(program.HiddenWindowsCreated());
        program.Main().close();
    }

    // A results file on the command line: its report once the questionnaire is on screen, and
    // the end of the program when the report closes.
    void theCommandLineFileIsShownAndEndsTheProgram() {
        StartedProgram started;
        Program& program = started.program;
        QString caption;
        bool questionnaireShown = false;
        QObject::connect(&program.Report(), &TFormReport::Shown, &program.Report(), [&] {
            questionnaireShown = program.Main().isVisible();
            caption = program.Report().windowTitle();
            QMetaObject::invokeMethod(
                &program.Report(), [&] { program.Report().close(); }, Qt::QueuedConnection);
        });
        program.Start(QFile::encodeName(SamplePath()).toStdString());
        QVERIFY(program.Main().isVisible());
        QTRY_COMPARE(caption, QString("Результаты теста - sample"));
        QVERIFY(questionnaireShown);
        QTRY_VERIFY(!program.Main().isVisible());
        QVERIFY(started.messages.errors.isEmpty());
    }

    // The same when nothing asks for the windows before the start: the file waits for them.
    void theCommandLineFileWaitsForTheWindows() {
        StartedProgram started;
        Program& program = started.program;
        QString shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* report = qobject_cast<TFormReport*>(QApplication::activeModalWidget())) {
                shown = report->windowTitle();
                report->close();
            }
        });
        poll.start(10);
        program.Start(QFile::encodeName(SamplePath()).toStdString());
        QVERIFY(!program.HiddenWindowsCreated());
        QTRY_COMPARE(shown, QString("Результаты теста - sample"));
        QTRY_VERIFY(!program.Main().isVisible());
        QVERIFY(started.messages.errors.isEmpty());
    }
};

ORMITAN_WIDGET_TEST_MAIN(TestProgramLinks)
#include "test_program.moc"
