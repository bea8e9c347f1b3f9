// The keys that stand in for the mouse: 1 to 4 for the answers, F1 and Ctrl+O on the
// questionnaire, Ctrl+S, Ctrl+P and F1 on the report.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/results_document.h"
#include "program_fixture.h"

using namespace ormitan;

namespace {

// A key as the desktop delivers it: to the focused control of the active window, or to the
// window itself when nothing there has the focus.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                             : QApplication::activeWindow();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// Activates a window and waits until the application has taken the activation in.
void Activate(QWidget& window) {
    window.activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &window);
}

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().toHex()) : QString();
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // The checked answer, 0 for none, -1 for more than one.
    static int CheckedAnswer(TestProgram& p) {
        int checked = 0;
        for (int n = 1; n <= 4; ++n) {
            if (p.AnswerButton(n)->isChecked()) {
                checked = checked == 0 ? n : -1;
            }
        }
        return checked;
    }

  private slots:
    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
    }

    // Each digit, on the main row or the keypad, does what a click on its answer does; Enter
    // confirms; a whole run taken by keys alone scores what the digits said.
    void digitsChooseAnswersAsAClickDoes() {
        TestProgram p;
        Activate(p.main);
        QVERIFY(QApplication::focusWidget() == nullptr);  // at start nothing has the focus
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int answer;
        } presses[] = {{Qt::Key_3, Qt::NoModifier, 3},
                       {Qt::Key_1, Qt::KeypadModifier, 1},
                       {Qt::Key_4, Qt::KeypadModifier, 4},
                       {Qt::Key_2, Qt::NoModifier, 2}};
        for (const auto& press : presses) {
            Press(press.key, press.modifiers);
            QCOMPARE(CheckedAnswer(p), press.answer);
            QVERIFY(p.AnswerButton(press.answer)->hasFocus());
            QVERIFY(p.ui().BitBtnOk->isEnabled());
            QCOMPARE(p.Counter(), QString("1 из 125"));
        }
        Press(Qt::Key_Return);
        QCOMPARE(p.Counter(), QString("2 из 125"));
        QCOMPARE(int(p.results().Scores()[0]), 2);  // "верно", the last choice
        QCOMPARE(CheckedAnswer(p), 0);
        QVERIFY(!p.ui().BitBtnOk->isEnabled());
        Press(Qt::Key_Return);  // nothing chosen: Enter does nothing
        QCOMPARE(p.Counter(), QString("2 из 125"));

        // The rest of the run: digit k % 4 + 1 for statement k.
        std::array<int, 25> expected{};
        expected[0] = 2;
        for (int k = 2; k <= 125; ++k) {
            expected[(k - 1) % 25] += 4 - (k % 4 + 1);
        }
        std::vector<double> shown;
        p.messages.warningAnswers = {MessageBoxes::Yes};
        p.WhenReportShown([&] {
            shown = p.ChartValues();
            p.report->close();
        });
        for (int k = 2; k <= 125; ++k) {
            Press(Qt::Key_0 + k % 4 + 1);
            Press(Qt::Key_Return);
        }
        QCOMPARE(shown.size(), std::size_t(25));
        for (int g = 0; g < 25; ++g) {
            QCOMPARE(shown[g], double(expected[g]));
        }
        QCOMPARE(p.Counter(), QString("1 из 125"));
    }

    // Digits reach nothing behind a modal window, whichever window the desktop has made
    // active, and never change the answer of a statement already confirmed.
    void digitsNeverChangeAConfirmedAnswerNorReachBehindAModalWindow() {
        TestProgram p;
        Activate(p.main);
        Press(Qt::Key_4);
        Press(Qt::Key_Return);  // statement 1: "не верно", no points for gift 1

        bool aboutModal = false;
        WhenShown(p.about, [&] {
            aboutModal = QApplication::activeModalWidget() == p.about;
            for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}) {
                Press(key);
            }
            // A desktop may hand the activation back to the questionnaire.
            QApplication::setActiveWindow(&p.main);
            for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}) {
                QTest::keyClick(&p.main, key);
            }
            p.about->accept();
        });
        Press(Qt::Key_F1);  // the about window, as the help button shows it
        QVERIFY(aboutModal);
        QCOMPARE(CheckedAnswer(p), 0);
        QVERIFY(!p.ui().BitBtnOk->isEnabled());
        Activate(p.main);  // as a window manager does when the about window closes

        // Statement 1's answer stands; a digit answers statement 2, of gift 2.
        Press(Qt::Key_1);
        Press(Qt::Key_Return);
        QCOMPARE(int(p.results().Scores()[0]), 0);
        QCOMPARE(int(p.results().Scores()[1]), 3);

        // Behind the report the last answer stays as confirmed, and so do the scores.
        int checkedBehind = 0;
        ScoreArray scoresBehind{};
        bool reportModal = false;
        p.messages.warningAnswers = {MessageBoxes::Yes};
        p.WhenReportShown([&] {
            reportModal = QApplication::activeModalWidget() == p.report;
            const ScoreArray before = p.results().Scores();
            for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_4}) {
                Press(key);
                QTest::keyClick(&p.main, key);
            }
            QApplication::setActiveWindow(&p.main);
            for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_4}) {
                QTest::keyClick(&p.main, key);
            }
            checkedBehind = CheckedAnswer(p);
            scoresBehind = p.results().Scores();
            QVERIFY(p.results().Scores() == before);
            p.report->close();
        });
        for (int k = 3; k <= 125; ++k) {
            Press(Qt::Key_3);
            Press(Qt::Key_Return);
        }
        QVERIFY(reportModal);
        QCOMPARE(checkedBehind, 3);
        QCOMPARE(int(scoresBehind[0]), 4);   // statement 1: 0, then four times 1
        QCOMPARE(int(scoresBehind[1]), 7);   // statement 2: 3, then four times 1
        QCOMPARE(int(scoresBehind[24]), 5);  // five times 1
    }

    // Ctrl+O opens while the open button is enabled; on the report Ctrl+S saves, F1 shows the
    // definitions and Ctrl+P the print preview; each tool tip names its key.
    void keysPressTheImageButtons() {
        TestProgram p;
        const QString sample = qEnvironmentVariable("ORMITAN_SOURCE_DIR") + "/content/sample.tst";
        const QString saved = dir_.filePath("saved.tst");
        p.dialogs.openAnswers = {QFile::encodeName(sample).toStdString()};
        p.dialogs.saveAnswers = {QFile::encodeName(saved).toStdString()};
        Activate(p.main);

        QString captionAfterSave;
        bool giftsModal = false;
        bool previewModal = false;
        p.WhenReportShown([&] {
            QTRY_VERIFY(QApplication::activeWindow() == p.report);
            Press(Qt::Key_S, Qt::ControlModifier);
            captionAfterSave = p.report->windowTitle();
            WhenShown(p.gifts, [&] {
                giftsModal = QApplication::activeModalWidget() == p.gifts;
                p.gifts->accept();
            });
            Press(Qt::Key_F1);
            // Offscreen, no window manager hands the activation back when a window closes.
            Activate(*p.report);
            QTimer::singleShot(0, [&] {
                QWidget* preview = QApplication::activeModalWidget();
                previewModal = preview != nullptr && preview->windowTitle() == "Окно печати";
                if (preview != nullptr && preview != p.report) {
                    preview->close();
                }
            });
            Press(Qt::Key_P, Qt::ControlModifier);
            p.report->close();
        });
        Press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(p.dialogs.openCalls, 1);
        QCOMPARE(p.dialogs.saveCalls, 1);
        QCOMPARE(ReadAll(saved), ReadAll(sample));
        QCOMPARE(captionAfterSave, QString("Результаты теста - saved"));
        QVERIFY(giftsModal);
        QVERIFY(previewModal);
        QVERIFY(p.messages.errors.isEmpty());

        // Once an answer is confirmed the open button is disabled, and so is its key.
        Activate(p.main);
        Press(Qt::Key_2);
        Press(Qt::Key_Return);
        Press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(p.dialogs.openCalls, 1);

        QCOMPARE(p.ui().SpeedButtonHelp->toolTip(), QString("О программе (F1)"));
        QCOMPARE(p.ui().SpeedButtonOpen->toolTip(), QString("Открыть результаты (Ctrl+O)"));
        const auto& report = p.report->Controls();
        QCOMPARE(report.SpeedButtonSave->toolTip(), QString("Сохранить результаты (Ctrl+S)"));
        QCOMPARE(report.SpeedButtonPrint->toolTip(), QString("Печать (Ctrl+P)"));
        QCOMPARE(report.SpeedButtonHelp->toolTip(), QString("Определения даров (F1)"));
    }
};

ORMITAN_WIDGET_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
