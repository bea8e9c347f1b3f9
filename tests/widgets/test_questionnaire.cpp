// The questionnaire and report windows driven as a person would: clicks, Enter, the close box.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "chart/results_chart.h"
#include "core/results_document.h"
#include "program_fixture.h"
#include "ui/report_geometry.h"

using namespace ormitan;

namespace {

int AnswerPattern(int k) {
    return (k * 7) % 4 + 1;
}

QString WriteResults(const QTemporaryDir& dir, const QString& name, int size) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        for (int k = 0; k < size; ++k) {
            file.putChar(char(k));
        }
    }
    return path;
}

}  // namespace

class TestQuestionnaire : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

  private slots:
    void cleanup() {
        // Every top-level window goes between tests.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
    }

    void startsAtStatementOne() {
        TestProgram p;
        QCOMPARE(p.main.windowTitle(), QString(" Тест Ормитан"));
        QCOMPARE(p.main.size(), QSize(424, 271));
        QCOMPARE(p.Counter(), QString("1 из 125"));
        QCOMPARE(p.ui().LabelQuest->text(), QString::fromUtf8(Statement(1)));
        QVERIFY(!p.ui().BitBtnOk->isEnabled());
        QVERIFY(p.ui().SpeedButtonHelp->isEnabled());
        QVERIFY(p.ui().SpeedButtonOpen->isEnabled());
        // Enter does nothing while no answer is chosen.
        QTest::keyClick(&p.main, Qt::Key_Return);
        QCOMPARE(p.Counter(), QString("1 из 125"));
        // Any answer enables "Дальше"; choosing changes neither counter nor statement.
        QTest::mouseClick(p.AnswerButton(3), Qt::LeftButton);
        QVERIFY(p.ui().BitBtnOk->isEnabled());
        QVERIFY(p.AnswerButton(3)->isChecked());
        QCOMPARE(p.Counter(), QString("1 из 125"));
        QTest::mouseClick(p.AnswerButton(1), Qt::LeftButton);
        QVERIFY(!p.AnswerButton(3)->isChecked());
        QTest::mouseClick(p.ui().BitBtnOk, Qt::LeftButton);
        QCOMPARE(p.Counter(), QString("2 из 125"));
        QCOMPARE(int(p.results().Scores()[0]), 3);
        QVERIFY(!p.ui().BitBtnOk->isEnabled());
        QVERIFY(!p.ui().SpeedButtonOpen->isEnabled());
        for (int n = 1; n <= 4; ++n) {
            QVERIFY(!p.AnswerButton(n)->isChecked());
        }
        // A disabled "Дальше" leaves no control with the focus.
        QVERIFY(QApplication::focusWidget() == nullptr || QApplication::focusWidget() == &p.main);
    }

    void arrowKeysMoveBetweenAnswers() {
        TestProgram p;
        QTest::mouseClick(p.AnswerButton(2), Qt::LeftButton);
        QVERIFY(p.AnswerButton(2)->hasFocus());
        QTest::keyClick(p.AnswerButton(2), Qt::Key_Down);
        QVERIFY(p.AnswerButton(3)->hasFocus());
        QTest::keyClick(p.AnswerButton(3), Qt::Key_Up);
        QTest::keyClick(p.AnswerButton(2), Qt::Key_Left);
        QVERIFY(p.AnswerButton(1)->hasFocus());
        QTest::keyClick(p.AnswerButton(1), Qt::Key_Up);  // wraps round within the group
        QVERIFY(p.AnswerButton(4)->hasFocus());
        QTest::keyClick(p.AnswerButton(4), Qt::Key_Right);
        QVERIFY(p.AnswerButton(1)->hasFocus());
        // The answer moved to is the chosen one, and "Дальше" is enabled.
        QVERIFY(p.AnswerButton(1)->isChecked());
        int checked = 0;
        for (int n = 1; n <= 4; ++n) {
            checked += p.AnswerButton(n)->isChecked();
        }
        QCOMPARE(checked, 1);
        QVERIFY(p.ui().BitBtnOk->isEnabled());
    }

    void aWholeRunShowsItsScoresInTheReport() {
        TestProgram p;
        std::array<int, 25> expected{};
        for (int k = 1; k <= 125; ++k) {
            expected[(k - 1) % 25] += AnswerPoints[AnswerPattern(k) - 1];
        }
        std::vector<double> shown;
        QString counterBehind;
        bool openBehind = true;
        QString caption;
        p.messages.warningAnswers = {MessageBoxes::Yes};
        p.WhenReportShown([&] {
            shown = p.ChartValues();
            counterBehind = p.Counter();
            openBehind = p.ui().SpeedButtonOpen->isEnabled();
            caption = p.report->windowTitle();
            p.report->close();
        });
        p.AnswerThrough(125, AnswerPattern);
        QCOMPARE(caption, QString("Результаты теста   "));
        QCOMPARE(shown.size(), std::size_t(25));
        for (int g = 0; g < 25; ++g) {
            QCOMPARE(shown[g], double(expected[g]));
        }
        QCOMPARE(counterBehind, QString("125 из 125"));
        QVERIFY(!openBehind);
        // Closing the unsaved report asked, and the run started over.
        QCOMPARE(p.messages.warnings, QStringList{"Результаты не записанны ! Закрыть окно ?"});
        QVERIFY(!p.report->isVisible());
        QCOMPARE(p.Counter(), QString("1 из 125"));
        QVERIFY(p.ui().SpeedButtonOpen->isEnabled());
        QVERIFY(!p.ui().BitBtnOk->isEnabled());
        QCOMPARE(p.results().Scores(), ScoreArray{});
    }

    void noKeepsAnUnsavedReportAndYesClosesIt() {
        TestProgram p;
        p.messages.warningAnswers = {MessageBoxes::No, MessageBoxes::Closed, MessageBoxes::Yes};
        bool visibleAfterNo = false;
        bool visibleAfterClosedBox = false;
        p.WhenReportShown([&] {
            p.report->close();
            visibleAfterNo = p.report->isVisible();
            p.report->close();
            visibleAfterClosedBox = p.report->isVisible();
            QTest::keyClick(p.report, Qt::Key_Escape);  // Escape does nothing
            QVERIFY(p.report->isVisible());
            p.report->close();
        });
        p.AnswerThrough(125, [](int) { return 4; });
        QVERIFY(visibleAfterNo);
        QVERIFY(visibleAfterClosedBox);
        QCOMPARE(p.messages.warnings.size(), 3);
        QCOMPARE(p.Counter(), QString("1 из 125"));
    }

    void aSavedReportClosesWithoutAsking() {
        TestProgram p;
        const QString path = dir_.filePath("ivanov.tst");
        p.dialogs.saveAnswers = {QFile::encodeName(path).toStdString()};
        QString caption;
        QString web;
        p.WhenReportShown([&] {
            QVERIFY(p.report->Controls().LabelWeb->text().isEmpty());
            QTest::mouseClick(p.report->Controls().SpeedButtonSave, Qt::LeftButton);
            caption = p.report->windowTitle();
            web = p.report->Controls().LabelWeb->text();
            p.report->close();
        });
        p.AnswerThrough(125, [](int) { return 1; });
        QCOMPARE(caption, QString("Результаты теста - ivanov"));
        QCOMPARE(web, QString(" Посетите наш сайт: www.ormitan.example"));
        QVERIFY(p.messages.warnings.isEmpty());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray(25, char(15)));
    }

    void aCancelledSaveStillShowsTheSiteAndStillWarns() {
        TestProgram p;
        p.dialogs.saveAnswers = {std::nullopt};
        p.messages.warningAnswers = {MessageBoxes::Yes};
        QString web;
        QString caption;
        p.WhenReportShown([&] {
            QTest::mouseClick(p.report->Controls().SpeedButtonSave, Qt::LeftButton);
            web = p.report->Controls().LabelWeb->text();
            caption = p.report->windowTitle();
            p.report->close();
        });
        p.AnswerThrough(125, [](int) { return 2; });
        QCOMPARE(caption, QString("Результаты теста   "));
        QCOMPARE(p.dialogs.saveCalls, 1);
        QCOMPARE(web, QString(" Посетите наш сайт: www.ormitan.example"));
        QCOMPARE(p.messages.warnings.size(), 1);
    }

    void openingAFileShowsItsReport() {
        TestProgram p;
        p.dialogs.openAnswers = {
            QFile::encodeName(WriteResults(dir_, "petrov.2005.tst", 30)).toStdString()};
        std::vector<double> shown;
        QString caption;
        p.WhenReportShown([&] {
            shown = p.ChartValues();
            caption = p.report->windowTitle();
            p.report->close();  // opened from a file: saved, so no question
        });
        QTest::mouseClick(p.ui().SpeedButtonOpen, Qt::LeftButton);
        QCOMPARE(caption, QString("Результаты теста - petrov"));
        QCOMPARE(shown.size(), std::size_t(25));
        QCOMPARE(shown[0], 0.0);
        QCOMPARE(shown[24], 24.0);
        QVERIFY(p.messages.warnings.isEmpty());
        QVERIFY(p.results().ResultsName().empty());
        QCOMPARE(p.results().Scores(), ScoreArray{});
        // A cancelled open dialog changes nothing.
        QTest::mouseClick(p.ui().SpeedButtonOpen, Qt::LeftButton);
        QCOMPARE(p.dialogs.openCalls, 2);
        QVERIFY(p.ui().SpeedButtonOpen->isEnabled());
    }

    void commandLineFilesThatCannotBeRead_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << "missing.tst"
                                 << "File not found.";
        QTest::newRow("missing folder") << "nowhere/x.tst"
                                        << "Invalid filename.";
        QTest::newRow("too short") << "short.tst"
                                   << "Read beyond end of file.";
        QTest::newRow("a folder") << "folder.tst"
                                  << "File access denied.";
    }
    void commandLineFilesThatCannotBeRead() {
        QFETCH(QString, path);
        QFETCH(QString, error);
        WriteResults(dir_, "short.tst", 24);
        QDir(dir_.path()).mkdir("folder.tst");
        // Named on the command line, as at start.
        TestProgram p(nullptr, QFile::encodeName(dir_.filePath(path)).toStdString());
        QTRY_COMPARE(p.messages.errors, QStringList{error});
        QVERIFY(p.main.isVisible());
        QVERIFY(!p.report->isVisible());
        QCOMPARE(p.Counter(), QString("1 из 125"));
        QVERIFY(p.ui().SpeedButtonOpen->isEnabled());
        QVERIFY(p.results().ResultsName().empty());
    }

    void aFileNameWithoutADotOpensUnsaved() {
        TestProgram p;
        const std::string path = QFile::encodeName(WriteResults(dir_, "nodot", 25)).toStdString();
        QString caption;
        p.messages.warningAnswers = {MessageBoxes::Yes};
        p.WhenReportShown([&] {
            caption = p.report->windowTitle();
            p.report->close();
        });
        p.main.OpenParamStr(path);
        QCOMPARE(caption, QString("Результаты теста   "));
        QCOMPARE(p.messages.warnings.size(), 1);
        QVERIFY(!p.main.isVisible());  // the viewer ends with its report
    }

    void reportSizeFollowsTheScreen_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::newRow("1024x768") << QSize(1024, 768) << QSize(1004, 676);
        QTest::newRow("800x600") << QSize(800, 600) << QSize(784, 528);
        QTest::newRow("640x480") << QSize(640, 480) << QSize(640, 480);
        QTest::newRow("1025 wide, tie to even") << QSize(1025, 768) << QSize(1004, 676);
        QTest::newRow("1075 wide, tie up to even") << QSize(1075, 768) << QSize(1054, 676);
        QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(1882, 950);
    }
    void reportSizeFollowsTheScreen() {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QCOMPARE(ReportWindowSize(screen), window);
    }

    void reportCaptionAndFooter() {
        QCOMPARE(TFormReport::CaptionFor(""), QString("Результаты теста   "));
        QCOMPARE(TFormReport::CaptionFor("ivanov"), QString("Результаты теста - ivanov"));
        QCOMPARE(TFormReport::FooterFor(""), QString("Тест Ормитан     "));
        QCOMPARE(TFormReport::FooterFor("ivanov"), QString("Тест Ормитан  -  ivanov"));
    }
};

ORMITAN_WIDGET_TEST_MAIN(TestQuestionnaire)
#include "test_questionnaire.moc"
