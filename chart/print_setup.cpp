#include "print_setup.h"

#include <algorithm>

namespace ormitan::print {

bool TypedMarginFits(int margin, int opposite) {
    return 0 <= margin && margin <= 100 && margin + opposite < 100;
}

Margins DraggedMargins(Margins rounded) {
    if (0 <= rounded.left && rounded.left <= 100) {
        rounded.right = std::min(rounded.right, 100 - rounded.left);
    }
    if (0 <= rounded.top && rounded.top <= 100) {
        rounded.bottom = std::min(rounded.bottom, 100 - rounded.top);
    }
    return rounded;
}

}  // namespace ormitan::print
