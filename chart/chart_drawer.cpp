#include "chart_drawer.h"

#include <QGuiApplication>
#include <QPalette>
#include <QPolygon>

#include "chart/chart_fonts.h"
#include "chart/colors.h"

namespace ormitan::chart {
namespace {

const QColor Black(Qt::black);
const QColor White(Qt::white);
const QColor Grey(128, 128, 128);

// Flat caps leave a line's end point undrawn on the raster and give the exact length on vector
// devices; both match the way the lines of the layout are meant.
QPen SolidPen(const QColor& color, int width = 1) {
    QPen pen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(false);
    return pen;
}

// Dotted one-pixel lines become the device's thinnest line on paper.
QPen DottedPen(const QColor& color, bool printing) {
    QPen pen = SolidPen(color, printing ? 0 : 1);
    pen.setCosmetic(printing);
    pen.setDashPattern({1.0, 1.0});
    return pen;
}

void SetFill(QPainter& painter, const Fill& fill) {
    painter.setBrush(QBrush(fill.color, fill.style));
    if (fill.style == Qt::SolidPattern) {
        painter.setBackgroundMode(Qt::TransparentMode);
    } else {
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(fill.background);
    }
}

void DrawQuad(QPainter& painter, const Quad& quad, const Fill& fill) {
    SetFill(painter, fill);
    painter.setPen(SolidPen(Black));
    painter.drawPolygon(QPolygon({quad[0], quad[1], quad[2], quad[3]}));
}

// A box filled up to its right and bottom edges, its outline on the last pixels inside.
void DrawBox(QPainter& painter, const Box& box, const std::optional<Fill>& fill) {
    if (box.Width() <= 0 || box.Height() <= 0) {
        return;
    }
    if (fill) {
        SetFill(painter, *fill);
        painter.setPen(Qt::NoPen);
        painter.drawRect(QRect(box.left, box.top, box.Width(), box.Height()));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(SolidPen(Black));
    painter.drawRect(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1));
}

void DrawSegment(QPainter& painter, const Segment& segment) {
    painter.drawLine(segment.from, segment.to);
}

// Every text of this chart is black, so the paper's rule that white text is drawn black never
// has anything to change.
void DrawText(QPainter& painter, TextRole role, const PlacedText& text) {
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(ChartFont(role));
    painter.setPen(Black);
    const QRect area(text.topLeft, QSize(text.width + 1, 1));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                     text.text);
}

void DrawLegend(QPainter& painter, const LegendLayout& legend, const DrawStyle& style) {
    const Box& shadow = legend.shadow;
    painter.fillRect(QRect(shadow.left, shadow.top, shadow.Width(), shadow.Height()), Black);
    DrawBox(painter, legend.frame, SolidFill(White));
    for (const LegendItem& item : legend.items) {
        DrawBox(painter, item.colorBox, FillFor(item.color, style.barBrush, White));
        DrawText(painter, TextRole::Legend, item.text);
    }
}

void DrawWalls(QPainter& painter, const WallsLayout& walls) {
    DrawBox(painter, walls.back, std::nullopt);
    DrawQuad(painter, walls.left, SolidFill(ColorFromValue(LightYellowValue)));
    DrawQuad(painter, walls.bottom, SolidFill(White));
}

void DrawAxis(QPainter& painter, const AxisLayout& axis, const DrawStyle& style) {
    for (const AxisLabel& label : axis.labels) {
        DrawText(painter, TextRole::AxisLabel, label.text);
    }
    painter.setPen(SolidPen(Black, 2));
    DrawSegment(painter, axis.line);
    painter.setPen(SolidPen(Grey));
    for (const AxisLabel& label : axis.labels) {
        DrawSegment(painter, label.outerTick);
    }
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(DottedPen(Grey, style.printing));
    for (const AxisLabel& label : axis.labels) {
        DrawSegment(painter, label.gridLeft);
        DrawSegment(painter, label.gridBack);
    }
    painter.setPen(SolidPen(Grey));
    for (const AxisLabel& label : axis.labels) {
        DrawSegment(painter, label.innerTick);
    }
}

void DrawBars(QPainter& painter, const std::vector<BarLayout>& bars, const DrawStyle& style) {
    for (const BarLayout& bar : bars) {
        const BarFills fills = BarFillsFor(bar.color, style.barBrush, White);
        DrawQuad(painter, bar.front, fills.front);
        DrawQuad(painter, bar.side, fills.side);
        DrawQuad(painter, bar.topFace, fills.top);
    }
}

void DrawMarks(QPainter& painter, const ChartLayout& layout, const DrawStyle& style) {
    const QColor lightYellow = ColorFromValue(LightYellowValue);
    for (std::size_t k = 0; k < layout.marks.size(); ++k) {
        const MarkLayout& mark = layout.marks[k];
        painter.setPen(SolidPen(ArrowColor(layout.bars[k].color, style.panel)));
        DrawSegment(painter, mark.arrow);
        DrawBox(painter, mark.box, SolidFill(lightYellow));
        DrawText(painter, TextRole::Mark, mark.text);
    }
}

}  // namespace

QColor PanelColor() {
    return QGuiApplication::palette().color(QPalette::Button);
}

void DrawLayout(QPainter& painter, const ChartLayout& layout, const DrawStyle& style) {
    painter.save();
    // Crisp integer edges: the faces and walls meet pixel on pixel.
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!style.printing) {
        painter.fillRect(QRect(QPoint(0, 0), layout.size), style.panel);
    }
    for (const PlacedText& line : layout.footer) {
        DrawText(painter, TextRole::Footer, line);
    }
    if (layout.legend) {
        DrawLegend(painter, *layout.legend, style);
    }
    DrawWalls(painter, layout.walls);
    DrawAxis(painter, layout.axis, style);
    DrawBars(painter, layout.bars, style);
    DrawMarks(painter, layout, style);
    painter.restore();
}

void DrawChart(QPainter& painter, const QRect& rect, std::span<const ChartPoint> points,
               const ChartSettings& settings, const TextMetrics& metrics, const QColor& panel) {
    const ChartLayout layout =
        LayOutChart({rect.size(), points, settings.printing,
                     settings.footerVisible ? settings.footerText : QStringList()},
                    metrics);
    painter.save();
    if (settings.printing) {
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    painter.translate(rect.topLeft());
    DrawLayout(painter, layout, {settings.barBrush, settings.printing, panel});
    painter.restore();
}

}  // namespace ormitan::chart
