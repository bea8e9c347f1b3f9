// The chart on the printed page: layout size, proportional margins, print rectangle, and the
// mapping of the layout onto the printer's pixels.
#include <QtTest>

#include "chart/print_geometry.h"
#include "print_test_support.h"

using namespace ormitan::print;

namespace {
constexpr Size ChartOnScreen{996, 616};
constexpr Size LandscapeArea{3180, 2400};
constexpr Size PortraitArea{2400, 3180};
constexpr Size Dpi300{300, 300};
}  // namespace

class TestPrintGeometry : public QObject {
    Q_OBJECT
  private slots:
    void detailSize_data() {
        QTest::addColumn<Size>("chart");
        QTest::addColumn<int>("detail");
        QTest::addColumn<Size>("layout");
        QTest::newRow("Норма") << ChartOnScreen << 0 << Size{996, 616};
        QTest::newRow("-1") << ChartOnScreen << -1 << Size{1006, 622};
        QTest::newRow("-50") << ChartOnScreen << -50 << Size{1494, 924};
        QTest::newRow("Больше") << ChartOnScreen << -100 << Size{1992, 1232};
        // 5 × -10 / 100 = -0.5 rounds away from zero, to -1.
        QTest::newRow("halves away from zero") << Size{5, 15} << -10 << Size{6, 17};
        QTest::newRow("empty chart") << Size{0, 0} << -100 << Size{0, 0};
    }
    void detailSize() {
        QFETCH(Size, chart);
        QFETCH(int, detail);
        QFETCH(Size, layout);
        QCOMPARE(DetailSize(chart, detail), layout);
    }

    void proportionalMargins_data() {
        QTest::addColumn<Size>("chart");
        QTest::addColumn<Size>("page");
        QTest::addColumn<Size>("dpi");
        QTest::addColumn<Margins>("margins");
        QTest::newRow("wide chart, landscape")
            << ChartOnScreen << LandscapeArea << Dpi300 << Margins{15, 25, 15, 25};
        QTest::newRow("wide chart, portrait")
            << ChartOnScreen << PortraitArea << Dpi300 << Margins{15, 36, 15, 36};
        QTest::newRow("tall chart, landscape")
            << Size{300, 400} << LandscapeArea << Dpi300 << Margins{33, 15, 33, 15};
        // A square chart is laid out as a tall one: fixed margins top and bottom.
        QTest::newRow("square chart")
            << Size{500, 500} << LandscapeArea << Dpi300 << Margins{27, 15, 27, 15};
        // 100 × (200 - 0.6 × 1000 × 616 / 996) / 200 = -85.54: round to -86, half to -43.
        QTest::newRow("flat page goes negative, unclamped")
            << ChartOnScreen << Size{1000, 200} << Dpi300 << Margins{15, -43, 15, -43};
        // The same lx / ly factor for both shapes: twice the horizontal resolution makes the
        // wide chart's computed height twice as large.
        QTest::newRow("non-square pixels")
            << ChartOnScreen << LandscapeArea << Size{600, 300} << Margins{15, 1, 15, 1};
    }
    void proportionalMargins() {
        QFETCH(Size, chart);
        QFETCH(Size, page);
        QFETCH(Size, dpi);
        QFETCH(Margins, margins);
        QCOMPARE(ProportionalMargins(chart, page, dpi), margins);
    }

