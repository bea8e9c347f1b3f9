#include "chart_drawer.h"

#include <QGuiApplication>
#include <QHash>
#include <QPaintEngine>
#include <QPalette>
#include <QPolygon>
#include <QStaticText>
#include <QVarLengthArray>

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

// On the screen, rectangles with a one-pixel outline are drawn as filled rectangles: the raster
// engine fills a rectangle in one tight loop but strokes an outline a pixel span at a time, and
// the pixels come out the same. Anywhere else (paper, a scaled preview, patterns) the shapes go
// through the painter's polygons and pens.
bool FillsRectanglesExactly(const QPainter& painter, const Fill* fill) {
    return painter.paintEngine()->type() == QPaintEngine::Raster &&
           painter.transform().type() <= QTransform::TxTranslate &&
           !painter.testRenderHint(QPainter::Antialiasing) &&
           (fill == nullptr || fill->style == Qt::SolidPattern);
}

// The pixels [left, right] x [top, bottom], both edges included: a black border one pixel wide
// and, when given, the inside filled. Needs at least three pixels each way.
void FillFramed(QPainter& painter, int left, int top, int right, int bottom, const QColor* inside) {
    if (inside != nullptr) {
        // All black, then the inside over it: two fills rather than five.
        painter.fillRect(QRect(left, top, right - left + 1, bottom - top + 1), Black);
        painter.fillRect(QRect(left + 1, top + 1, right - left - 1, bottom - top - 1), *inside);
        return;
    }
    painter.fillRect(QRect(left, top, right - left + 1, 1), Black);
    painter.fillRect(QRect(left, bottom, right - left + 1, 1), Black);
    painter.fillRect(QRect(left, top + 1, 1, bottom - top - 1), Black);
    painter.fillRect(QRect(right, top + 1, 1, bottom - top - 1), Black);
}

// The corners of a quad that is an upright rectangle at least three pixels each way.
std::optional<QRect> UprightRectangle(const Quad& quad) {
    const bool rows = quad[0].y() == quad[1].y() && quad[1].x() == quad[2].x() &&
                      quad[2].y() == quad[3].y() && quad[3].x() == quad[0].x();
    const bool columns = quad[0].x() == quad[1].x() && quad[1].y() == quad[2].y() &&
                         quad[2].x() == quad[3].x() && quad[3].y() == quad[0].y();
    if (!rows && !columns) {
        return std::nullopt;
    }
    const QRect corners = QRect(quad[0], quad[2]).normalized();
    if (corners.width() < 3 || corners.height() < 3) {
        return std::nullopt;
    }
    return corners;
}

// A quad with upright sides `depth` apart whose top and bottom edges rise to the right at 45
// degrees, as a bar's side face and the left wall are: its left side runs from (x, top) down
// to (x, bottom).
struct SlantedColumn {
    int x = 0;
    int top = 0;
    int bottom = 0;
    int depth = 0;
};

// The quad as a slanted column whose upright middle part is not empty.
std::optional<SlantedColumn> AsSlantedColumn(const Quad& quad) {
    const SlantedColumn column{quad[0].x(), quad[0].y(), quad[3].y(), quad[1].x() - quad[0].x()};
    const bool slanted = column.depth > 0 && quad[3].x() == column.x &&
                         quad[2].x() == quad[1].x() && quad[0].y() - quad[1].y() == column.depth &&
                         quad[3].y() - quad[2].y() == column.depth;
    if (!slanted || column.bottom - column.depth <= column.top) {
        return std::nullopt;
    }
    return column;
}

// Draws a slanted column as the filled and outlined polygon would come out. The fill is cut
// along pixel rows into the triangle under the top edge, the upright middle and the triangle
// over the bottom edge: each row crosses the same edges as in the whole polygon, so it fills
// the same pixels, but only the triangles are rasterized row by row. The upright sides are
// filled as one-pixel columns, and only the two short slanted edges are stroked.
void DrawSlantedColumn(QPainter& painter, const SlantedColumn& c, const QColor& inside) {
    const int x = c.x;
    const int e = c.depth;
    painter.setPen(Qt::NoPen);
    painter.setBrush(inside);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QPoint topTriangle[] = {{x, c.top}, {x + e, c.top - e}, {x + e, c.top}};
    painter.drawPolygon(topTriangle, 3);
    painter.fillRect(QRect(x, c.top, e, c.bottom - e - c.top), inside);
    const QPoint bottomTriangle[] = {{x, c.bottom - e}, {x + e, c.bottom - e}, {x, c.bottom}};
    painter.drawPolygon(bottomTriangle, 3);

    painter.fillRect(QRect(x, c.top, 1, c.bottom - c.top + 1), Black);
    painter.fillRect(QRect(x + e, c.top - e, 1, c.bottom - c.top + 1), Black);
    painter.setPen(SolidPen(Black));
    const QLine slanted[] = {{x, c.top, x + e, c.top - e}, {x, c.bottom, x + e, c.bottom - e}};
    painter.drawLines(slanted, 2);
}

