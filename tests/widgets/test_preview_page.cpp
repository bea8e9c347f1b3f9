// The print preview's sheet on its own: what it paints, the margin lines in NOT-XOR, the chart
// recorded only when the sheet is composed afresh, the mouse zones and a drag step.
#include <QtTest>

#include "chart/print_geometry.h"
#include "core/errors.h"
#include "fake_services.h"
#include "platform/hand_cursor.h"
#include "preview_fixture.h"
#include "tests/unit/print_test_support.h"
#include "ui/ormitan_application.h"
#include "ui/preview_page.h"

using namespace ormitan;
using namespace ormitan::test;

namespace {

// The view's size in the window's declared layout, and where the landscape sheet and the chart
// with margins 15, 25, 15, 25 stand in it.
constexpr QSize ViewSize(520, 415);
constexpr print::Rect Paper{26, 31, 494, 384};
constexpr print::Rect Chart{96, 119, 424, 296};

struct Sheet {
    const chart::ChartPrintout paper = PaperChart();
    print::PrintSetup setup{{15, 25, 15, 25}, true, 0};
    platform::FakePrinterService printers = TwoPrinters();
    TPreviewPage view{printers, setup};
    struct Step {
        QObject* sender;
        bool disableProportional;
        print::Margins margins;
    };
    std::vector<Step> steps;
    int dragsFinished = 0;

    Sheet() {
        view.SetImage(&paper);
        view.resize(ViewSize);
        // As the window answers a drag step: the margins go into its setup.
        view.SetOnChangeMargins([this](QObject* sender, bool disable, const print::Margins& m) {
            steps.push_back({sender, disable, m});
            setup.PaperMargins = m;
        });
        view.SetOnDragFinished([this] { ++dragsFinished; });
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    // What the view shows now.
    QImage Shown() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb ButtonFace() const { return view.palette().color(QPalette::Button).rgb() & 0xffffff; }
};

struct LinePart {
    bool vertical;
    int at;    // x of a vertical part, y of a horizontal one
    int from;  // first pixel, a dot
    int to;    // just past the last pixel
};

std::vector<QRgb> Pixels(const QImage& image, const LinePart& part) {
    return part.vertical ? Column(image, part.at, part.from, part.to)
                         : Row(image, part.at, part.from, part.to);
}

}  // namespace

Q_DECLARE_METATYPE(LinePart)

class TestPreviewPage : public QObject {
    Q_OBJECT
  private slots:
    void sheetStandsWhereTheGeometrySays() {
        Sheet s;
        QCOMPARE(s.view.PaperRect(), Paper);
        QCOMPARE(s.view.ChartRect(), Chart);
        QVERIFY(s.view.HasSheet());
        QCOMPARE(s.view.focusPolicy(), Qt::NoFocus);
        QVERIFY(s.view.testAttribute(Qt::WA_OpaquePaintEvent));
    }

    void paperOutlineAndShadow() {
        Sheet s;
        const QImage image = s.Shown();
        QCOMPARE(image.size(), ViewSize);
        QCOMPARE(Pixel(image, 5, 5), s.ButtonFace());
        QCOMPARE(Pixel(image, 40, 40), White);
        // The outline on the sheet's outermost pixels, away from the margin lines.
        QCOMPARE(Pixel(image, Paper.left, 60), Black);
        QCOMPARE(Pixel(image, Paper.right - 1, 60), Black);
        QCOMPARE(Pixel(image, 60, Paper.top), Black);
        QCOMPARE(Pixel(image, 60, Paper.bottom - 1), Black);
        QCOMPARE(Pixel(image, Paper.left - 1, 60), s.ButtonFace());
        QCOMPARE(Pixel(image, Paper.left + 1, 60), White);
        // The shadow: 5 pixels right of the sheet from 4 below its top, 4 pixels under it from 5
        // right of its left edge.
        QCOMPARE(Pixel(image, Paper.right, Paper.top + 4), Black);
        QCOMPARE(Pixel(image, Paper.right + 4, Paper.bottom + 3), Black);
        QCOMPARE(Pixel(image, Paper.right, Paper.top + 3), s.ButtonFace());
        QCOMPARE(Pixel(image, Paper.right + 5, 100), s.ButtonFace());
        QCOMPARE(Pixel(image, Paper.left + 5, Paper.bottom), Black);
        QCOMPARE(Pixel(image, Paper.left + 4, Paper.bottom), s.ButtonFace());
        QCOMPARE(Pixel(image, 100, Paper.bottom + 4), s.ButtonFace());
    }

