#include "ormitan_application.h"

#include <QFont>
#include <QWidget>

#include "core/errors.h"
#include "services.h"

namespace ormitan {

OrmitanApplication::OrmitanApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The windows name the classic desktop fonts. Liberation has their metrics, so texts fit
    // the fixed layouts; "MS Sans Serif" would otherwise fall to a wider default sans.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
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

}  // namespace ormitan
