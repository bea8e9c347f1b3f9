// The results-file dialogs as the user meets them: the filter texts exactly as given, a
// cancelled dialog that remembers nothing, a save into a missing folder refused in the dialog,
// file types told by name only, and Qt's Russian texts that leave the program's own alone.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include "fake_services.h"
#include "platform/standard_dialog_texts.h"
#include "ui/at_scope_exit.h"
#include "ui/file_dialogs.h"
#include "ui/ormitan_application.h"
#include "ui/qt_dialogs.h"

using namespace ormitan;

namespace {

// Runs `action` on the file dialog once it is shown modally; a dialog the action left open
// (a failed check) is cancelled.
void WhenDialogShown(std::function<void(QFileDialog&)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        const AtScopeExit cancel([dialog] {
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        action(*dialog);
    });
}

// Answers the next message box shown over a dialog, keeping its text.
void AnswerNextMessage(QString& text) {
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        text = box->text();
        box->accept();
    });
}

// Types a path into the file-name box and presses the dialog's accepting button.
void Choose(QFileDialog& dialog, const QString& path) {
    dialog.findChild<QLineEdit*>("fileNameEdit")->setText(path);
    static_cast<QDialog&>(dialog).accept();
}

QString Filter(QFileDialog& dialog) {
    return dialog.findChild<QComboBox*>("fileTypeCombo")->currentText();
}

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

