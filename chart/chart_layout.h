#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "chart/bar_series.h"
#include "chart/text_metrics.h"
#include "core/geometry.h"

// The geometry of one drawing of the chart, computed from the drawing rectangle, the points and
// the text metrics alone. Coordinates are logical pixels with the origin at the rectangle's
// top-left corner, y growing downwards.
namespace ormitan::chart {

// A rectangle whose right and bottom edges lie just outside the area it covers.
using Box = ormitan::Rect;

// A line whose end point is not drawn.
struct Segment {
    QPoint from;
    QPoint to;
};

// A projected face, filled and outlined through its four corners (both edges included).
using Quad = std::array<QPoint, 4>;

struct PlacedText {
    QString text;
    QPoint topLeft;
    int width = 0;
};

// The oblique view: depth z moves a point up and to the right by z.
constexpr QPoint Project(int x, int y, int z) {
    return {x + z, y - z};
}

inline constexpr double ScaleMaximum = 15.0;
// The label step of a plot too low for a single label: far too many steps to draw any.
inline constexpr double TinyLabelStep = 1e-12;
inline constexpr int ArrowLength = 15;
inline constexpr int LegendMaxRows = 10;
inline constexpr int LegendShadow = 3;

struct LegendItem {
    int point = 0;
    QColor color;
    PlacedText text;
    Box colorBox;
};

struct LegendLayout {
    int count = 0;       // N
    int maxWidth = 0;    // maxW: widest item text + 4
    int colorWidth = 0;  // CB
    int columns = 0;
    int rows = 0;
    int top = 0;     // Yt
    int bottom = 0;  // Yb
    int left = 0;    // Xl
    int right = 0;   // Xr
    Box shadow;
    Box frame;
    std::vector<LegendItem> items;  // the shown items, in point order
};

struct AxisLabel {
    double value = 0;
    int y = 0;
    PlacedText text;
    Segment outerTick;
    Segment innerTick;
    Segment gridLeft;  // along the left wall
    Segment gridBack;  // across the back wall
};

struct AxisLayout {
    int labelHeight = 0;  // lh
    int maxLabels = 0;    // n
    double step = 0;
    int labelWidth = 0;             // widest label plus a space
    int labelsX = 0;                // the labels' right edge
    Segment line;                   // the 2-px axis line at L
    std::vector<AxisLabel> labels;  // from the top label down to 0
};

struct BarLayout {
    QColor color;
    int centre = 0;  // x_k
    int left = 0;
    int right = 0;
    int top = 0;  // y(value)
    int bottom = 0;
    Quad front;
    Quad side;
    Quad topFace;
};

struct MarkLayout {
    int width = 0;   // Wm
    int height = 0;  // Hm
    Segment arrow;
    Box box;
    PlacedText text;
};

struct WallsLayout {
    Box back;  // outline only
    Quad left;
    Quad bottom;
};

struct ChartLayout {
    QSize size;
    Box margins;                     // the chart rectangle after the 3 % and 4 % margins
    std::vector<PlacedText> footer;  // top line first
    std::optional<LegendLayout> legend;
    int depth = 0;  // D
    Box plot;       // the final L, T, R, B: the front face of the plot box
    AxisLayout axis;
    int cell = 0;        // c
    int barWidth = 0;    // W, even
    int sideMargin = 0;  // m
    std::vector<BarLayout> bars;
    std::vector<MarkLayout> marks;
    WallsLayout walls;
};

struct LayoutInput {
    QSize size;
    std::span<const ChartPoint> points;
    bool printing = false;
    QStringList footer;  // the footer's lines when it is visible; drawn only while printing
};

ChartLayout LayOutChart(const LayoutInput& input, const TextMetrics& metrics);

// y(v) on the final plot: value 0 at its bottom, 15 at its top.
int ValueY(const Box& plot, double value);

// How many labels fit on a plot `height` pixels high (n) and the step between them.
struct LabelSpacing {
    int maxLabels = 0;
    double step = 0;
};
LabelSpacing LabelSpacingFor(int height, int labelHeight);

// The text of a legend line: the label, a space and the formatted value.
QString LegendText(const ChartPoint& point);

}  // namespace ormitan::chart
