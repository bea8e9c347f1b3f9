#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QAbstractButton;
class QKeySequence;
class QWidget;

namespace ormitan {

// A font whose character height is given in pixels, as the window layouts give it.
QFont PixelFont(const QString& family, int pixels, bool italic = false);

// One of the program's own PNG pictures, read without Qt's search for its format, which loads
// every image plugin (and their libraries) to ask each whether it knows the file.
QPixmap ResourcePng(const QString& resource);

// A button glyph: the picture holds the normal 16 x 16 glyph on the left and its greyed
// version, shown while the button is disabled, on the right.
QIcon GlyphIcon(const QString& resource);

// Unchecks every button of an exclusive group (which Qt does not allow while exclusive).
void UncheckAll(const QList<QAbstractButton*>& buttons);

// Gives a button a key of its window: the key presses the button as a click does, and only while
// the button is enabled and its window takes input. A tool tip, if the button has one, names the
// key, as in "Сохранить (Ctrl+S)".
void BindKey(QAbstractButton& button, const QKeySequence& key);

}  // namespace ormitan