void DrawQuad(QPainter& painter, const Quad& quad, const Fill& fill) {
    if (FillsRectanglesExactly(painter, &fill)) {
        if (const auto corners = UprightRectangle(quad)) {
            FillFramed(painter, corners->left(), corners->top(), corners->right(),
                       corners->bottom(), &fill.color);
            return;
        }
        if (const auto column = AsSlantedColumn(quad)) {
            DrawSlantedColumn(painter, *column, fill.color);
            return;
        }
    }
    SetFill(painter, fill);
    painter.setPen(SolidPen(Black));
    painter.drawPolygon(QPolygon({quad[0], quad[1], quad[2], quad[3]}));
}

// A box filled up to its right and bottom edges, its outline on the last pixels inside.
void DrawBox(QPainter& painter, const Box& box, const std::optional<Fill>& fill) {
    if (box.Width() <= 0 || box.Height() <= 0) {
        return;
    }
    if (box.Width() >= 3 && box.Height() >= 3 &&
        FillsRectanglesExactly(painter, fill ? &*fill : nullptr)) {
        FillFramed(painter, box.left, box.top, box.right - 1, box.bottom - 1,
                   fill ? &fill->color : nullptr);
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

// A dotted one-pixel line as the dotted pen draws it: on the screen a line running to the
// right is every other pixel from its first one, its end point left out, which one fill with
// the half-tone pattern gives at once instead of a span per dot.
void DrawDotted(QPainter& painter, const Segment& segment, const QColor& color,
                ScreenCache* cache) {
    const QPoint from = segment.from;
    const QPoint to = segment.to;
    if (cache == nullptr || from.y() != to.y() || to.x() <= from.x() ||
        !FillsRectanglesExactly(painter, nullptr)) {
        DrawSegment(painter, segment);
        return;
    }
    // The pattern covers (x + y) of one parity from the brush origin: put `from` on it.
    const int shift = (from.x() + from.y() + (cache->HalfToneCoversOrigin() ? 0 : 1)) % 2;
    const QPointF origin = painter.brushOrigin();
    painter.setBrushOrigin(QPointF(shift, 0));
    painter.fillRect(QRect(from.x(), from.y(), to.x() - from.x(), 1),
                     QBrush(color, Qt::Dense4Pattern));
    painter.setBrushOrigin(origin);
}

// Every text of this chart is black, so the paper's rule that white text is drawn black never
// has anything to change. On paper the texts go through the device's own text layout.
void DrawText(QPainter& painter, TextRole role, const PlacedText& text, const DrawStyle& style) {
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(ChartFont(role));
    painter.setPen(Black);
    if (!style.printing && style.cache != nullptr) {
        painter.drawStaticText(text.topLeft, style.cache->Text(role, text.text));
        return;
    }
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
        DrawText(painter, TextRole::Legend, item.text, style);
    }
}

void DrawWalls(QPainter& painter, const WallsLayout& walls) {
    DrawBox(painter, walls.back, std::nullopt);
    DrawQuad(painter, walls.left, SolidFill(ColorFromValue(LightYellowValue)));
    DrawQuad(painter, walls.bottom, SolidFill(White));
}

void DrawAxis(QPainter& painter, const AxisLayout& axis, const DrawStyle& style) {
    for (const AxisLabel& label : axis.labels) {
        DrawText(painter, TextRole::AxisLabel, label.text, style);
    }
    painter.setPen(SolidPen(Black, 2));
    DrawSegment(painter, axis.line);
    painter.setPen(SolidPen(Grey));
    for (const AxisLabel& label : axis.labels) {
        DrawSegment(painter, label.outerTick);
    }
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(DottedPen(Grey, style.printing));
    // One stroke for all the dotted lines along the left wall; the dots across the back wall are
    // the same grey, so their order does not matter.
    QVarLengthArray<QLine, 32> alongLeftWall;
    for (const AxisLabel& label : axis.labels) {
        alongLeftWall.append(QLine(label.gridLeft.from, label.gridLeft.to));
        DrawDotted(painter, label.gridBack, Grey, style.cache);
    }
    painter.drawLines(alongLeftWall.constData(), int(alongLeftWall.size()));
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
        DrawText(painter, TextRole::Mark, mark.text, style);
    }
}

}  // namespace

const QStaticText& ScreenCache::Text(TextRole role, const QString& text) {
    auto& texts = texts_[std::size_t(role)];
    auto known = texts.find(text);
    if (known == texts.end()) {
        if (texts.size() >= MaxTexts) {
            texts.clear();  // texts of results long gone
        }
        QStaticText prepared(text);
        prepared.setTextFormat(Qt::PlainText);
        prepared.setPerformanceHint(QStaticText::AggressiveCaching);
        known = texts.insert(text, prepared);
    }
    return *known;
}

bool ScreenCache::HalfToneCoversOrigin() {
    if (!halfToneCoversOrigin_) {
        halfToneCoversOrigin_ = chart::HalfToneCoversOrigin();
    }
    return *halfToneCoversOrigin_;
}

bool HalfToneCoversOrigin() {
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.fill(Qt::white);
    QPainter painter(&probe);
    painter.fillRect(probe.rect(), QBrush(Qt::black, Qt::Dense4Pattern));
    painter.end();
    return probe.pixel(0, 0) == QColor(Qt::black).rgb();
}

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
        DrawText(painter, TextRole::Footer, line, style);
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

}  // namespace ormitan::chart
