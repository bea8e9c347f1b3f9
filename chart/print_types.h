#pragma once

#include "core/geometry.h"

// The geometry of printing and of the preview sheet.
namespace ormitan::print {

using ormitan::Contains;
using ormitan::Point;
using ormitan::Rect;
using ormitan::Size;

// The chart's distance from each edge of the printable area, in percent of that area's width
// (left, right) or height (top, bottom).
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Margins&, const Margins&) = default;
};

}  // namespace ormitan::print
