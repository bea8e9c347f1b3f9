#include "program.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include "UnitAbout.h"
#include "UnitGifts.h"
#include "UnitPreview.h"
#include "UnitReport.h"
#include "first_paint.h"
#include "ormitan_application.h"

namespace ormitan {

namespace {

// Input that a handler may act on. The pointer entering or moving over a window reaches none; a
// window that opens under the pointer gets such events as it appears, ahead of what its first
// paint queued.
bool ReachesAHandler(const QEvent& event) {
    switch (event.type()) {
        case QEvent::Enter:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
        case QEvent::HoverLeave:
        case QEvent::MouseMove:
        case QEvent::NonClientAreaMouseMove:
        case QEvent::TabletMove:
            return false;
        default:
            return event.isInputEvent();
    }
}

void RouteErrorsTo(MessageBoxes* messages) {
    if (auto* app = dynamic_cast<OrmitanApplication*>(QCoreApplication::instance())) {
        app->SetMessageBoxes(messages);
    }
}

}  // namespace

Program::Program(const ProgramServices& services)
    : services_(services), main_(results_, services.files, services.fileDialogs) {
    RouteErrorsTo(&services.messages);
}

Program::~Program() {
    RouteErrorsTo(nullptr);
}

void Program::CreateHiddenWindows() {
    if (HiddenWindowsCreated()) {
        return;
    }
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    report_ = new TFormReport(results_, services_.files, services_.fileDialogs, services_.messages,
                              &main_);
    about_ = new TAboutBox(services_.shell, &main_);
    gifts_ = new TAboutBoxGifts(&main_);
    main_.SetReportWindow(report_);
    main_.SetAboutWindow(about_);
    report_->SetGiftsWindow(gifts_);
    report_->SetShowPrintPreview([&printers = services_.printers](QWidget* owner,
                                                                  const chart::ChartPrintout& chart,
                                                                  const print::PrintSetup& setup) {
        return ShowPrintPreview(owner, chart, setup, printers);
    });
}

bool Program::eventFilter(QObject* watched, QEvent* event) {
    if (ReachesAHandler(*event)) {
        CreateHiddenWindows();
    }
    return QObject::eventFilter(watched, event);
}

void Program::Start(const std::optional<std::string>& resultsFile,
                    std::function<void()> afterFirstPaint) {
    if (!HiddenWindowsCreated() && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    AfterFirstPaint(main_, [this, resultsFile, afterFirstPaint = std::move(afterFirstPaint)] {
        if (afterFirstPaint) {
            afterFirstPaint();
        }
        CreateHiddenWindows();
        if (resultsFile) {
            QMetaObject::invokeMethod(
                &main_,
                [this, path = *resultsFile] { RunHandler([&] { main_.OpenParamStr(path); }); },
                Qt::QueuedConnection);
        }
    });
    main_.show();
}

}  // namespace ormitan
