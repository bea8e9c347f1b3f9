#include "widgets_support.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace ormitan {

QFont PixelFont(const QString& family, int pixels, bool italic) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setItalic(italic);
    return font;
}

QIcon GlyphIcon(const QString& resource) {
    const QPixmap both(resource);
    QIcon icon;
    if (both.isNull()) {
        return icon;
    }
    const int side = both.height();
    icon.addPixmap(both.copy(0, 0, side, side), QIcon::Normal);
    icon.addPixmap(both.copy(side, 0, side, side), QIcon::Disabled);
    return icon;
}

void UncheckAll(const QList<QAbstractButton*>& buttons) {
    for (QAbstractButton* button : buttons) {
        if (!button->isChecked()) {
            continue;
        }
        QButtonGroup* group = button->group();
        const bool groupExclusive = group != nullptr && group->exclusive();
        const bool autoExclusive = button->autoExclusive();
        if (groupExclusive) {
            group->setExclusive(false);
        }
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(autoExclusive);
        if (groupExclusive) {
            group->setExclusive(true);
        }
    }
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(frame.topLeft());
}

}  // namespace ormitan
