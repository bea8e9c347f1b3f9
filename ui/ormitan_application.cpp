#include "ormitan_application.h"

#include <QFont>
#include <QThread>
#include <QWidget>

#include "accessible_roles.h"
#include "core/errors.h"
#include "services.h"

namespace ormitan {

OrmitanApplication::OrmitanApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The windows name the classic desktop fonts. Liberation has their metrics, so texts fit
    // the fixed layouts; "MS Sans Serif" would otherwise fall to a wider default sans.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    InstallAccessibleRoles();
}

bool OrmitanApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception&) {
        HandleCurrentError();
    }
    return false;
}

void OrmitanApplication::ShowErrorMessage(const std::string& message) {
    // A drag in progress must not keep the mouse once the box is up.
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
    const QString text = QString::fromUtf8(WithFinalPeriod(message));
    if (messages_ != nullptr) {
        messages_->ShowError(text);
    } else {
        qWarning("%s", qPrintable(text));
    }
}

void HandleCurrentError() {
    try {
        throw;
    } catch (const EAbort&) {
        // Silent by design.
    } catch (const std::exception& error) {
        if (auto* app = dynamic_cast<OrmitanApplication*>(QCoreApplication::instance())) {
            app->ShowErrorMessage(error.what());
        } else {
            qWarning("%s", error.what());
        }
    }
}

void RunHandler(const std::function<void()>& handler) {
    auto* app = dynamic_cast<OrmitanApplication*>(QCoreApplication::instance());
    if (app == nullptr) {
        try {
            handler();
        } catch (const std::exception&) {
            HandleCurrentError();
        }
        return;
    }
    auto& loops = app->handlerLoops_;
    const int loop = QThread::currentThread()->loopLevel();
    const bool nested = !loops.empty() && loops.back() == loop;
    loops.push_back(loop);
    try {
        handler();
    } catch (const std::exception&) {
        if (nested) {
            if (!app->nestedError_) {
                app->nestedError_ = std::current_exception();
            }
        } else {
            HandleCurrentError();
        }
    }
    loops.pop_back();
    // A nested error that its enclosing handler never met (it changed no control after it)
    // is shown when the outermost handler of this loop ends.
    if (!nested && app->nestedError_) {
        const std::exception_ptr error = std::exchange(app->nestedError_, nullptr);
        try {
            std::rethrow_exception(error);
        } catch (const std::exception&) {
            HandleCurrentError();
        }
    }
}

void RethrowNestedError() {
    auto* app = dynamic_cast<OrmitanApplication*>(QCoreApplication::instance());
    if (app != nullptr && app->nestedError_) {
        std::rethrow_exception(std::exchange(app->nestedError_, nullptr));
    }
}

}  // namespace ormitan
