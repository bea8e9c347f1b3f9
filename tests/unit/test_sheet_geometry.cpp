// The preview sheet: the page in the view, the chart on it, the margin lines, the mouse zones
// and each step of a drag.
#include <QtTest>

#include "chart/sheet_geometry.h"
#include "print_test_support.h"

using namespace ormitan::print;

namespace {
// The sheet view's size in the preview window's layout, and a landscape sheet in it with the
// proportional margins of the usual chart.
constexpr Size View{520, 415};
constexpr Rect Paper{26, 31, 494, 384};
constexpr Rect Chart{96, 119, 424, 296};
// A move drag that starts in the middle of that chart.
constexpr Point Grab{200, 200};
}  // namespace

class TestSheetGeometry : public QObject {
    Q_OBJECT
  private slots:
    void paperRect_data() {
        QTest::addColumn<Size>("view");
        QTest::addColumn<Size>("page");
        QTest::addColumn<Rect>("paper");
        QTest::newRow("landscape") << View << Size{3180, 2400} << Paper;
        QTest::newRow("portrait") << View << Size{2400, 3180} << Rect{119, 21, 401, 394};
        // 10 % of 425 is 42.5, rounded to 42; the top 5 % is 21.25; 383 × 2400 / 3180 = 289.06.
        QTest::newRow("portrait, border rounds to even")
            << Size{520, 425} << Size{2400, 3180} << Rect{115, 21, 404, 404};
        // A square page is laid out as landscape; too high for the view, it reaches past it.
        QTest::newRow("square page is not shrunk")
            << View << Size{1000, 1000} << Rect{26, -26, 494, 442};
        QTest::newRow("portrait without a height takes the view's width")
            << View << Size{-5, 0} << Rect{0, 21, 520, 394};
        QTest::newRow("landscape without a width takes the view's height")
            << View << Size{0, 0} << Rect{26, 0, 494, 415};
    }
    void paperRect() {
        QFETCH(Size, view);
        QFETCH(Size, page);
        QFETCH(Rect, paper);
        QCOMPARE(PaperRect(view, page), paper);
    }

    void chartRect_data() {
        QTest::addColumn<Rect>("paper");
        QTest::addColumn<Margins>("margins");
        QTest::addColumn<Rect>("chart");
        // 15 % of 468 is 70.2, 25 % of 353 is 88.25.
        QTest::newRow("proportional margins") << Paper << Margins{15, 25, 15, 25} << Chart;
        QTest::newRow("no margins") << Paper << Margins{0, 0, 0, 0} << Paper;
        // 5 % of 470 is 23.5 and of 90 is 4.5: halves away from zero, to 24 and 5.
        QTest::newRow("halves away from zero")
            << Rect{0, 0, 470, 90} << Margins{5, 5, 5, 5} << Rect{24, 5, 446, 85};
    }
    void chartRect() {
        QFETCH(Rect, paper);
        QFETCH(Margins, margins);
        QFETCH(Rect, chart);
        QCOMPARE(ChartRect(paper, margins), chart);
    }

    void marginLinesFrameTheChartAcrossTheSheet() {
        const auto lines = MarginLines(Chart, Paper);
        QCOMPARE(lines[0].from, (Point{95, 31}));
        QCOMPARE(lines[0].to, (Point{95, 384}));
        QCOMPARE(lines[1].from, (Point{424, 31}));
        QCOMPARE(lines[1].to, (Point{424, 384}));
        QCOMPARE(lines[2].from, (Point{26, 118}));
        QCOMPARE(lines[2].to, (Point{494, 118}));
        QCOMPARE(lines[3].from, (Point{26, 296}));
        QCOMPARE(lines[3].to, (Point{494, 296}));
    }

