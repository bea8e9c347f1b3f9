#include "program.h"

#include <QMetaObject>

#include "UnitAbout.h"
#include "UnitGifts.h"
#include "UnitPreview.h"
#include "UnitReport.h"
#include "ormitan_application.h"

namespace ormitan {

namespace {

void RouteErrorsTo(MessageBoxes* messages) {
    if (auto* app = dynamic_cast<OrmitanApplication*>(QCoreApplication::instance())) {
        app->SetMessageBoxes(messages);
    }
}

}  // namespace

Program::Program(const ProgramServices& services)
    : main_(results_, services.files, services.fileDialogs),
      report_(new TFormReport(results_, services.files, services.fileDialogs, services.messages,
                              &main_)),
      about_(new TAboutBox(services.shell, &main_)),
      gifts_(new TAboutBoxGifts(&main_)) {
    RouteErrorsTo(&services.messages);
    main_.SetReportWindow(report_);
    main_.SetAboutWindow(about_);
    report_->SetGiftsWindow(gifts_);
    report_->SetShowPrintPreview([&printers = services.printers](QWidget* owner,
                                                                 const chart::ChartPrintout& chart,
                                                                 const print::PrintSetup& setup) {
        return ShowPrintPreview(owner, chart, setup, printers);
    });
}

Program::~Program() {
    RouteErrorsTo(nullptr);
}

void Program::Start(const std::optional<std::string>& resultsFile) {
    main_.show();
    if (resultsFile) {
        QMetaObject::invokeMethod(
            &main_, [this, path = *resultsFile] { RunHandler([&] { main_.OpenParamStr(path); }); },
            Qt::QueuedConnection);
    }
}

}  // namespace ormitan
