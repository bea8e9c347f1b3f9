// The about and gift-definitions windows, their texts, and what a screen reader is told.
#include <QAccessible>
#include <QPlainTextEdit>
#include <QtTest>

#include "core/catalogue.h"
#include "program_fixture.h"

using namespace ormitan;

namespace {

QStringList Paragraphs(const QString& text) {
    QStringList paragraphs;
    for (const QString& block : text.split("\n\n")) {
        paragraphs << block;
    }
    return paragraphs;
}

// The gift names in the genitive, as the definitions open their paragraphs.
const QStringList Genitives = {"пророчества",
                               "пастора",
                               "учителя",
                               "мудрости",
                               "слова знания",
                               "увещевания",
                               "различения духов",
                               "раздаяния",
                               "вспоможения",
                               "благотворительности",
                               "миссионерства",
                               "евангелиста",
                               "гостеприимства",
                               "веры",
                               "лидерства",
                               "управления",
                               "чудотворения",
                               "исцеления",
                               "языков",
                               "истолкования языков",
                               "добровольной бедности",
                               "безбрачия",
                               "ходатайства",
                               "изгнания бесов",
                               "служения"};

ScoreArray ScoresOfSample() {
    QFile file(qEnvironmentVariable("ORMITAN_SOURCE_DIR") + "/content/sample.tst");
    ScoreArray scores{};
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(25);
        std::copy(bytes.begin(), bytes.end(), scores.begin());
    }
    return scores;
}

}  // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
    }

    void helpButtonsOpenTheirWindowsModally() {
        TestProgram p;
        bool aboutModal = false;
        WhenShown(p.about, [&] {
            aboutModal = QApplication::activeModalWidget() == p.about;
            p.about->accept();
        });
        QTest::mouseClick(p.ui().SpeedButtonHelp, Qt::LeftButton);
        QVERIFY(aboutModal);
        QCOMPARE(p.about->windowTitle(), QString("О программе"));

        bool giftsModal = false;
        p.messages.warningAnswers = {MessageBoxes::Yes};
        p.WhenReportShown([&] {
            WhenShown(p.gifts, [&] {
                giftsModal = QApplication::activeModalWidget() == p.gifts;
                QTest::keyClick(p.gifts, Qt::Key_Return);  // "OK" has the focus
            });
            QTest::mouseClick(p.report->Controls().SpeedButtonHelp, Qt::LeftButton);
            QVERIFY(!p.gifts->isVisible());
            p.report->close();
        });
        p.main.OpenParamStr(
            QFile::encodeName(qEnvironmentVariable("ORMITAN_SOURCE_DIR") + "/content/sample.tst")
                .toStdString());
        QVERIFY(giftsModal);
        QCOMPARE(p.gifts->windowTitle(), QString(" Определения даров"));
    }

    void enterInTheAboutMemoAddsALineAndTabReachesOk() {
        TestProgram p;
        int linesAfterEnter = 0;
        bool openAfterEnter = false;
        bool memoFocused = false;
        WhenShown(p.about, [&] {
            QPlainTextEdit* memo = p.about->Controls().Memo1;
            memoFocused = memo->hasFocus();
            const int before = memo->blockCount();
            QTest::keyClick(memo, Qt::Key_Return);
            linesAfterEnter = memo->blockCount() - before;
            openAfterEnter = p.about->isVisible();
            QTest::keyClick(memo, Qt::Key_Tab);
            QVERIFY(p.about->Controls().OKButton->hasFocus());
            QTest::keyClick(p.about->Controls().OKButton, Qt::Key_Return);
        });
        p.about->exec();
        QVERIFY(memoFocused);
        QCOMPARE(linesAfterEnter, 1);
        QVERIFY(openAfterEnter);
        QVERIFY(!p.about->isVisible());
    }

    void anEditedMemoKeepsItsTextUntilExit() {
        TestProgram p;
        WhenShown(p.gifts, [&] {
            QTest::keyClicks(p.gifts->Controls().Memo1, "my note 42");
            p.gifts->accept();
        });
        p.gifts->exec();
        QString reopened;
        WhenShown(p.gifts, [&] {
            reopened = p.gifts->Controls().Memo1->toPlainText();
            p.gifts->accept();
        });
        p.gifts->exec();
        QVERIFY(reopened.contains("my note 42"));
    }

    void linksOpenTheSiteAndTheMailAddress() {
        TestProgram p;
        const auto& ui = p.about->Controls();
        QTest::mouseClick(ui.Label2, Qt::LeftButton);
        QTest::mouseClick(ui.Label3, Qt::LeftButton);
        QCOMPARE(p.shell.opened.size(), 2);
        QVERIFY(p.shell.opened[0].startsWith("http://"));
        // The link opens the site's own host, not the address shown to people.
        QVERIFY(!p.shell.opened[0].contains(ui.Label2->text()));
        QCOMPARE(p.shell.opened[1], "mailto:" + ui.Label3->text().mid(QString("email : ").size()));
        QVERIFY(ui.Label3->text().startsWith("email : "));
        QCOMPARE(ui.Label2->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(ui.Label2->font().underline());
    }

    void aboutTextHasEightLines() {
        TestProgram p;
        const QString text = p.about->Controls().Memo1->toPlainText();
        QCOMPARE(text.split('\n').size(), 8);
        QVERIFY(text.contains("125"));
        QCOMPARE(p.about->Controls().Version->text(), QString("Версия 1.02"));
        QVERIFY(p.about->Controls().Label1->text().startsWith("Автор программы: "));
        QVERIFY(!p.about->Controls().ProgramIcon->pixmap().isNull());
        QCOMPARE(p.about->Controls().ProgramIcon->pixmap().size(), QSize(32, 32));
    }

    void definitionsFollowTheCatalogue() {
        TestProgram p;
        const QStringList paragraphs = Paragraphs(p.gifts->Controls().Memo1->toPlainText());
        QCOMPARE(paragraphs.size(), 27);
        QVERIFY(!paragraphs.first().startsWith("    Дар "));
        for (int g = 1; g <= 25; ++g) {
            const QString& paragraph = paragraphs[g];
            QVERIFY2(paragraph.startsWith("    Дар " + Genitives[g - 1] + " "),
                     qPrintable(paragraph.left(60)));
            // Lines are hard-broken; the formula may run across a break.
            QString joined = paragraph;
            joined.replace('\n', ' ');
            QVERIFY2(joined.contains("это особая способность, которую Бог дает отдельным "
                                     "членам Тела Христа"),
                     qPrintable(QString::number(g)));
        }
        const QString closing = paragraphs.last();
        QVERIFY(closing.contains("25"));
        QVERIFY(closing.contains("6"));
        // Hard-broken to fit: no line wider than the memo's viewport.
        const QPlainTextEdit* memo = p.gifts->Controls().Memo1;
        const QFontMetrics metrics(memo->font());
        for (const QString& line : memo->toPlainText().split('\n')) {
            QVERIFY2(metrics.horizontalAdvance(line) < memo->viewport()->width(), qPrintable(line));
        }
    }

    void everyControlHasAnAccessibleName() {
        TestProgram p;
        const QList<QWidget*> windows = {&p.main, p.report, p.about, p.gifts};
        for (QWidget* window : windows) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const bool interactive = qobject_cast<QAbstractButton*>(control) ||
                                         qobject_cast<QPlainTextEdit*>(control) ||
                                         control->objectName() == "Chart1";
                if (!interactive) {
                    continue;
                }
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
                QVERIFY(accessible != nullptr);
                QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                         qPrintable(window->objectName() + "." + control->objectName()));
            }
        }
        // The chart tells a screen reader every gift with its score.
        p.messages.warningAnswers = {MessageBoxes::Yes};
        QString description;
        p.WhenReportShown([&] {
            description = QAccessible::queryAccessibleInterface(&p.report->Chart1())
                              ->text(QAccessible::Description);
            p.report->close();
        });
        p.main.OpenParamStr(
            QFile::encodeName(qEnvironmentVariable("ORMITAN_SOURCE_DIR") + "/content/sample.tst")
                .toStdString());
        const QStringList lines = description.split('\n');
        QCOMPARE(lines.size(), 25);
        for (int g = 1; g <= 25; ++g) {
            QCOMPARE(lines[g - 1], QString::fromUtf8(GiftName(g)) + " " +
                                       QString::number(int(ScoresOfSample()[g - 1])));
        }
        QCOMPARE(p.ui().SpeedButtonHelp->accessibleName(), QString("Справка"));
        QCOMPARE(p.ui().SpeedButtonOpen->accessibleName(), QString("Открыть результаты"));
        QCOMPARE(p.report->Controls().SpeedButtonSave->accessibleName(), QString("Сохранить"));
        QCOMPARE(p.report->Controls().SpeedButtonPrint->accessibleName(), QString("Печать"));

        // Roles a screen reader announces: windows as windows, panels as panels, the chart as
        // a picture named like the report.
        const auto role = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->role();
        };
        QCOMPARE(role(&p.main), QAccessible::Window);
        QCOMPARE(role(p.ui().Panel1), QAccessible::Pane);
        QCOMPARE(role(p.report), QAccessible::Dialog);
        QCOMPARE(role(p.report->Controls().Panel), QAccessible::ToolBar);
        QCOMPARE(role(&p.report->Chart1()), QAccessible::Graphic);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(&p.report->Chart1())->text(QAccessible::Name),
            QString("Результаты теста"));
    }
};

ORMITAN_WIDGET_TEST_MAIN(TestInfoWindows)
#include "test_info_windows.moc"