    void marginLinesAreDottedAcrossTheSheet_data() {
        QTest::addColumn<LinePart>("part");
        // Each line starts with a dot on the sheet's outline; the pixel after the outline is a
        // gap, the next a dot.
        QTest::newRow("left, above the chart") << LinePart{true, Chart.left - 1, 33, Chart.top - 1};
        QTest::newRow("left, beside the chart") << LinePart{true, Chart.left - 1, 121, 295};
        QTest::newRow("right, above the chart") << LinePart{true, Chart.right, 33, Chart.top - 1};
        QTest::newRow("top, left of the chart")
            << LinePart{false, Chart.top - 1, 28, Chart.left - 1};
        QTest::newRow("top, above the chart") << LinePart{false, Chart.top - 1, 96, Chart.right};
        QTest::newRow("bottom, left of the chart")
            << LinePart{false, Chart.bottom, 28, Chart.left - 1};
    }
    void marginLinesAreDottedAcrossTheSheet() {
        QFETCH(LinePart, part);
        Sheet s;
        QVERIFY(Dotted(Pixels(s.Shown(), part)));

        // Hidden, they are not drawn, and a drag does not bring them.
        s.view.SetShowMargins(false);
        s.view.Repaint();
        QVERIFY(AllOf(Pixels(s.Shown(), part), White));
        QTest::mousePress(&s.view, Qt::LeftButton, {}, At(Chart.left + 1, 200));
        QTest::mouseMove(&s.view, At(Chart.left + 10, 200));
        QVERIFY(AllOf(Pixels(s.Shown(), part), White));
        QVERIFY(AllOf(Column(s.Shown(), Chart.left + 9, 33, Chart.top - 1), White));
    }

    // Only the chart rectangle carries the chart, in its paper form: no panel colour anywhere on
    // it, and nothing outside it but the lines.
    void theChartIsDrawnOnPaperInsideItsRectangle() {
        Sheet s;
        s.view.SetShowMargins(false);
        s.view.Repaint();
        const QImage image = s.Shown();
        // The screen's panel would fill the rectangle; a few pixels of smoothed text may match it.
        int panel = 0;
        bool dark = false;
        for (int y = Chart.top; y < Chart.bottom; ++y) {
            for (int x = Chart.left; x < Chart.right; ++x) {
                panel += Pixel(image, x, y) == s.ButtonFace() ? 1 : 0;
                dark = dark || qGray(image.pixel(x, y)) < 64;
            }
        }
        QVERIFY2(panel < Chart.Width() * Chart.Height() / 100, qPrintable(QString::number(panel)));
        QVERIFY(dark);
        QVERIFY(AllOf(Row(image, Chart.top - 1, Paper.left + 1, Paper.right - 1), White));
        QVERIFY(AllOf(Row(image, Chart.bottom, Paper.left + 1, Paper.right - 1), White));
        QVERIFY(AllOf(Column(image, Chart.left - 1, Paper.top + 1, Paper.bottom - 1), White));
        QVERIFY(AllOf(Column(image, Chart.right, Paper.top + 1, Paper.bottom - 1), White));
    }

    void theChartIsRecordedOnlyWhenTheSheetIsComposed() {
        Sheet s;
        s.Shown();
        const int recorded = s.view.RecordingCount();
        QVERIFY(recorded >= 1);
        // Showing the kept sheet again records nothing.
        s.Shown();
        s.Shown();
        QCOMPARE(s.view.RecordingCount(), recorded);
        s.view.Repaint();
        QCOMPARE(s.view.RecordingCount(), recorded + 1);
        // A new size composes the sheet afresh.
        s.view.resize(600, 415);
        s.Shown();
        QCOMPARE(s.view.RecordingCount(), recorded + 2);
        // A landscape sheet takes the width less 5 % at each side: 540 wide from 30;
        // 540 × 2400 / 3180 = 407.5 rounds to 408 high, centred: (415 − 408) / 2 = 3 from the top.
        QCOMPARE(s.view.PaperRect(), (print::Rect{30, 3, 570, 411}));
    }

    // Without a page size the view is empty, and the mouse does nothing there.
    void withoutAPageTheViewIsEmpty_data() {
        QTest::addColumn<bool>("hasDefault");
        QTest::newRow("no default printer") << false;
        QTest::newRow("the printer does not open") << true;
    }
    void withoutAPageTheViewIsEmpty() {
        QFETCH(bool, hasDefault);
        Sheet s;
        s.printers.printers.front().opens = false;
        if (!hasDefault) {
            s.printers.defaultPrinter.reset();
        }
        s.view.Repaint();
        const QImage image = s.Shown();
        QVERIFY(!s.view.HasSheet());
        for (int y = 0; y < image.height(); y += 7) {
            QVERIFY(AllOf(Row(image, y, 0, image.width()), s.ButtonFace()));
        }
        QTest::mousePress(&s.view, Qt::LeftButton, {}, At(Chart.left, 200));
        QTest::mouseMove(&s.view, At(Chart.left + 10, 200));
        QTest::mouseRelease(&s.view, Qt::LeftButton, {}, At(Chart.left + 10, 200));
        QVERIFY(s.steps.empty());
    }

