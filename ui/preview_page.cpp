#include "preview_page.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPicture>
#include <QVarLengthArray>
#include <algorithm>

#include "chart/chart_drawer.h"
#include "chart/chart_printing.h"
#include "core/errors.h"
#include "platform/hand_cursor.h"
#include "platform/printer_service.h"
#include "ui/ormitan_application.h"

namespace ormitan {
namespace {

const QColor PaperColor(Qt::white);
const QColor MarginLineColor(192, 192, 192);  // silver: grey on the white sheet
const QColor ShadowColor(Qt::black);
// The drop shadow's offset from the sheet and its breadth.
constexpr int ShadowOffset = 5;
constexpr int ShadowBreadth = 4;

// Qt hands a fill of more than about a hundred pixel rows to its thread pool, and waking the
// pool costs far more than a strip one pixel wide: such strips (the margin lines, and what a
// drag step repaints) are drawn in bands of a few dozen rows. Wider areas go whole.
QVarLengthArray<QRect, 32> Bands(const QRect& area) {
    constexpr int NarrowStrip = 4;
    constexpr int BandRows = 48;
    QVarLengthArray<QRect, 32> bands;
    if (area.width() > NarrowStrip) {
        bands.append(area);
        return bands;
    }
    for (int top = area.top(); top <= area.bottom(); top += BandRows) {
        bands.append(
            QRect(area.left(), top, area.width(), std::min(BandRows, area.bottom() + 1 - top)));
    }
    return bands;
}

print::Point ToPoint(const QMouseEvent& event) {
    const QPoint point = event.position().toPoint();
    return {point.x(), point.y()};
}

QCursor CursorFor(print::DragZone zone) {
    switch (zone) {
        case print::DragZone::LeftTop:
        case print::DragZone::RightBottom:
            return Qt::SizeFDiagCursor;
        case print::DragZone::LeftBottom:
        case print::DragZone::RightTop:
            return Qt::SizeBDiagCursor;
        case print::DragZone::Left:
        case print::DragZone::Right:
            return Qt::SplitHCursor;
        case print::DragZone::Top:
        case print::DragZone::Bottom:
            return Qt::SplitVCursor;
        case print::DragZone::Move:
            return platform::HandCursor();
        case print::DragZone::None:
            break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

TPreviewPage::TPreviewPage(platform::PrinterService& printers, const print::PrintSetup& setup,
                           QWidget* parent)
    : QWidget(parent), printers_(printers), setup_(setup) {
    // The sheet covers every pixel of the view: nothing is erased underneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void TPreviewPage::Repaint() {
    stale_ = true;
    repaint();
}

void TPreviewPage::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (stale_ || sheet_.size() != pixels) {
        if (sheet_.size() != pixels) {
            sheet_ = QImage(pixels, QImage::Format_RGB32);
        }
        sheet_.setDevicePixelRatio(ratio);
        Compose();
    }
    QPainter painter(this);
    for (const QRect& area : event->region()) {
        for (const QRect& band : Bands(area)) {
            painter.drawImage(band, sheet_,
                              QRectF(QPointF(band.topLeft()) * ratio, QSizeF(band.size()) * ratio));
        }
    }
    if (showMargins_ && hasSheet_) {
        DrawMarginLines(painter);
    }
}

// A drag step moved the chart rectangle from `before`: the lines are shown again where they
// were and where they are now; the rest of the view keeps its pixels.
void TPreviewPage::UpdateMarginLines(const print::Rect& before) {
    if (!showMargins_) {
        return;
    }
    QRegion strips;
    for (const print::Rect& place : {before, chartRect_}) {
        for (const print::Line& line : print::MarginLines(place, paperRect_)) {
            strips += QRect(QPoint(line.from.x, line.from.y), QPoint(line.to.x, line.to.y));
        }
    }
    update(strips);
}

void TPreviewPage::Compose() {
    stale_ = false;
    if (sheet_.isNull()) {
        return;
    }
    QPainter painter(&sheet_);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    hasSheet_ = PlaceSheet();
    if (!hasSheet_) {
        return;
    }
    DrawPaper(painter);
    DrawChart(painter);
}

// The sheet and the chart's place on it, from the page size and the chart's margins. False when
// there is no chart or no page: a paint cannot report the printer's failure, and the window's
// own steps report it.
bool TPreviewPage::PlaceSheet() {
    if (image_ == nullptr) {
        return false;
    }
    QSize page;
    try {
        page = printers_.PageSize();
    } catch (const Exception&) {
        return false;
    }
    paperRect_ = print::PaperRect({width(), height()}, {page.width(), page.height()});
    chartRect_ = print::ChartRect(paperRect_, setup_.PaperMargins);
    return true;
}

void TPreviewPage::DrawPaper(QPainter& painter) const {
    const print::Rect& paper = paperRect_;
    painter.fillRect(chart::ToQRect(paper), PaperColor);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    // The outline on the sheet's outermost pixels.
    painter.drawRect(QRect(paper.left, paper.top, paper.Width() - 1, paper.Height() - 1));
    painter.fillRect(chart::ToQRect({paper.left + ShadowOffset, paper.bottom,
                                     paper.right + ShadowOffset, paper.bottom + ShadowBreadth}),
                     ShadowColor);
    painter.fillRect(chart::ToQRect({paper.right, paper.top + ShadowBreadth,
                                     paper.right + ShadowOffset, paper.bottom + ShadowBreadth}),
                     ShadowColor);
}

// Dotted lines in NOT-XOR: silver on the white sheet, inverted against the chart where a drag
// moves them over it. The gaps between the dots are left untouched. The chart is clipped to the
// chart rectangle and the lines lie just outside it, so on a composed sheet the lines cover
// nothing of the chart.
void TPreviewPage::DrawMarginLines(QPainter& painter) const {
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    // Qt lays its patterns in device pixels: on a screen that scales the view, the dashed pen
    // draws the dots at the view's scale.
    const bool devicePixels = painter.deviceTransform().type() <= QTransform::TxTranslate;
    const bool coversOrigin = devicePixels && chart::HalfToneCoversOrigin();
    // NOT-XOR with silver is XOR with silver's complement, and XOR leaves the pattern's gaps,
    // which carry no colour, as they are.
    painter.setCompositionMode(devicePixels ? QPainter::RasterOp_SourceXorDestination
                                            : QPainter::RasterOp_NotSourceXorDestination);
    const QColor dots(~MarginLineColor.rgb() | 0xff000000);
    QPen pen(MarginLineColor, 1, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({1.0, 1.0});
    painter.setPen(pen);
    for (const print::Line& line : print::MarginLines(chartRect_, paperRect_)) {
        const bool vertical = line.from.x == line.to.x;
        if (!devicePixels) {
            // Through the pixels' centres; the flat cap stops short of `to`.
            const QPointF half = vertical ? QPointF(0.5, 0) : QPointF(0, 0.5);
            painter.drawLine(QPointF(line.from.x, line.from.y) + half,
                             QPointF(line.to.x, line.to.y) + half);
            continue;
        }
        // From `from` to just short of `to`, a dot on the first pixel and every other one after:
        // one fill with the half-tone pattern in that phase, where the dashed pen would draw
        // one dot at a time.
        const QRect pixels(
            QPoint(line.from.x, line.from.y),
            QPoint(std::max(line.from.x, line.to.x - 1), std::max(line.from.y, line.to.y - 1)));
        const int shift = (((line.from.x + line.from.y) % 2 + 2) % 2 + (coversOrigin ? 0 : 1)) % 2;
        painter.setBrushOrigin(QPointF(shift, 0));
        for (const QRect& band : Bands(pixels)) {
            painter.fillRect(band, QBrush(dots, Qt::Dense4Pattern));
        }
    }
    painter.restore();
}

// The chart in its paper form, recorded as a picture laid out on its detail size and stretched
// into the chart rectangle, each axis by itself.
void TPreviewPage::DrawChart(QPainter& painter) {
    const print::Size layout = print::DetailSize(image_->clientSize, setup_.PrintDetail);
    if (chartRect_.Width() <= 0 || chartRect_.Height() <= 0 || layout.width <= 0 ||
        layout.height <= 0) {
        return;
    }
    QPicture picture;
    {
        QPainter recorder(&picture);
        renderer_.Render(recorder, QRect(0, 0, layout.width, layout.height), image_->points,
                         image_->form);
    }
    ++recordings_;
    // The picture's frame ends on the layout's last pixel, and that frame fills the rectangle.
    const int frameWidth = std::max(1, layout.width - 1);
    const int frameHeight = std::max(1, layout.height - 1);
    painter.save();
    painter.setClipRect(chart::ToQRect(chartRect_));
    painter.translate(chartRect_.left, chartRect_.top);
    painter.scale(double(chartRect_.Width()) / frameWidth,
                  double(chartRect_.Height()) / frameHeight);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

void TPreviewPage::mousePressEvent(QMouseEvent* event) {
    if (!hasSheet_) {
        return;
    }
    const print::Point point = ToPoint(*event);
    dragZone_ = print::ZoneAt(point, chartRect_);
    if (dragZone_ == print::DragZone::Move) {
        dragStart_ = point;
        dragStartRect_ = chartRect_;
    }
}

void TPreviewPage::mouseMoveEvent(QMouseEvent* event) {
    const print::Point point = ToPoint(*event);
    // Off the sheet nothing happens; the cursor keeps its last shape.
    if (!hasSheet_ || !print::Contains(paperRect_, point)) {
        return;
    }
    if (dragZone_ == print::DragZone::None) {
        setCursor(CursorFor(print::ZoneAt(point, chartRect_)));
        return;
    }
    const print::Rect before = chartRect_;
    chartRect_ =
        print::DragStep(dragZone_, point, paperRect_, chartRect_, dragStart_, dragStartRect_);
    UpdateMarginLines(before);
    const print::Margins margins = print::MarginsFromChartRect(chartRect_, paperRect_);
    if (onChangeMargins_) {
        RunHandler([this, &margins] { onChangeMargins_(this, true, margins); });
    }
}

void TPreviewPage::mouseReleaseEvent(QMouseEvent*) {
    const bool dragged = dragZone_ != print::DragZone::None;
    dragZone_ = print::DragZone::None;
    // The chart goes to its new place, recomputed from the whole-percent margins.
    Repaint();
    if (dragged && onDragFinished_) {
        RunHandler([this] { onDragFinished_(); });
    }
}

}  // namespace ormitan
