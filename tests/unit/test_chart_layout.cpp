// The chart's layout numbers, with fixed text metrics so that every number can be worked out.
#include <QtTest>
#include <cmath>

#include "chart/chart_layout.h"
#include "chart_fixtures.h"
#include "core/rounding.h"

using namespace ormitan::chart;
using namespace ormitan::chart::test;

Q_DECLARE_METATYPE(ormitan::chart::Box)

namespace {

// An independent reference for the expectations: std::round rounds halves away from zero.
int Scaled(int a, int b, int c) {
    return int(std::round(double(a) * b / c));
}

ChartLayout LayOut(int width, int height, const std::vector<ChartPoint>& points,
                   bool printing = false, const QStringList& footer = {}) {
    return LayOutChart({QSize(width, height), points, printing, footer}, FixedMetrics());
}

QList<double> LabelValues(const ChartLayout& layout) {
    QList<double> values;
    for (const AxisLabel& label : layout.axis.labels) {
        values.append(label.value);
    }
    return values;
}

}  // namespace

class TestChartLayout : public QObject {
    Q_OBJECT
  private slots:
    // Worked by hand for 1004 x 643 with the sample scores: 6-pixel characters, 12-pixel lines.
    void handComputedLayout() {
        const ChartLayout layout = LayOut(1004, 643, GiftPoints(SampleScores));
        QCOMPARE(layout.margins, (Box{30, 26, 974, 617}));
        QVERIFY(layout.legend);
        const LegendLayout& legend = *layout.legend;
        QCOMPARE(legend.maxWidth, 142);  // "Добровольная бедность 0" is 23 characters
        QCOMPARE(legend.colorWidth, 10);
        QCOMPARE(legend.columns, 5);
        QCOMPARE(legend.rows, 5);
        QCOMPARE(legend.top, 550);
        QCOMPARE(legend.bottom, 612);
        QCOMPARE(legend.left, 105);
        QCOMPARE(legend.right, 899);
        QCOMPARE(legend.items[0].text.topLeft, QPoint(123, 551));
        QCOMPARE(legend.items[0].colorBox, (Box{109, 553, 119, 561}));
        QCOMPARE(legend.items[6].text.topLeft, QPoint(279, 563));
        QCOMPARE(legend.shadow, (Box{108, 553, 903, 616}));
        QCOMPARE(legend.frame, (Box{104, 549, 900, 613}));
        QCOMPARE(layout.depth, 14);
        QCOMPARE(layout.axis.maxLabels, 37);
        QCOMPARE(layout.axis.step, 1.0);
        QCOMPARE(layout.axis.labelsX, 48);
        QCOMPARE(layout.plot, (Box{54, 40, 960, 526}));
        QCOMPARE(layout.cell, 36);
        QCOMPARE(layout.barWidth, 26);
        QCOMPARE(layout.bars[0].centre, 67);
        QCOMPARE(layout.bars[1].centre, 104);
        QCOMPARE(layout.bars[12].centre, 507);
        QCOMPARE(layout.bars[24].centre, 947);
        QCOMPARE(layout.bars[0].top, 137);
        const MarkLayout& mark = layout.marks[0];
        QCOMPARE(mark.width, 74);
        QCOMPARE(mark.height, 14);
        QCOMPARE(mark.arrow.from, QPoint(74, 130));
        QCOMPARE(mark.arrow.to, QPoint(74, 115));
        QCOMPARE(mark.box, (Box{37, 102, 111, 116}));
        QCOMPARE(layout.walls.back, (Box{69, 25, 974, 512}));
    }

