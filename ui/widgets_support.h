#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

class QAbstractButton;
class QWidget;

namespace ormitan {

// A font whose character height is given in pixels, as the window layouts give it.
QFont PixelFont(const QString& family, int pixels, bool italic = false);

// A button glyph: the picture holds the normal 16 x 16 glyph on the left and its greyed
// version, shown while the button is disabled, on the right.
QIcon GlyphIcon(const QString& resource);

// Unchecks every button of an exclusive group (which Qt does not allow while exclusive).
void UncheckAll(const QList<QAbstractButton*>& buttons);

}  // namespace ormitan
