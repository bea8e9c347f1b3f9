#include "startup.h"

#include <QIcon>
#include <QMetaObject>
#include <QTranslator>

#include "UnitAbout.h"
#include "UnitGifts.h"
#include "UnitMain.h"
#include "UnitPreview.h"
#include "UnitReport.h"
#include "desktop_shell.h"
#include "file_dialogs.h"
#include "first_paint.h"
#include "ormitan_application.h"
#include "platform/hand_cursor.h"
#include "platform/pdf_file_dialog.h"
#include "platform/posix_file_layer.h"
#include "platform/qt_printer_service.h"
#include "product.h"
#include "qt_dialogs.h"

namespace ormitan {

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
    QIcon icon;
    for (const int size : {16, 32, 48, 256}) {
        icon.addFile(QString(":/images/icons/ormitan-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    platform::HandCursor();  // registered once, before any window needs it
    QTranslator standardDialogs;
    InstallStandardDialogTranslations(standardDialogs);

    platform::PosixFileLayer files;
    QtFileDialogs fileDialogs;
    QtMessageBoxes messages;
    app.SetMessageBoxes(&messages);
    DesktopShell shell;
    platform::QtPrinterService printers(platform::AskPdfFileNameWithDialog, files);
    Services services{files, fileDialogs, messages, shell, printers};

    // The windows, created once in their fixed order; only the questionnaire is shown.
    TMainForm mainForm(services);
    auto* report = new TFormReport(services, &mainForm);
    mainForm.SetReportWindow(report);
    report->SetSaveFile([&mainForm](QWidget* parent) { mainForm.SaveFile(parent); });
    report->SetShowPrintPreview([&printers](QWidget* owner, chart::ResultsChart& chart) {
        ShowPrintPreview(owner, chart, printers);
    });
    auto* about = new TAboutBox(shell, &mainForm);
    mainForm.SetAboutWindow(about);
    auto* gifts = new TAboutBoxGifts(&mainForm);
    report->SetGiftsWindow(gifts);

    if (hooks.afterFirstPaint) {
        AfterFirstPaint(mainForm, hooks.afterFirstPaint);
    }
    mainForm.show();
    if (resultsFile) {
        // Once the questionnaire is on screen, show the file's report; the program ends when
        // it closes, or goes on as a questionnaire when the file cannot be read.
        QMetaObject::invokeMethod(
            &mainForm,
            [&mainForm, path = *resultsFile] { RunHandler([&] { mainForm.OpenParamStr(path); }); },
            Qt::QueuedConnection);
    }
    app.exec();
    return 0;
}

}  // namespace ormitan