    // D is 1.5 % of the chart rectangle's width, taken from the right and added to the top. The
    // rectangle is the drawing less 3 % at each side and, for 643 pixels high, 26 at the top.
    void depth_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("plotRight");
        QTest::addColumn<int>("plotTop");
        // 320: margins 10..310, 1.5 % of 300 = 4.5, halves to even: 4.
        QTest::newRow("4.5 rounds to 4") << 320 << 4 << 306 << 30;
        // 106: margins 3..103, 1.5 % of 100 = 1.5, halves to even: 2.
        QTest::newRow("1.5 rounds to 2") << 106 << 2 << 101 << 28;
        // 1004: margins 30..974, 1.5 % of 944 = 14.16.
        QTest::newRow("1004") << 1004 << 14 << 960 << 40;
        // 2000: margins 60..1940, 1.5 % of 1880 = 28.2.
        QTest::newRow("2000") << 2000 << 28 << 1912 << 54;
    }
    void depth() {
        QFETCH(int, width);
        QFETCH(int, depth);
        QFETCH(int, plotRight);
        QFETCH(int, plotTop);
        const ChartLayout layout = LayOut(width, 643, GiftPoints(SampleScores));
        QCOMPARE(layout.depth, depth);
        QCOMPARE(layout.plot.right, plotRight);
        QCOMPARE(layout.plot.top, plotTop);
        QCOMPARE(layout.walls.back.right, plotRight + depth);
    }

    // The bars on a plot of a given width: the cell is a 25th of it, the bar 70 % of the cell
    // made even, and the centres spread from m to the width less m (m half the bar).
    void barsSpanThePlot_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("barWidth");
        QTest::addColumn<QList<int>>("centres");  // of bars 1, 12 and 24
        // Plot 33..287 (254): cell 10, bar 7 made even 8, m 4, centres 37 + k × 246 / 24:
        // 10.25 → 10, 123, 246.
        QTest::newRow("300") << 300 << 10 << 8 << QList<int>{47, 160, 283};
        // Plot 43..612 (569): cell 22, bar 15.4 → 15 made even 16, m 8, 51 + k × 553 / 24:
        // 23.04 → 23, 276.5 → 276 (halves to even), 553.
        QTest::newRow("640") << 640 << 22 << 16 << QList<int>{74, 327, 604};
        // Plot 62..1224 (1162): cell 46, bar 32.2 → 32, m 16, 78 + k × 1130 / 24: 47.08 → 47,
        // 565, 1130.
        QTest::newRow("1280") << 1280 << 46 << 32 << QList<int>{125, 643, 1208};
        // Plot 82..1834 (1752): cell 70, bar 49 made even 50, m 25, 107 + k × 1702 / 24:
        // 70.92 → 71, 851, 1702.
        QTest::newRow("1919") << 1919 << 70 << 50 << QList<int>{178, 958, 1809};
    }
    void barsSpanThePlot() {
        QFETCH(int, width);
        QFETCH(int, cell);
        QFETCH(int, barWidth);
        QFETCH(QList<int>, centres);
        const ChartLayout layout = LayOut(width, 600, GiftPoints(SampleScores));
        QCOMPARE(layout.cell, cell);
        QCOMPARE(layout.barWidth, barWidth);
        QCOMPARE(
            (QList<int>{layout.bars[1].centre, layout.bars[12].centre, layout.bars[24].centre}),
            centres);
        QCOMPARE(layout.bars.front().left, layout.plot.left);
        QCOMPARE(layout.bars.back().right, layout.plot.right);
        for (const BarLayout& bar : layout.bars) {
            QCOMPARE(bar.right - bar.left, barWidth);
            QCOMPARE(bar.bottom, layout.plot.bottom);
        }
    }

    void valueScale() {
        const Box plot{0, 40, 10, 526};
        QCOMPARE(ValueY(plot, 0), 526);
        QCOMPARE(ValueY(plot, 15), 40);
        QCOMPARE(ValueY(plot, 255), 526 - 8262);       // to scale, far above the plot
        QCOMPARE(ValueY(Box{0, 0, 10, 1}, 7.5), 1);    // 0.5 rounds down to even
        QCOMPARE(ValueY(Box{0, 0, 10, 1}, 22.5), -1);  // 1.5 rounds up to even
    }

    // Labels are 12 high, so each needs 12 + round(1.2) = 13 pixels.
    void labelSpacing_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("labelHeight");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("step");
        QTest::newRow("15 labels fit") << 189 << 12 << 15 << 1.0;
        QTest::newRow("14 labels fit") << 188 << 12 << 14 << 2.0;
        QTest::newRow("8 labels fit") << 104 << 12 << 8 << 2.0;
        QTest::newRow("7 labels fit") << 91 << 12 << 7 << 5.0;
        QTest::newRow("3 labels fit") << 39 << 12 << 3 << 5.0;
        QTest::newRow("2.5 labels round to 2") << 55 << 20 << 2 << 10.0;
        QTest::newRow("1 label fits") << 7 << 12 << 1 << 20.0;
        QTest::newRow("no label fits") << 6 << 12 << 0 << TinyLabelStep;
        QTest::newRow("negative height") << -20 << 12 << -2 << TinyLabelStep;
    }
    void labelSpacing() {
        QFETCH(int, height);
        QFETCH(int, labelHeight);
        QFETCH(int, count);
        QFETCH(double, step);
        const LabelSpacing spacing = LabelSpacingFor(height, labelHeight);
        QCOMPARE(spacing.maxLabels, count);
        QCOMPARE(spacing.step, step);
    }

    void labelsFollowTheStep_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<double>>("values");
        QTest::newRow("tall: every integer")
            << 643 << QList<double>{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
        QTest::newRow("lower: even numbers") << 300 << QList<double>{14, 12, 10, 8, 6, 4, 2, 0};
        QTest::newRow("one label") << 100 << QList<double>{0};
        QTest::newRow("no label") << 90 << QList<double>{};
    }
    void labelsFollowTheStep() {
        QFETCH(int, height);
        QFETCH(QList<double>, values);
        const ChartLayout layout = LayOut(1004, height, GiftPoints(SampleScores));
        QCOMPARE(LabelValues(layout), values);
        for (const AxisLabel& label : layout.axis.labels) {
            QCOMPARE(label.y, ValueY(layout.plot, label.value));
            QCOMPARE(label.text.topLeft.x() + label.text.width, layout.axis.labelsX);
            QCOMPARE(label.gridBack.to,
                     QPoint(layout.plot.right + layout.depth, label.y - layout.depth));
        }
        // The axis space is that of the widest label for the step, plus a space.
        const int widest = layout.axis.step == 20.0 ? 1 : 2;  // "0" alone, else "15" or "14"
        QCOMPARE(layout.axis.labelsX - layout.margins.left, 6 * (widest + 1));
        QCOMPARE(layout.plot.left, layout.axis.labelsX + 6);
    }

    void legendColumns_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("shown");
        QTest::newRow("five columns") << 1004 << 5 << 5 << 25;
        QTest::newRow("three columns") << 560 << 3 << 9 << 25;
        QTest::newRow("two columns drop 21..25") << 400 << 2 << 10 << 20;
        QTest::newRow("one column drops 11..25") << 250 << 1 << 10 << 10;
        QTest::newRow("too narrow for a column") << 150 << 0 << 0 << 0;
    }
    void legendColumns() {
        QFETCH(int, width);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, shown);
        const ChartLayout layout = LayOut(width, 643, GiftPoints(SampleScores));
        const int chartHeight = layout.margins.Height();
        if (columns == 0) {
            QVERIFY(!layout.legend);
            QCOMPARE(layout.plot.bottom, layout.margins.bottom);
            return;
        }
        QVERIFY(layout.legend);
        const LegendLayout& legend = *layout.legend;
        QCOMPARE(legend.columns, columns);
        QCOMPARE(legend.rows, rows);
        QCOMPARE(int(legend.items.size()), shown);
        QCOMPARE(legend.items.back().point, shown - 1);
        QCOMPARE(legend.bottom, layout.margins.bottom - 5);
        QCOMPARE(legend.top, legend.bottom - rows * 12 - 2);
        QCOMPARE(layout.plot.bottom, legend.top - Scaled(4, chartHeight, 100));
        QVERIFY(legend.right - legend.left <= layout.margins.Width());
    }

    void footerWhilePrinting() {
        const auto points = GiftPoints(SampleScores);
        const QStringList lines{"Тест Ормитан  -  Иванов", "вторая строка"};
        const ChartLayout screen = LayOut(1004, 643, points, false, lines);
        QVERIFY(screen.footer.empty());
        QCOMPARE(screen.legend->bottom, screen.margins.bottom - 5);

        const ChartLayout paper = LayOut(1004, 643, points, true, lines);
        QCOMPARE(int(paper.footer.size()), 2);
        const int bottom = paper.margins.bottom;
        QCOMPARE(paper.footer[1].topLeft.y(), bottom - 17);
        QCOMPARE(paper.footer[0].topLeft.y(), bottom - 34);
        const int centre = (paper.margins.left + paper.margins.right) / 2;
        QCOMPARE(paper.footer[0].topLeft.x(), centre - 8 * 23 / 2);
        QCOMPARE(paper.legend->bottom, bottom - 2 * 17 - 5 - 5);
        // The legend's 4 % gap is taken of the height left above the footer.
        QCOMPARE(paper.plot.bottom,
                 paper.legend->top - Scaled(4, bottom - 2 * 17 - 5 - paper.margins.top, 100));
    }

    void legendTextEndsInScore() {
        const auto text = [](double value) { return LegendText({0, value, "Пастор", AutoColor}); };
        QCOMPARE(text(0), QString("Пастор 0"));
        QCOMPARE(text(12), QString("Пастор 12"));
        QCOMPARE(text(7.5), QString("Пастор 7.5"));
        QCOMPARE(text(0.12345), QString("Пастор 0.123"));
        QCOMPARE(text(1234), QString("Пастор 1,234"));
        QCOMPARE(LegendText({0, 1, "a\rb", AutoColor}), QString("a b 1"));
    }

    void fullScoresReachTheTop() {
        const ChartLayout layout = LayOut(1004, 643, UniformPoints(15));
        for (std::size_t k = 0; k < 25; ++k) {
            const BarLayout& bar = layout.bars[k];
            const MarkLayout& mark = layout.marks[k];
            QCOMPARE(bar.top, layout.plot.top);
            QCOMPARE(mark.arrow.to.y() - mark.arrow.from.y(), -ArrowLength);
            QCOMPARE(mark.box.bottom, mark.arrow.to.y() + 1);
            QCOMPARE(mark.box.left + mark.width / 2, bar.centre + layout.depth / 2);
            QVERIFY(mark.box.bottom < layout.plot.top);
        }
    }

    void noPointsNoBarsNoLegend() {
        const ChartLayout layout = LayOut(1004, 643, {});
        QVERIFY(layout.bars.empty());
        QVERIFY(!layout.legend);
        QCOMPARE(int(layout.axis.labels.size()), 16);
    }
};

QTEST_GUILESS_MAIN(TestChartLayout)
#include "test_chart_layout.moc"
