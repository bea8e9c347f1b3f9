#include "widgets_support.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPixmap>
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

}  // namespace ormitan