class TestFileDialogs : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString Make(const QString& name, const QByteArray& bytes = QByteArray(25, '\0')) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write %s", qPrintable(path));
        }
        return path;
    }

  private slots:
    void filtersReadExactlyAsGiven() {
        QtFileDialogs dialogs;
        QString open;
        QString save;
        WhenDialogShown([&](QFileDialog& dialog) {
            open = Filter(dialog);
            dialog.reject();
        });
        QVERIFY(!dialogs.AskOpenPath(nullptr));
        WhenDialogShown([&](QFileDialog& dialog) {
            save = Filter(dialog);
            dialog.reject();
        });
        QVERIFY(!dialogs.AskSavePath(nullptr));
        QCOMPARE(open, QString("Результаты  теста (*.tst)"));
        QCOMPARE(save, QString("Результаты теста (*.tst)"));
    }

    // Browsing elsewhere and cancelling leaves the dialog as the last chosen path left it, and
    // before any choice as it first opened.
    void aCancelledDialogRemembersNothing() {
        const QString chosen = Make("ivanov.tst");
        QtFileDialogs dialogs;
        QString startFolder;
        WhenDialogShown([&](QFileDialog& dialog) {
            startFolder = dialog.directory().absolutePath();
            dialog.setDirectory(QDir::rootPath());
            dialog.reject();
        });
        QVERIFY(!dialogs.AskOpenPath(nullptr));
        WhenDialogShown([&](QFileDialog& dialog) {
            QCOMPARE(dialog.directory().absolutePath(), startFolder);
            Choose(dialog, chosen);
        });
        QCOMPARE(dialogs.AskOpenPath(nullptr), std::optional(Native(chosen)));
        WhenDialogShown([&](QFileDialog& dialog) {
            dialog.setDirectory(QDir::rootPath());
            dialog.reject();
        });
        QVERIFY(!dialogs.AskOpenPath(nullptr));
        QStringList offered;
        WhenDialogShown([&](QFileDialog& dialog) {
            offered = dialog.selectedFiles();
            dialog.reject();
        });
        QVERIFY(!dialogs.AskOpenPath(nullptr));
        QCOMPARE(offered, QStringList{chosen});
    }

    void savingIntoAMissingFolderIsRefusedInTheDialog() {
        QtFileDialogs dialogs;
        QString message;
        bool stayedOpen = false;
        WhenDialogShown([&](QFileDialog& dialog) {
            AnswerNextMessage(message);
            Choose(dialog, dir_.filePath("missing/ivanov.tst"));
            stayedOpen = dialog.isVisible();
            Choose(dialog, dir_.filePath("petrov.tst"));
        });
        QCOMPARE(dialogs.AskSavePath(nullptr), std::optional(Native(dir_.filePath("petrov.tst"))));
        QVERIFY(stayedOpen);
        QVERIFY(message.contains(dir_.filePath("missing")));
    }

    // A file's type is never read from its contents: a pseudo file under /proc or /sys may
    // never answer a read. A PNG picture without an extension stays an unknown file.
    void typesComeFromNamesOnly() {
        const QString picture =
            Make("picture", QByteArray::fromHex("89504e470d0a1a0a0000000d49484452"));
        QCOMPARE(QMimeDatabase().mimeTypeForFile(picture).name(), QString("image/png"));
        QtFileDialogs dialogs;
        QString type;
        WhenDialogShown([&](QFileDialog& dialog) {
            type = dialog.iconProvider()->type(QFileInfo(picture));
            dialog.reject();
        });
        QVERIFY(!dialogs.AskOpenPath(nullptr));
        QCOMPARE(type, QMimeDatabase().mimeTypeForName("application/octet-stream").comment());
    }

    // Qt's Russian texts come with the first dialog, not before, and only once.
    void theRussianTextsArriveWithTheFirstDialog() {
        platform::StandardDialogTexts texts;
        QVERIFY(!texts.Installed());
        QCOMPARE(QFileDialog::tr("Save As"), QString("Save As"));
        int hooks = 0;
        QtFileDialogs dialogs([&] {
            ++hooks;
            texts.Install();
        });
        QString title;
        WhenDialogShown([&](QFileDialog& dialog) {
            title = dialog.windowTitle();
            dialog.reject();
        });
        QVERIFY(!dialogs.AskSavePath(nullptr));
        QVERIFY(texts.Installed());
        QCOMPARE(title, QString("Сохранить как"));
        WhenDialogShown([&](QFileDialog& dialog) { dialog.reject(); });
        QVERIFY(!dialogs.AskOpenPath(nullptr));
        QCOMPARE(hooks, 2);
        texts.Install();
        QCOMPARE(QFileDialog::tr("Save As"), QString("Сохранить как"));
    }

    // A text field's context menu is Qt's own too: it brings the texts as well.
    void aContextMenuBringsTheRussianTexts() {
        platform::StandardDialogTexts texts;
        QLineEdit field;
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                field.mapToGlobal(QPoint(1, 1)));
        QTimer::singleShot(0, [] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                menu->close();
            }
        });
        QApplication::sendEvent(&field, &event);
        QVERIFY(texts.Installed());
    }

    // The message boxes run their hook before each box.
    void theMessageBoxesRunTheirHookFirst() {
        bool hookedBeforeBox = false;
        int hooks = 0;
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->accept();
            }
        });
        QtMessageBoxes boxes([&] {
            ++hooks;
            hookedBeforeBox = QApplication::activeModalWidget() == nullptr;
        });
        boxes.ShowError("File not found.");
        QCOMPARE(hooks, 1);
        QVERIFY(hookedBeforeBox);
    }

    // Qt's own dialogs speak Russian; the program's texts stay as they are.
    void russianStandardDialogsLeaveTheProgramsTexts() {
        QTranslator translator;
        QVERIFY(InstallStandardDialogTranslations(translator));
        QtFileDialogs dialogs;
        QString title;
        WhenDialogShown([&](QFileDialog& dialog) {
            title = dialog.windowTitle();
            dialog.reject();
        });
        QVERIFY(!dialogs.AskSavePath(nullptr));
        QCOMPARE(title, QString("Сохранить как"));

        WarningDialog warning("Результаты не записанны ! Закрыть окно ?");
        QCOMPARE(warning.windowTitle(), QString("Warning"));
        QCOMPARE(warning.YesButton()->text(), QString("&Yes"));
        QCOMPARE(warning.NoButton()->text(), QString("&No"));

        QString caption;
        QString text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        });
        QtMessageBoxes().ShowError("File not found.");
        QCOMPARE(caption, QString("Тест 'Ормитан'"));
        QCOMPARE(text, QString("File not found."));
        QCoreApplication::removeTranslator(&translator);
    }
};

ORMITAN_WIDGET_TEST_MAIN(TestFileDialogs)
#include "test_file_dialogs.moc"
