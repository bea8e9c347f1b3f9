#pragma once

#include <QColor>
#include <Qt>
#include <cstdint>

namespace ormitan::chart {

// The bar brush: solid on screen, a diagonal cross hatch on paper.
enum class BrushStyle { Solid, DiagCross };

// Colour values are stored as 0x00BBGGRR (blue in the high byte). AutoColor means "no explicit
// colour": a point with it takes its palette colour.
inline constexpr std::uint32_t AutoColor = 0x80000000;

// The light yellow of the left wall and of the marks (stored as 0x80FFFF).
inline constexpr std::uint32_t LightYellowValue = 0x0080FFFF;

QColor ColorFromValue(std::uint32_t value);

// The 16-colour point palette, by index mod 16.
QColor PaletteColor(int index);

// The colour of point `index`: its palette colour for AutoColor, else its own colour.
QColor PointColor(int index, std::uint32_t color);

// Each of R, G, B less q, not below 0: side faces are darkened by 128, top faces by 64.
QColor Darkened(const QColor& color, int q);

// How one bar, wall or legend box is filled: a solid colour, or a hatch in `color` on an opaque
// `background`.
struct Fill {
    QColor color;
    Qt::BrushStyle style = Qt::SolidPattern;
    QColor background;  // shows between the hatch lines; unused for a solid fill
    bool operator==(const Fill&) const = default;
};

inline Fill SolidFill(const QColor& color) {
    return {color, Qt::SolidPattern, QColor()};
}

// A hatch in the colour of its own background would vanish: it is drawn black instead (white on
// a black background).
Fill FillFor(const QColor& color, BrushStyle style, const QColor& background);

// The three faces of a bar of `color` whose brush is `style` on the hatch background `background`:
// front, right side (darkened by 128) and top (darkened by 64). A hatched bar keeps its hatch
// colour on every face and darkens the background instead.
struct BarFills {
    Fill front, side, top;
};
BarFills BarFillsFor(const QColor& color, BrushStyle style, const QColor& background);

// A mark's arrow is black unless that would hide it against its bar or the panel.
QColor ArrowColor(const QColor& pointColor, const QColor& panel);

}  // namespace ormitan::chart
