#include "chart_fonts.h"

namespace ormitan::chart {
namespace {
constexpr int DotsPerMeterAt96Dpi = 3780;
constexpr qsizetype MaxRememberedWidths = 1000;
}  // namespace

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

const QFontMetrics& FontMetrics::For(TextRole role) const {
    auto& metrics = metrics_[std::size_t(role)];
    if (!metrics) {
        metrics.emplace(ChartFont(role), &reference_);
    }
    return *metrics;
}

int FontMetrics::Width(TextRole role, const QString& text) const {
    auto& widths = widths_[std::size_t(role)];
    const auto known = widths.constFind(text);
    if (known != widths.cend()) {
        return *known;
    }
    const int width = For(role).horizontalAdvance(text);
    if (widths.size() >= MaxRememberedWidths) {
        widths.clear();  // texts of results long gone
    }
    widths.insert(text, width);
    return width;
}

int FontMetrics::Height(TextRole role) const {
    return For(role).height();
}

}  // namespace ormitan::chart
