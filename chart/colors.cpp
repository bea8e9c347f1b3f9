#include "colors.h"

#include <algorithm>
#include <array>

namespace ormitan::chart {
namespace {

constexpr std::array<QRgb, 16> Palette = {
    qRgb(255, 0, 0),     qRgb(0, 128, 0),     qRgb(255, 255, 0), qRgb(0, 0, 255),
    qRgb(255, 255, 255), qRgb(128, 128, 128), qRgb(255, 0, 255), qRgb(0, 128, 128),
    qRgb(0, 0, 128),     qRgb(128, 0, 0),     qRgb(0, 255, 0),   qRgb(128, 128, 0),
    qRgb(128, 0, 128),   qRgb(192, 192, 192), qRgb(0, 255, 255), qRgb(0, 0, 0),
};

Qt::BrushStyle QtStyle(BrushStyle style) {
    return style == BrushStyle::Solid ? Qt::SolidPattern : Qt::DiagCrossPattern;
}

}  // namespace

QColor ColorFromValue(std::uint32_t value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QColor PaletteColor(int index) {
    const int slot = ((index % 16) + 16) % 16;
    return QColor::fromRgb(Palette[static_cast<std::size_t>(slot)]);
}

QColor PointColor(int index, std::uint32_t color) {
    return color == AutoColor ? PaletteColor(index) : ColorFromValue(color);
}

QColor Darkened(const QColor& color, int q) {
    return QColor(std::max(color.red() - q, 0), std::max(color.green() - q, 0),
                  std::max(color.blue() - q, 0));
}

Fill FillFor(const QColor& color, BrushStyle style, const QColor& background) {
    if (style == BrushStyle::Solid) {
        return SolidFill(color);
    }
    QColor hatch = color;
    if (hatch == background) {
        hatch = background == QColor(Qt::black) ? QColor(Qt::white) : QColor(Qt::black);
    }
    return {hatch, QtStyle(style), background};
}

BarFills BarFillsFor(const QColor& color, BrushStyle style, const QColor& background) {
    const Fill front = FillFor(color, style, background);
    if (style == BrushStyle::Solid) {
        return {front, FillFor(Darkened(color, 128), style, background),
                FillFor(Darkened(color, 64), style, background)};
    }
    return {front,
            {front.color, front.style, Darkened(background, 128)},
            {front.color, front.style, Darkened(background, 64)}};
}

QColor ArrowColor(const QColor& pointColor, const QColor& panel) {
    const QColor arrow(Qt::black);
    if (arrow == pointColor || arrow == panel) {
        return panel == QColor(Qt::black) ? QColor(Qt::white) : arrow;
    }
    return arrow;
}

}  // namespace ormitan::chart
