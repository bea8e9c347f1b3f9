#pragma once

// Lets the print geometry's plain structs stand in QtTest data rows and print themselves when a
// comparison fails.
#include <QMetaType>
#include <QtTest>

#include "chart/print_geometry.h"
#include "chart/sheet_geometry.h"

namespace ormitan::print {

inline char* toString(const Rect& r) {
    return QTest::toString(
        QString("(%1, %2, %3, %4)").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom));
}
inline char* toString(const Margins& m) {
    return QTest::toString(
        QString("margins %1, %2, %3, %4").arg(m.left).arg(m.top).arg(m.right).arg(m.bottom));
}
inline char* toString(const Size& s) {
    return QTest::toString(QString("%1 x %2").arg(s.width).arg(s.height));
}
inline char* toString(const Point& p) {
    return QTest::toString(QString("point (%1, %2)").arg(p.x).arg(p.y));
}

}  // namespace ormitan::print

Q_DECLARE_METATYPE(ormitan::print::Rect)
Q_DECLARE_METATYPE(ormitan::print::Margins)
Q_DECLARE_METATYPE(ormitan::print::Size)
Q_DECLARE_METATYPE(ormitan::print::Point)
Q_DECLARE_METATYPE(ormitan::print::DragZone)
