#include "startup.h"

#include <QIcon>
#include <initializer_list>

#include "desktop_shell.h"
#include "file_dialogs.h"
#include "ormitan_application.h"
#include "platform/hand_cursor.h"
#include "platform/pdf_file_dialog.h"
#include "platform/posix_file_layer.h"
#include "platform/qt_printer_service.h"
#include "platform/standard_dialog_texts.h"
#include "product.h"
#include "program.h"
#include "qt_dialogs.h"
#include "widgets_support.h"

namespace ormitan {

namespace {

// `icon` with the program's icon added in `sizes`.
QIcon WithProgramIcon(QIcon icon, std::initializer_list<int> sizes) {
    for (const int size : sizes) {
        icon.addPixmap(ResourcePng(QString(":/images/icons/ormitan-%1.png").arg(size)));
    }
    return icon;
}

}  // namespace

std::optional<std::string> ResultsFileArgument(int argc, const char* const* argv) {
    if (argc < 2 || argv[1] == nullptr || argv[1][0] == '\0') {
        return std::nullopt;
    }
    return std::string(argv[1]);
}

int RunOrmitan(int argc, char** argv, const StartupHooks& hooks) {
    const auto resultsFile = ResultsFileArgument(argc, argv);

    OrmitanApplication app(argc, argv);
    QApplication::setApplicationName("ormitan");
    QApplication::setDesktopFileName("ormitan");
    QApplication::setWindowIcon(WithProgramIcon({}, {16, 32, 48}));
    platform::HandCursor();  // registered once, before any window needs it
    // Qt's Russian texts wait for the first standard dialog: the first window shows none.
    platform::StandardDialogTexts standardDialogTexts;
    const auto beforeStandardDialog = [&standardDialogTexts] { standardDialogTexts.Install(); };

    platform::PosixFileLayer files;
    QtFileDialogs fileDialogs(beforeStandardDialog);
    QtMessageBoxes messages(beforeStandardDialog);
    DesktopShell shell;
    platform::QtPrinterService printers(platform::AskPdfFileNameWithDialog, files,
                                        beforeStandardDialog);
    Program program({files, fileDialogs, messages, shell, printers});

    program.Start(resultsFile, [&hooks] {
        if (hooks.afterFirstPaint) {
            hooks.afterFirstPaint();
        }
        // The large size serves task switchers. Converting it and sending it to the window
        // manager was the largest single cost of showing the first window, so it follows the
        // first paint; the sizes a frame and a task bar draw are there from the start.
        QApplication::setWindowIcon(WithProgramIcon(QApplication::windowIcon(), {256}));
    });
    app.exec();
    return 0;
}

}  // namespace ormitan
