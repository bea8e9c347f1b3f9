#pragma once

#include <QCursor>

namespace ormitan::platform {

// The program's own hand: a closed hand seen from the back, fingers up, hot spot (7, 7). It is
// built once, at start, and shown while the chart can be moved on the preview sheet.
const QCursor& HandCursor();

}  // namespace ormitan::platform