    void printRectangle_data() {
        QTest::addColumn<Margins>("margins");
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<Size>("page");
        QTest::addColumn<Rect>("rect");
        QTest::addColumn<Margins>("used");
        QTest::newRow("defaults, proportional")
            << DefaultPaperMargins << true << LandscapeArea << Rect{477, 600, 2703, 1800}
            << Margins{15, 25, 15, 25};
        QTest::newRow("proportional ignores the given margins")
            << Margins{1, 2, 3, 4} << true << PortraitArea << Rect{360, 1145, 2040, 2035}
            << Margins{15, 36, 15, 36};
        QTest::newRow("fixed margins") << Margins{10, 20, 30, 40} << false << LandscapeArea
                                       << Rect{318, 480, 2226, 1440} << Margins{10, 20, 30, 40};
        // 2.5 → 2, 1.5 → 2, 7.5 → 8, 4.5 → 4.
        QTest::newRow("pixels round halves to even")
            << Margins{1, 1, 3, 3} << false << Size{250, 150} << Rect{2, 2, 242, 146}
            << Margins{1, 1, 3, 3};
        QTest::newRow("zero margins cover the page")
            << Margins{0, 0, 0, 0} << false << LandscapeArea << Rect{0, 0, 3180, 2400}
            << Margins{0, 0, 0, 0};
        QTest::newRow("negative proportional margins reach off the page")
            << DefaultPaperMargins << true << Size{1000, 200} << Rect{150, -86, 850, 286}
            << Margins{15, -43, 15, -43};
    }
    void printRectangle() {
        QFETCH(Margins, margins);
        QFETCH(bool, proportional);
        QFETCH(Size, page);
        QFETCH(Rect, rect);
        QFETCH(Margins, used);
        const PrintArea area = PrintRectangle(margins, proportional, ChartOnScreen, page, Dpi300);
        QCOMPARE(area.rect, rect);
        QCOMPARE(area.margins, used);
    }

    void mapOntoPage_data() {
        QTest::addColumn<Rect>("printRect");
        QTest::addColumn<Rect>("logical");
        QTest::addColumn<Size>("viewport");
        // 477 × 996 / 2226 = 213.4, 2703 × 996 / 2226 = 1209.4; 600 and 1800 × 616 / 1200 exact.
        QTest::newRow("print rectangle")
            << Rect{477, 600, 2703, 1800} << Rect{213, 308, 1209, 924} << Size{2226, 1200};
        QTest::newRow("reversed edges are swapped")
            << Rect{2703, 1800, 477, 600} << Rect{213, 308, 1209, 924} << Size{2226, 1200};
        QTest::newRow("rectangle at the origin")
            << Rect{0, 0, 996, 616} << Rect{0, 0, 996, 616} << Size{996, 616};
        // A zero divisor gives -1 for each edge; the empty viewport tells the caller not to draw.
        QTest::newRow("no width") << Rect{500, 600, 500, 1800} << Rect{-1, 308, -1, 924}
                                  << Size{0, 1200};
    }
    void mapOntoPage() {
        QFETCH(Rect, printRect);
        QFETCH(Rect, logical);
        QFETCH(Size, viewport);
        const PageMapping mapping = MapOntoPage(printRect, ChartOnScreen);
        QCOMPARE(mapping.logical, logical);
        QCOMPARE(mapping.window, ChartOnScreen);
        QCOMPARE(mapping.viewport, viewport);
    }

    // Mapped back through window and viewport, the logical rectangle lands on the print
    // rectangle within a pixel: the chart fills the rectangle that the margins describe.
    void theMappingRoundTrips() {
        const Rect printRect{477, 600, 2703, 1800};
        const Size layout = DetailSize(ChartOnScreen, -50);
        const PageMapping mapping = MapOntoPage(printRect, layout);
        const auto toDevice = [&](int logical, int window, int viewport) {
            return double(logical) * viewport / window;
        };
        QVERIFY(qAbs(toDevice(mapping.logical.left, layout.width, 2226) - 477) <= 1);
        QVERIFY(qAbs(toDevice(mapping.logical.right, layout.width, 2226) - 2703) <= 1);
        QVERIFY(qAbs(toDevice(mapping.logical.top, layout.height, 1200) - 600) <= 1);
        QVERIFY(qAbs(toDevice(mapping.logical.bottom, layout.height, 1200) - 1800) <= 1);
    }
};

QTEST_GUILESS_MAIN(TestPrintGeometry)
#include "test_print_geometry.moc"
