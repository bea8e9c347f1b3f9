#include "standard_dialog_texts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>

namespace ormitan::platform {

bool InstallStandardDialogTranslations(QTranslator& translator) {
    if (!translator.load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&translator);
}

StandardDialogTexts::StandardDialogTexts() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    if (QAccessible::isActive()) {
        Install();
    } else {
        QAccessible::installActivationObserver(this);
    }
}

StandardDialogTexts::~StandardDialogTexts() {
    QAccessible::removeActivationObserver(this);
    // The translator removes itself from the application as it goes.
}

void StandardDialogTexts::Install() {
    if (tried_) {
        return;
    }
    tried_ = true;
    installed_ = InstallStandardDialogTranslations(translator_);
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool StandardDialogTexts::eventFilter(QObject* watched, QEvent* event) {
    // A text field's context menu (Copy, Select All) is Qt's own and made as the event arrives.
    if (event->type() == QEvent::ContextMenu) {
        Install();
    }
    return QObject::eventFilter(watched, event);
}

void StandardDialogTexts::accessibilityActiveChanged(bool active) {
    if (active) {
        Install();
    }
}

}  // namespace ormitan::platform
