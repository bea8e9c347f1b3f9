#pragma once

#include <QSize>

namespace ormitan {

// The report window's whole size, frame included, for a screen of `screen` pixels: 98 % of its
// width and 88 % of its height rounded halves to even; a 640 x 480 screen is taken whole.
QSize ReportWindowSize(QSize screen);

}  // namespace ormitan
