#include "chart_fonts.h"

#include <QFontMetrics>

namespace ormitan::chart {
namespace {
constexpr int DotsPerMeterAt96Dpi = 3780;
}

QFont ChartFont(TextRole role) {
    QFont font(role == TextRole::Footer ? QStringLiteral("Times New Roman")
                                        : QStringLiteral("Arial"));
    font.setPixelSize(role == TextRole::Footer ? 16 : 11);
    return font;
}

FontMetrics::FontMetrics() : reference_(1, 1, QImage::Format_RGB32) {
    reference_.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    reference_.setDotsPerMeterY(DotsPerMeterAt96Dpi);
}

int FontMetrics::Width(TextRole role, const QString& text) const {
    return QFontMetrics(ChartFont(role), &reference_).horizontalAdvance(text);
}

int FontMetrics::Height(TextRole role) const {
    return QFontMetrics(ChartFont(role), &reference_).height();
}

}  // namespace ormitan::chart