    void zoneAt_data() {
        QTest::addColumn<Rect>("chart");
        QTest::addColumn<Point>("point");
        QTest::addColumn<int>("zone");
        const Rect c{100, 100, 300, 200};
        QTest::newRow("left-top corner") << c << Point{100, 100} << 6;
        QTest::newRow("left-top, 4 pixels off both") << c << Point{104, 96} << 6;
        QTest::newRow("5 pixels is not near") << c << Point{105, 100} << 2;
        QTest::newRow("left-bottom corner") << c << Point{96, 200} << 8;
        QTest::newRow("right-top corner") << c << Point{300, 100} << 7;
        QTest::newRow("right-bottom corner") << c << Point{304, 204} << 9;
        QTest::newRow("left edge") << c << Point{100, 150} << 1;
        QTest::newRow("left edge from outside") << c << Point{96, 150} << 1;
        QTest::newRow("right edge") << c << Point{302, 150} << 3;
        QTest::newRow("top edge") << c << Point{200, 97} << 2;
        QTest::newRow("bottom edge") << c << Point{200, 203} << 4;
        // The margin lines cross the whole sheet: an edge is near whatever the other coordinate.
        QTest::newRow("left line far below the chart") << c << Point{100, 400} << 1;
        QTest::newRow("right line far above the chart") << c << Point{300, 5} << 3;
        QTest::newRow("top line far to the right") << c << Point{700, 100} << 2;
        QTest::newRow("bottom line far to the left") << c << Point{10, 200} << 4;
        QTest::newRow("inside") << c << Point{150, 150} << 5;
        QTest::newRow("5 pixels inside the right edge") << c << Point{295, 150} << 5;
        QTest::newRow("off the chart") << c << Point{50, 50} << 0;
        QTest::newRow("just outside the left edge's reach") << c << Point{95, 150} << 0;
        // On a chart narrower than the reach the order of the tests decides.
        const Rect narrow{100, 100, 104, 200};
        QTest::newRow("narrow: left wins over right") << narrow << Point{102, 150} << 1;
        QTest::newRow("narrow: left-top wins") << narrow << Point{102, 100} << 6;
        QTest::newRow("narrow: left-bottom before right-bottom") << narrow << Point{102, 199} << 8;
        const Rect flat{100, 100, 300, 103};
        QTest::newRow("flat: top wins over bottom") << flat << Point{150, 101} << 2;
        QTest::newRow("flat: left-top before left-bottom") << flat << Point{101, 101} << 6;
        QTest::newRow("flat: right-top before right-bottom") << flat << Point{299, 101} << 7;
    }
    void zoneAt() {
        QFETCH(Rect, chart);
        QFETCH(Point, point);
        QFETCH(int, zone);
        QCOMPARE(int(ZoneAt(point, chart)), zone);
    }

