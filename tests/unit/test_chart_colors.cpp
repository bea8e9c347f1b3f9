// Point colours, darkening, the brush rule, the arrow colour and the bar series.
#include <QtTest>

#include "chart/bar_series.h"
#include "chart/colors.h"

using namespace ormitan::chart;

class TestChartColors : public QObject {
    Q_OBJECT
  private slots:
    void paletteByPointIndex_data() {
        QTest::addColumn<int>("gift");
        QTest::addColumn<QColor>("color");
        const QList<QColor> palette = {
            QColor(255, 0, 0),     QColor(0, 128, 0),     QColor(255, 255, 0), QColor(0, 0, 255),
            QColor(255, 255, 255), QColor(128, 128, 128), QColor(255, 0, 255), QColor(0, 128, 128),
            QColor(0, 0, 128),     QColor(128, 0, 0),     QColor(0, 255, 0),   QColor(128, 128, 0),
            QColor(128, 0, 128),   QColor(192, 192, 192), QColor(0, 255, 255), QColor(0, 0, 0)};
        for (int gift = 1; gift <= 25; ++gift) {
            QTest::addRow("gift %d", gift) << gift << palette[(gift - 1) % 16];
        }
    }
    void paletteByPointIndex() {
        QFETCH(int, gift);
        QFETCH(QColor, color);
        QCOMPARE(PointColor(gift - 1, AutoColor), color);
    }

    void explicitColoursAreBlueGreenRed() {
        QCOMPARE(PointColor(0, 0x000000FF), QColor(255, 0, 0));
        QCOMPARE(PointColor(3, 0x00FF0000), QColor(0, 0, 255));
        QCOMPARE(ColorFromValue(LightYellowValue), QColor(255, 255, 128));
    }

    void solidFaces_data() {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QColor>("side");
        QTest::addColumn<QColor>("top");
        QTest::newRow("red") << QColor(255, 0, 0) << QColor(127, 0, 0) << QColor(191, 0, 0);
        QTest::newRow("white") << QColor(255, 255, 255) << QColor(127, 127, 127)
                               << QColor(191, 191, 191);
        QTest::newRow("black stays black") << QColor(0, 0, 0) << QColor(0, 0, 0) << QColor(0, 0, 0);
        QTest::newRow("green 128 is not above 128")
            << QColor(0, 128, 0) << QColor(0, 0, 0) << QColor(0, 64, 0);
        QTest::newRow("silver") << QColor(192, 192, 192) << QColor(64, 64, 64)
                                << QColor(128, 128, 128);
    }
    void solidFaces() {
        QFETCH(QColor, color);
        QFETCH(QColor, side);
        QFETCH(QColor, top);
        const BarFills fills = BarFillsFor(color, BrushStyle::Solid, Qt::white);
        QCOMPARE(fills.front, SolidFill(color));
        QCOMPARE(fills.side.color, side);
        QCOMPARE(fills.top.color, top);
        QCOMPARE(fills.side.style, Qt::SolidPattern);
    }

    // On paper the hatch keeps its colour on every face and the white background darkens.
    void hatchedFaces_data() {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QColor>("hatch");
        QTest::newRow("red") << QColor(255, 0, 0) << QColor(255, 0, 0);
        QTest::newRow("white is hatched in black") << QColor(255, 255, 255) << QColor(0, 0, 0);
        QTest::newRow("black") << QColor(0, 0, 0) << QColor(0, 0, 0);
    }
    void hatchedFaces() {
        QFETCH(QColor, color);
        QFETCH(QColor, hatch);
        const BarFills fills = BarFillsFor(color, BrushStyle::DiagCross, Qt::white);
        QCOMPARE(fills.front, (Fill{hatch, Qt::DiagCrossPattern, QColor(255, 255, 255)}));
        QCOMPARE(fills.side, (Fill{hatch, Qt::DiagCrossPattern, QColor(127, 127, 127)}));
        QCOMPARE(fills.top, (Fill{hatch, Qt::DiagCrossPattern, QColor(191, 191, 191)}));
    }

    void hatchOnItsOwnBackground() {
        QCOMPARE(FillFor(Qt::black, BrushStyle::DiagCross, Qt::black).color, QColor(Qt::white));
        QCOMPARE(FillFor(Qt::red, BrushStyle::DiagCross, Qt::red).color, QColor(Qt::black));
        QCOMPARE(FillFor(Qt::white, BrushStyle::Solid, Qt::white).color, QColor(Qt::white));
    }

    void arrowColour_data() {
        QTest::addColumn<QColor>("point");
        QTest::addColumn<QColor>("panel");
        QTest::addColumn<QColor>("arrow");
        const QColor buttonFace(240, 240, 240);
        QTest::newRow("red bar") << QColor(Qt::red) << buttonFace << QColor(Qt::black);
        QTest::newRow("black bar (gift 16)")
            << QColor(Qt::black) << buttonFace << QColor(Qt::black);
        QTest::newRow("black panel") << QColor(Qt::red) << QColor(Qt::black) << QColor(Qt::white);
    }
    void arrowColour() {
        QFETCH(QColor, point);
        QFETCH(QColor, panel);
        QFETCH(QColor, arrow);
        QCOMPARE(ArrowColor(point, panel), arrow);
    }

    void seriesNumbersItsPointsAndReportsChanges() {
        int changes = 0;
        BarSeries series([&changes] { ++changes; });
        QCOMPARE(series.Add(12, "a", AutoColor), 0);
        QCOMPARE(series.Add(3.5, "b", 0x0000FF), 1);
        QCOMPARE(changes, 2);
        QCOMPARE(series.Points()[1].x, 1.0);
        QCOMPARE(series.Points()[1].value, 3.5);
        QCOMPARE(series.Points()[1].color, 0x0000FFu);
        series.Clear();
        QCOMPARE(changes, 3);
        QVERIFY(series.Points().empty());
        // Refilling after a clear numbers from 0 again, as the report window relies on.
        QCOMPARE(series.Add(1, "c", AutoColor), 0);
        QCOMPARE(series.Points()[0].x, 0.0);
    }
};

QTEST_GUILESS_MAIN(TestChartColors)
#include "test_chart_colors.moc"
