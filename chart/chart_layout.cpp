#include "chart_layout.h"

#include <algorithm>
#include <cmath>

#include "chart/value_format.h"
#include "core/rounding.h"

namespace ormitan::chart {
namespace {

constexpr int LegendFrame = 1;
// Label values stop once they pass this far below 0, so that 0 itself survives the subtractions.
constexpr double LabelTolerance = 1e-12;
// More steps than this over the range draw no labels at all.
constexpr double MaxLabelSteps = 10000;

PlacedText Place(const TextMetrics& metrics, TextRole role, const QString& text, int left,
                 int top) {
    return {text, {left, top}, metrics.Width(role, text)};
}

// Centred on x, as a centre-aligned text is placed.
PlacedText PlaceCentred(const TextMetrics& metrics, TextRole role, const QString& text, int x,
                        int top) {
    const int width = metrics.Width(role, text);
    return {text, {x - width / 2, top}, width};
}

// The footer's lines stack up from the bottom of the chart rectangle, which then moves up to
// 5 pixels above them.
void PlaceFooter(const QStringList& lines, const TextMetrics& metrics, Box& rect,
                 ChartLayout& out) {
    const int height = metrics.Height(TextRole::Footer);
    const int count = static_cast<int>(lines.size());
    const int centre = (rect.left + rect.right) / 2;
    for (int i = 0; i < count; ++i) {
        out.footer.push_back(PlaceCentred(metrics, TextRole::Footer, lines[i], centre,
                                          rect.bottom - (count - i) * height));
    }
    rect.bottom -= count * height + 5;
}

std::optional<LegendLayout> PlaceLegend(std::span<const ChartPoint> points,
                                        const std::vector<QColor>& colors,
                                        const TextMetrics& metrics, Box& rect) {
    LegendLayout legend;
    legend.count = static_cast<int>(points.size());
    std::vector<QString> texts;
    int widest = 0;
    for (const ChartPoint& point : points) {
        texts.push_back(LegendText(point));
        widest = std::max(widest, metrics.Width(TextRole::Legend, texts.back()));
    }
    legend.maxWidth = widest + 4;
    legend.colorWidth = int(RoundRatio(std::int64_t{legend.maxWidth} * 7, 100));
    const int width = rect.Width();
    legend.columns =
        rect.right <= 8
            ? 0
            : std::min((width - 2 * LegendFrame - 8) / (legend.maxWidth + legend.colorWidth + 8),
                       legend.count);
    if (legend.columns <= 0) {
        return std::nullopt;
    }
    legend.rows = std::min(legend.count / legend.columns + (legend.count % legend.columns > 0),
                           LegendMaxRows);

    const int h = metrics.Height(TextRole::Legend);
    legend.bottom = rect.bottom - LegendShadow - (LegendFrame + 1);
    legend.top = legend.bottom - legend.rows * h - 2;
    const int boxWidth = std::min(
        width, 2 * LegendShadow + (legend.colorWidth + legend.maxWidth + 4) * legend.columns + 8);
    const int centre = (rect.left + rect.right) / 2;
    legend.left = centre - boxWidth / 2;
    legend.right = centre + boxWidth / 2;
    legend.shadow = {legend.left + LegendShadow, legend.top + LegendShadow,
                     legend.right + LegendShadow + 1, legend.bottom + LegendShadow + 1};
    legend.frame = {legend.left - 1, legend.top - 1, legend.right + 1, legend.bottom + 1};

    const int shown = std::min(legend.count, legend.columns * legend.rows);
    for (int p = 0; p < shown; ++p) {
        const int column = p % legend.columns;
        const int row = p / legend.columns;
        const int x = legend.left + legend.colorWidth + 8 +
                      column * (legend.maxWidth + legend.colorWidth + 4);
        const int y = legend.top + 1 + row * h;
        legend.items.push_back({p, colors[std::size_t(p)],
                                Place(metrics, TextRole::Legend, texts[std::size_t(p)], x, y),
                                Box{x - 4 - legend.colorWidth, y + 2, x - 4, y + h - 2}});
    }

    rect.bottom = legend.top - MulDiv(4, rect.Height(), 100);
    return legend;
}

// The next of 1, 2, 5, 10, 20, 50, ...
double NextStep(double step) {
    double decade = 1.0;
    while (step >= 10.0 * decade) {
        decade *= 10.0;
    }
    const double mantissa = step / decade;
    return (mantissa < 2.0 ? 2.0 : mantissa < 5.0 ? 5.0 : 10.0) * decade;
}

// The highest multiple of the step not above the top of the scale.
double TopLabel(double step) {
    return std::trunc(ScaleMaximum / step) * step;
}

void PlaceAxis(const TextMetrics& metrics, Box& plot, int depth, AxisLayout& axis) {
    axis.labelHeight = metrics.Height(TextRole::AxisLabel);
    const LabelSpacing spacing = LabelSpacingFor(plot.Height(), axis.labelHeight);
    axis.maxLabels = spacing.maxLabels;
    axis.step = spacing.step;

    axis.labelWidth =
        std::max(metrics.Width(TextRole::AxisLabel, FormatValue(TopLabel(axis.step))),
                 metrics.Width(TextRole::AxisLabel,
                               FormatValue(std::trunc(0.0 / axis.step) * axis.step))) +
        metrics.Width(TextRole::AxisLabel, QStringLiteral(" "));
    axis.labelsX = plot.left + axis.labelWidth;
    // The axis line (2) and the outer ticks (4) stand between the labels and the plot.
    plot.left = axis.labelsX + 6;
    const int l = plot.left;
    axis.line = {{l, plot.top}, {l, plot.bottom}};

    if (std::trunc(ScaleMaximum / axis.step) >= MaxLabelSteps) {
        return;
    }
    for (double v = TopLabel(axis.step); v >= -LabelTolerance; v -= axis.step) {
        const int y = ValueY(plot, v);
        const PlacedText text =
            Place(metrics, TextRole::AxisLabel, FormatValue(v), 0, y - axis.labelHeight / 2);
        AxisLabel label{v,
                        y,
                        text,
                        {{l - 1, y}, {l - 5, y}},
                        {{l + 1, y}, {l + 2, y}},
                        {Project(l, y, 0), Project(l, y, depth)},
                        {Project(l, y, depth), Project(plot.right, y, depth)}};
        label.text.topLeft.setX(axis.labelsX - text.width);
        axis.labels.push_back(label);
    }
}

void PlaceBars(std::span<const ChartPoint> points, const std::vector<QColor>& colors,
               ChartLayout& out) {
    const Box& plot = out.plot;
    const int count = static_cast<int>(points.size());
    if (count == 0) {
        return;
    }
    const int width = plot.Width();
    out.cell = width / count;
    out.barWidth = int(RoundRatio(std::int64_t{out.cell} * 7, 10));
    if (out.barWidth % 2 != 0) {
        ++out.barWidth;
    }
    out.sideMargin = out.barWidth / 2;
    const int half = out.barWidth / 2;
    const int d = out.depth;
    for (int k = 0; k < count; ++k) {
        const int spread =
            count > 1 ? int(RoundRatio(std::int64_t{k} * (width - 2 * out.sideMargin), count - 1))
                      : 0;
        BarLayout bar;
        bar.color = colors[std::size_t(k)];
        bar.centre = plot.left + out.sideMargin + spread;
        bar.left = bar.centre - half;
        bar.right = bar.centre + half;
        bar.top = ValueY(plot, points[std::size_t(k)].value);
        bar.bottom = plot.bottom;
        bar.front = {QPoint(bar.left, bar.top), QPoint(bar.right, bar.top),
                     QPoint(bar.right, bar.bottom), QPoint(bar.left, bar.bottom)};
        bar.side = {QPoint(bar.right, bar.top), Project(bar.right, bar.top, d),
                    Project(bar.right, bar.bottom, d), QPoint(bar.right, bar.bottom)};
        bar.topFace = {QPoint(bar.left, bar.top), QPoint(bar.right, bar.top),
                       Project(bar.right, bar.top, d), Project(bar.left, bar.top, d)};
        out.bars.push_back(bar);
    }
}

// Each mark hangs above its bar at half the depth, its arrow 15 pixels long.
void PlaceMarks(std::span<const ChartPoint> points, const TextMetrics& metrics, ChartLayout& out) {
    const int h = metrics.Height(TextRole::Mark);
    const int w = metrics.Width(TextRole::Mark, QStringLiteral("W"));
    const int middle = out.depth / 2;
    for (std::size_t k = 0; k < out.bars.size(); ++k) {
        const ChartPoint& point = points[k];
        const BarLayout& bar = out.bars[k];
        const QString text = point.label.isEmpty() ? FormatValue(point.value) : point.label;
        MarkLayout mark;
        mark.width = metrics.Width(TextRole::Mark, text) + w + 2;
        mark.height = h + 2;
        // A bar hanging below the scale's minimum would carry its mark underneath.
        const int arrow = bar.bottom < bar.top ? -ArrowLength - mark.height : ArrowLength;
        mark.arrow = {Project(bar.centre, bar.top, middle),
                      Project(bar.centre, bar.top - arrow, middle)};
        const QPoint corner =
            Project(bar.centre - mark.width / 2, bar.top - mark.height + 1 - arrow, middle);
        mark.box = {corner.x(), corner.y(), corner.x() + mark.width, corner.y() + mark.height};
        mark.text = PlaceCentred(metrics, TextRole::Mark, text, mark.box.left + mark.width / 2,
                                 mark.box.top + 1);
        out.marks.push_back(mark);
    }
}

WallsLayout PlaceWalls(const Box& p, int d) {
    return {Box{p.left + 1 + d, p.top - 1 - d, p.right + d, p.bottom - d},
            {Project(p.left, p.top, 0), Project(p.left, p.top, d + 1),
             Project(p.left, p.bottom, d + 1), Project(p.left, p.bottom, 0)},
            {Project(p.left, p.bottom, 0), Project(p.right, p.bottom, 0),
             Project(p.right, p.bottom, d), Project(p.left, p.bottom, d)}};
}

}  // namespace

int ValueY(const Box& plot, double value) {
    return plot.bottom - RoundToInt(value * plot.Height() / ScaleMaximum);
}

LabelSpacing LabelSpacingFor(int height, int labelHeight) {
    const int pitch = labelHeight + int(RoundRatio(labelHeight, 10));
    const int count = pitch > 0 ? int(RoundRatio(height, pitch)) : 0;
    if (count < 1) {
        return {count, TinyLabelStep};
    }
    double step = 1.0;
    while (RoundHalfEven(ScaleMaximum / step) > count) {
        step = NextStep(step);
    }
    return {count, step};
}

QString LegendText(const ChartPoint& point) {
    QString text = point.label + u' ' + FormatValue(point.value);
    return text.replace(u'\r', u' ');
}

ChartLayout LayOutChart(const LayoutInput& input, const TextMetrics& metrics) {
    ChartLayout out;
    out.size = input.size;
    const int wc = input.size.width();
    const int hc = input.size.height();
    Box rect{MulDiv(3, wc, 100), MulDiv(4, hc, 100), wc - MulDiv(3, wc, 100),
             hc - MulDiv(4, hc, 100)};
    out.margins = rect;

    std::vector<QColor> colors;
    for (std::size_t k = 0; k < input.points.size(); ++k) {
        colors.push_back(PointColor(int(k), input.points[k].color));
    }

    if (input.printing && !input.footer.isEmpty()) {
        PlaceFooter(input.footer, metrics, rect, out);
    }
    out.legend = PlaceLegend(input.points, colors, metrics, rect);

    // The depth makes room for the slanted back of the box at the top and the right.
    out.depth = int(RoundRatio(std::int64_t{rect.Width()} * 15, 1000));
    rect.right -= out.depth;
    rect.top += out.depth;

    PlaceAxis(metrics, rect, out.depth, out.axis);
    out.plot = rect;
    PlaceBars(input.points, colors, out);
    PlaceMarks(input.points, metrics, out);
    out.walls = PlaceWalls(out.plot, out.depth);
    return out;
}

}  // namespace ormitan::chart