    void dragStep_data() {
        QTest::addColumn<int>("zone");
        QTest::addColumn<Point>("point");
        QTest::addColumn<Rect>("current");
        QTest::addColumn<Rect>("result");
        const auto row = [](const char* name, DragZone zone, Point point, Rect result,
                            Rect current = Chart) {
            QTest::newRow(name) << int(zone) << point << current << result;
        };
        row("left edge follows", DragZone::Left, {60, 200}, {60, 119, 424, 296});
        row("left edge to the sheet's edge", DragZone::Left, {26, 200}, {26, 119, 424, 296});
        row("left edge not off the sheet", DragZone::Left, {25, 200}, Chart);
        row("left edge just short of the right", DragZone::Left, {423, 200}, {423, 119, 424, 296});
        row("left edge not onto the right", DragZone::Left, {424, 200}, Chart);
        row("right edge to the sheet's edge", DragZone::Right, {494, 200}, {96, 119, 494, 296});
        row("right edge not off the sheet", DragZone::Right, {495, 200}, Chart);
        row("right edge not onto the left", DragZone::Right, {96, 200}, Chart);
        row("right edge just past the left", DragZone::Right, {97, 200}, {96, 119, 97, 296});
        row("top edge to the sheet's edge", DragZone::Top, {200, 31}, {96, 31, 424, 296});
        row("top edge not off the sheet", DragZone::Top, {200, 30}, Chart);
        row("top edge not onto the bottom", DragZone::Top, {200, 296}, Chart);
        row("bottom edge to the sheet's edge", DragZone::Bottom, {200, 384}, {96, 119, 424, 384});
        row("bottom edge not off the sheet", DragZone::Bottom, {200, 385}, Chart);
        row("bottom edge not onto the top", DragZone::Bottom, {200, 119}, Chart);
        row("left-top corner", DragZone::LeftTop, {50, 60}, {50, 60, 424, 296});
        row("corner needs both: top refused", DragZone::LeftTop, {50, 20}, Chart);
        row("right-top corner", DragZone::RightTop, {400, 50}, {96, 50, 400, 296});
        row("left-bottom corner", DragZone::LeftBottom, {100, 380}, {100, 119, 424, 380});
        row("right-bottom corner", DragZone::RightBottom, {450, 350}, {96, 119, 450, 350});
        row("corner needs both: right refused", DragZone::RightBottom, {600, 300}, Chart);
        row("no zone", DragZone::None, {60, 60}, Chart);
        row("move keeps the size", DragZone::Move, {210, 190}, {106, 109, 434, 286});
        row("move stops at the left edge", DragZone::Move, {100, 200}, {26, 119, 354, 296});
        row("move stops at the top edge", DragZone::Move, {200, 0}, {96, 31, 424, 208});
        row("move to one pixel short of the right edge", DragZone::Move, {269, 200},
            {165, 119, 493, 296});
        row("move onto the right edge is refused", DragZone::Move, {270, 200}, Chart);
        row("move to one pixel short of the bottom edge", DragZone::Move, {200, 287},
            {96, 206, 424, 383});
        row("move onto the bottom edge is refused", DragZone::Move, {200, 288}, Chart);
        // A move is measured from the press; a refused step keeps where the last one left it.
        row("move from the press, not from the last step", DragZone::Move, {210, 200},
            {106, 119, 434, 296}, {150, 150, 478, 327});
        row("refused move keeps the last step", DragZone::Move, {300, 200}, {150, 150, 478, 327},
            {150, 150, 478, 327});
    }
    void dragStep() {
        QFETCH(int, zone);
        QFETCH(Point, point);
        QFETCH(Rect, current);
        QFETCH(Rect, result);
        QCOMPARE(DragStep(DragZone(zone), point, Paper, current, Grab, Chart), result);
    }

    void marginsFromChartRect_data() {
        QTest::addColumn<Rect>("paper");
        QTest::addColumn<Rect>("chart");
        QTest::addColumn<Margins>("margins");
        // 70 × 100 / 468 = 14.96, 88 × 100 / 353 = 24.93.
        QTest::newRow("back to whole percent") << Paper << Chart << Margins{15, 25, 15, 25};
        // 1 × 100 / 200 = 0.5 goes away from zero, to 1 (not to the even 0).
        QTest::newRow("halves away from zero")
            << Rect{0, 0, 200, 200} << Rect{1, 3, 199, 197} << Margins{1, 2, 1, 2};
        QTest::newRow("dragged left line")
            << Paper << Rect{60, 119, 424, 296} << Margins{7, 25, 15, 25};
        QTest::newRow("chart on the edges") << Paper << Paper << Margins{0, 0, 0, 0};
        // 1 of 8 pixels is 12.5 %, 7 of 8 is 87.5 %: both round up, and the far one gives way.
        QTest::newRow("tiny sheet, opposite halves")
            << Rect{0, 0, 8, 8} << Rect{1, 1, 1, 1} << Margins{13, 13, 87, 87};
        QTest::newRow("degenerate sheet at the int range's ends")
            << Rect{-2147483647 - 1, 0, 2147483647, 10} << Rect{0, 0, 0, 0}
            << Margins{50, 0, 50, 100};
        QTest::newRow("empty sheet")
            << Rect{10, 10, 10, 10} << Rect{10, 10, 10, 10} << Margins{-1, -1, -1, -1};
    }
    void marginsFromChartRect() {
        QFETCH(Rect, paper);
        QFETCH(Rect, chart);
        QFETCH(Margins, margins);
        QCOMPARE(MarginsFromChartRect(chart, paper), margins);
    }
};

QTEST_GUILESS_MAIN(TestSheetGeometry)
#include "test_sheet_geometry.moc"
