#include "widgets_support.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QImageReader>
#include <QShortcut>
#include <QWidget>

namespace ormitan {

QFont PixelFont(const QString& family, int pixels, bool italic) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setItalic(italic);
    return font;
}

QPixmap ResourcePng(const QString& resource) {
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon GlyphIcon(const QString& resource) {
    const QPixmap both = ResourcePng(resource);
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

void BindKey(QAbstractButton& button, const QKeySequence& key) {
    // A window shortcut: it fires only while the button's window is the active one, never
    // through a modal window over it. click() does nothing while the button is disabled.
    auto* shortcut = new QShortcut(key, button.window());
    QObject::connect(shortcut, &QShortcut::activated, &button, &QAbstractButton::click);
    if (!button.toolTip().isEmpty()) {
        button.setToolTip(button.toolTip() + " (" + key.toString(QKeySequence::PortableText) + ")");
    }
}

}  // namespace ormitan