    void cursorsFollowTheZones_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("shape");
        QTest::newRow("left line") << At(Chart.left - 2, 60) << int(Qt::SplitHCursor);
        QTest::newRow("right line") << At(Chart.right + 4, 200) << int(Qt::SplitHCursor);
        QTest::newRow("top line") << At(40, Chart.top) << int(Qt::SplitVCursor);
        QTest::newRow("bottom line") << At(480, Chart.bottom - 4) << int(Qt::SplitVCursor);
        QTest::newRow("left-top") << At(Chart.left, Chart.top) << int(Qt::SizeFDiagCursor);
        QTest::newRow("right-bottom") << At(Chart.right, Chart.bottom) << int(Qt::SizeFDiagCursor);
        QTest::newRow("left-bottom") << At(Chart.left, Chart.bottom) << int(Qt::SizeBDiagCursor);
        QTest::newRow("right-top") << At(Chart.right, Chart.top) << int(Qt::SizeBDiagCursor);
        QTest::newRow("inside: the hand") << At(200, 200) << int(Qt::BitmapCursor);
        QTest::newRow("sheet outside the chart") << At(50, 50) << int(Qt::ArrowCursor);
    }
    void cursorsFollowTheZones() {
        QFETCH(QPoint, point);
        QFETCH(int, shape);
        Sheet s;
        s.view.setCursor(Qt::WaitCursor);
        QTest::mouseMove(&s.view, point);
        QCOMPARE(int(s.view.cursor().shape()), shape);
        if (shape == Qt::BitmapCursor) {
            QCOMPARE(s.view.cursor().hotSpot(), platform::HandCursor().hotSpot());
        }
        // Off the sheet the cursor keeps its shape.
        QTest::mouseMove(&s.view, At(5, 5));
        QCOMPARE(int(s.view.cursor().shape()), shape);
    }

    // A drag moves only the lines in the kept sheet; the chart is recorded again at the release.
    void aDragStepMovesTheLinesAndSetsTheMargins() {
        Sheet s;
        s.Shown();
        const int recorded = s.view.RecordingCount();
        QTest::mousePress(&s.view, Qt::LeftButton, {}, At(Chart.left + 1, 200));
        QCOMPARE(s.view.DragZone(), print::DragZone::Left);
        QTest::mouseMove(&s.view, At(Chart.left + 10, 200));
        QCOMPARE(s.steps.size(), std::size_t(1));
        QCOMPARE(s.steps[0].sender, &s.view);
        QVERIFY(s.steps[0].disableProportional);
        // (106 - 26) × 100 / 468 = 17.09
        QCOMPARE(s.steps[0].margins, (print::Margins{17, 25, 15, 25}));
        QCOMPARE(s.view.ChartRect(), (print::Rect{106, 119, 424, 296}));

        const QImage during = s.Shown();
        QVERIFY(Dotted(Column(during, 105, 33, Chart.top - 1)));
        QVERIFY(AllOf(Column(during, Chart.left - 1, 33, Chart.top - 1), White));
        QCOMPARE(s.view.RecordingCount(), recorded);

        // Off the sheet nothing happens.
        QTest::mouseMove(&s.view, At(Paper.left - 3, 200));
        QCOMPARE(s.steps.size(), std::size_t(1));
        QCOMPARE(s.view.ChartRect(), (print::Rect{106, 119, 424, 296}));

        QTest::mouseRelease(&s.view, Qt::LeftButton, {}, At(Paper.left - 3, 200));
        QCOMPARE(s.view.DragZone(), print::DragZone::None);
        QCOMPARE(s.dragsFinished, 1);
        QCOMPARE(s.view.RecordingCount(), recorded + 1);
        // Back from the whole-percent margins: 26 + 17 % of 468 = 105.56.
        QCOMPARE(s.view.ChartRect(), (print::Rect{106, 119, 424, 296}));
        QVERIFY(Dotted(Column(s.Shown(), 105, 33, Chart.top - 1)));
    }

    // What reaches the screen during a drag, before any release: the line has left its old
    // column and stands in the new one.
    void aDragStepReachesTheScreen() {
        Sheet s;
        s.view.repaint();
        QTest::mousePress(&s.view, Qt::LeftButton, {}, At(Chart.left + 1, 200));
        QTest::mouseMove(&s.view, At(Chart.left + 10, 200));
        QCoreApplication::processEvents();
        const QImage screen = s.view.screen()
                                  ->grabWindow(s.view.winId())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        QVERIFY(Dotted(Column(screen, 105, 33, Chart.top - 1)));
        QVERIFY(AllOf(Column(screen, Chart.left - 1, 33, Chart.top - 1), White));
        QTest::mouseRelease(&s.view, Qt::LeftButton, {}, At(Chart.left + 10, 200));
    }
};

ORMITAN_WIDGET_TEST_MAIN(TestPreviewPage)
#include "test_preview_page.moc"
