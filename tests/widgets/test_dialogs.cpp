// The error handler, the error box and the Yes/No warning.
#include <QCheckBox>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "core/errors.h"
#include "fake_services.h"
#include "ui/ormitan_application.h"
#include "ui/qt_dialogs.h"

using namespace ormitan;

namespace {

OrmitanApplication& App() {
    return *static_cast<OrmitanApplication*>(qApp);
}

// Runs `action` from the event loop, as a handler, so that what it throws meets the
// application's error handler.
void RunAsHandler(std::function<void()> action) {
    QObject receiver;
    QMetaObject::invokeMethod(&receiver, std::move(action), Qt::QueuedConnection);
    QCoreApplication::processEvents();
}

}  // namespace

class TestDialogs : public QObject {
    Q_OBJECT
  private slots:
    void errorsLeavingAHandlerReachTheErrorBox() {
        FakeMessageBoxes messages;
        App().SetMessageBoxes(&messages);
        bool after = false;
        RunAsHandler([&] {
            throw EInOutError(io_code::FileNotFound);
            after = true;
        });
        RunAsHandler([] { throw Exception("Ошибка печати"); });
        RunAsHandler([] { throw Exception("Stop!"); });
        RunAsHandler([] { throw EAbort(); });
        RunAsHandler([] { throw Exception(""); });
        App().SetMessageBoxes(nullptr);
        QVERIFY(!after);
        QCOMPARE(messages.errors, (QStringList{"File not found.", "Ошибка печати.", "Stop!", ""}));
    }

    // A control changed from code runs its change handler inside ours: an error there ends the
    // enclosing handler at that change and is shown once.
    void aNestedHandlersErrorEndsTheEnclosingHandler() {
        FakeMessageBoxes messages;
        App().SetMessageBoxes(&messages);
        QCheckBox box;
        QObject::connect(&box, &QCheckBox::toggled, [](bool) {
            RunHandler([] { throw Exception("Printer selected is not valid"); });
        });
        bool afterChange = false;
        RunHandler([&] {
            ChangeControl([&] { box.setChecked(true); });
            afterChange = true;
        });
        QVERIFY(!afterChange);
        QCOMPARE(messages.errors, QStringList{"Printer selected is not valid."});

        // A change made without ChangeControl: the error still shows, once, at the end.
        bool ranOn = false;
        RunHandler([&] {
            box.setChecked(false);
            ranOn = true;
        });
        QVERIFY(ranOn);
        QCOMPARE(messages.errors.size(), 2);

        // A handler in a modal window's own loop reports at once, not to the handler that
        // opened the window.
        QDialog dialog;
        int shownWhileOpen = 0;
        RunHandler([&] {
            QTimer::singleShot(0, &dialog, [&] {
                RunHandler([] { throw Exception("Printing in progress"); });
                shownWhileOpen = int(messages.errors.size());
                dialog.accept();
            });
            dialog.exec();
        });
        QCOMPARE(shownWhileOpen, 3);
        QCOMPARE(messages.errors.last(), QString("Printing in progress."));
        App().SetMessageBoxes(nullptr);
    }

    void theErrorBoxIsCaptionedWithTheApplicationTitle() {
        QtMessageBoxes boxes;
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        boxes.ShowError("File not found.");
        QCOMPARE(caption, QString("Тест 'Ормитан'"));
        QCOMPARE(text, QString("File not found."));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
    }

    void warningButtonsAndAnswers_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::newRow("Enter answers Yes") << int(Qt::Key_Return) << 6;
        QTest::newRow("Escape answers No") << int(Qt::Key_Escape) << 7;
        QTest::newRow("Y presses Yes") << int(Qt::Key_Y) << 6;
        QTest::newRow("N presses No") << int(Qt::Key_N) << 7;
    }
    void warningButtonsAndAnswers() {
        QFETCH(int, key);
        QFETCH(int, answer);
        WarningDialog dialog("Результаты не записанны ! Закрыть окно ?");
        QCOMPARE(dialog.windowTitle(), QString("Warning"));
        QCOMPARE(dialog.icon(), QMessageBox::Warning);
        QCOMPARE(dialog.YesButton()->text(), QString("&Yes"));
        QCOMPARE(dialog.NoButton()->text(), QString("&No"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // Yes stands left of No and is the default.
        QVERIFY(dialog.YesButton()->mapToGlobal(QPoint()).x() <
                dialog.NoButton()->mapToGlobal(QPoint()).x());
        QCOMPARE(dialog.YesButton()->width(), dialog.NoButton()->width());
        QVERIFY(static_cast<QPushButton*>(dialog.YesButton())->isDefault());
        QTest::keyClick(&dialog, Qt::Key(key),
                        key == Qt::Key_Y || key == Qt::Key_N ? Qt::AltModifier : Qt::NoModifier);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Answer(), answer);
    }

    void theCloseBoxAnswersTwo() {
        WarningDialog dialog("?");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Answer(), 2);
    }
};

ORMITAN_WIDGET_TEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
