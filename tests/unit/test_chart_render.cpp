// The drawn chart, pixel by pixel, and the screen widget's composition.
#include <QPainter>
#include <QPixmap>
#include <QtTest>

#include "chart/chart_fonts.h"
#include "chart/chart_renderer.h"
#include "chart/colors.h"
#include "chart/results_chart.h"
#include "chart_fixtures.h"

using namespace ormitan::chart;
using namespace ormitan::chart::test;

namespace {

const QColor White(255, 255, 255);

ChartForm PaperForm() {
    return ChartForm::Paper("Тест Ормитан  -  Иванов");
}

struct Rendered {
    QImage image;
    ChartLayout layout;
};

// Draws the chart as the screen (button-face background) or as the paper (white page) shows it.
Rendered Render(const std::vector<ChartPoint>& points, QSize size,
                const ChartForm& form = ChartForm::Screen()) {
    Rendered out{QImage(size, QImage::Format_RGB32),
                 LayOutChart({size, points, form.paper,
                              form.paper ? QStringList{form.footer} : QStringList()},
                             FontMetrics())};
    out.image.fill(form.paper ? White : QColor(Qt::magenta));
    QPainter painter(&out.image);
    RenderChart(painter, QRect(QPoint(0, 0), size), points, form);
    return out;
}

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// The distinct colours inside a rectangle.
QSet<QRgb> ColoursIn(const QImage& image, const QRect& area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

bool HasDarkPixel(const QImage& image, const QRect& area) {
    for (const QRgb rgb : ColoursIn(image, area)) {
        if (qGray(rgb) < 100) {
            return true;
        }
    }
    return false;
}

}  // namespace

class TestChartRender : public QObject {
    Q_OBJECT
  private slots:
    void fontsResolveToRealFaces() {
        const FontMetrics metrics;
        QVERIFY(metrics.Height(TextRole::Legend) >= 11);
        QVERIFY(metrics.Height(TextRole::Footer) > metrics.Height(TextRole::Legend));
        QVERIFY(QFontInfo(ChartFont(TextRole::Legend)).family().contains("Liberation Sans"));
        QVERIFY(QFontInfo(ChartFont(TextRole::Footer)).family().contains("Liberation Serif"));
    }

    void facesTakeTheirColours() {
        const Rendered r = Render(UniformPoints(10), QSize(1004, 643));
        const int d = r.layout.depth;
        for (int k = 0; k < 25; ++k) {
            const BarLayout& bar = r.layout.bars[std::size_t(k)];
            const QColor colour = PaletteColor(k);
            const int middle = (bar.top + bar.bottom) / 2;
            QCOMPARE(At(r.image, bar.centre, middle), colour);
            QCOMPARE(At(r.image, bar.right + d / 2, middle), Darkened(colour, 128));
            QCOMPARE(At(r.image, bar.centre - 2, bar.top - d / 2), Darkened(colour, 64));
        }
        QCOMPARE(At(r.image, r.layout.bars[15].centre, r.layout.bars[15].top + 5),
                 QColor(Qt::black));
        QCOMPARE(At(r.image, r.layout.bars[4].right + d / 2, r.layout.bars[4].top + 10),
                 QColor(127, 127, 127));
        QCOMPARE(At(r.image, 1, 1), PanelColor());
    }

    void zeroScoreLeavesOnlyTheTopFace() {
        const Rendered r = Render(UniformPoints(0), QSize(1004, 643));
        const BarLayout& bar = r.layout.bars[0];
        const int d = r.layout.depth;
        const QSet<QRgb> colours = ColoursIn(
            r.image, QRect(QPoint(bar.left, bar.bottom - d), QPoint(bar.right + d, bar.bottom)));
        QVERIFY(!colours.contains(qRgb(255, 0, 0)));
        QVERIFY(!colours.contains(qRgb(127, 0, 0)));
        QCOMPARE(At(r.image, bar.centre, bar.bottom - d / 2), QColor(191, 0, 0));
        QCOMPARE(r.layout.marks[0].arrow.from.y(), bar.bottom - d / 2);
    }

    void fullScoreTouchesTheTop() {
        const Rendered r = Render(UniformPoints(15), QSize(1004, 643));
        const BarLayout& bar = r.layout.bars[2];
        QCOMPARE(bar.top, r.layout.plot.top);
        QCOMPARE(At(r.image, bar.centre, bar.top + 1), QColor(255, 255, 0));
        QCOMPARE(At(r.image, bar.centre - 2, bar.top - 2), QColor(191, 191, 0));
    }

    void legendLinesEndInTheScore() {
        const Rendered r = Render(GiftPoints(SampleScores), QSize(1004, 643));
        QVERIFY(r.layout.legend);
        const std::vector<LegendItem>& items = r.layout.legend->items;
        QCOMPARE(int(items.size()), 25);
        QCOMPARE(items[0].text.text, QString("Пророчество 12"));
        QVERIFY(items[20].text.text.endsWith(" 0"));
        const QRect text(items[0].text.topLeft, QSize(items[0].text.width, 10));
        QVERIFY(HasDarkPixel(r.image, text));
        const Box& box = items[0].colorBox;
        QCOMPARE(At(r.image, (box.left + box.right) / 2, (box.top + box.bottom) / 2),
                 QColor(255, 0, 0));
    }

    // The scale's dotted lines run across the left wall: the wall lies underneath them.
    void theScaleLinesLieOverTheLeftWall() {
        const Rendered r = Render(UniformPoints(0), QSize(1004, 643));
        const std::vector<AxisLabel>& labels = r.layout.axis.labels;
        QVERIFY(labels.size() >= 3);
        const Segment& line = labels[labels.size() / 2].gridLeft;
        // The pixels strictly between the line's ends, where it has the wall on both sides.
        const QRect between(QPoint(line.from.x() + 1, line.to.y() + 1),
                            QPoint(line.to.x() - 1, line.from.y() - 1));
        QVERIFY(ColoursIn(r.image, between).contains(qRgb(128, 128, 128)));
    }

    // On the screen a dotted line across the back wall starts with a dot, as a dotted pen
    // draws it, and then takes every other pixel.
    void backWallLinesStartWithADot() {
        const Rendered r = Render(UniformPoints(0), QSize(1004, 643));
        const std::vector<AxisLabel>& labels = r.layout.axis.labels;
        QVERIFY(labels.size() >= 3);
        const QPoint from = labels[labels.size() / 2].gridBack.from;
        const QColor grey(128, 128, 128);
        QCOMPARE(At(r.image, from.x(), from.y()), grey);
        QVERIFY(At(r.image, from.x() + 1, from.y()) != grey);
        QCOMPARE(At(r.image, from.x() + 2, from.y()), grey);
    }

    void paperForm() {
        const QSize size(996, 616);
        const Rendered r = Render(GiftPoints(SampleScores), size, PaperForm());
        const ChartLayout& layout = r.layout;
        QCOMPARE(ColoursIn(r.image, QRect(0, 0, layout.margins.left, size.height())),
                 QSet<QRgb>{White.rgb()});
        QCOMPARE(At(r.image, size.width() - 1, size.height() - 1), White);

        const BarLayout& bar = layout.bars[0];  // red, score 12
        const QRect inside(QPoint(bar.left + 2, bar.top + 2),
                           QPoint(bar.right - 2, bar.bottom - 2));
        QCOMPARE(ColoursIn(r.image, inside), (QSet<QRgb>{qRgb(255, 0, 0), White.rgb()}));
        const QSet<QRgb> side =
            ColoursIn(r.image, QRect(bar.right + 3, bar.top + 10, layout.depth - 6, 10));
        QVERIFY(side.contains(qRgb(127, 127, 127)));
        QVERIFY(side.contains(qRgb(255, 0, 0)));
        const BarLayout& white = layout.bars[4];
        QVERIFY(ColoursIn(r.image, QRect(white.left + 2, white.bottom - 12, 8, 8))
                    .contains(qRgb(0, 0, 0)));

        QCOMPARE(int(layout.footer.size()), 1);
        const PlacedText& footer = layout.footer[0];
        QVERIFY(footer.topLeft.y() > layout.legend->frame.bottom);
        QVERIFY(footer.topLeft.y() + FontMetrics().Height(TextRole::Footer) <=
                layout.margins.bottom);
        QVERIFY(HasDarkPixel(r.image, QRect(footer.topLeft, QSize(footer.width, 14))));
    }

    void paperDrawingStaysInItsRectangle() {
        const std::vector<ChartPoint> points = UniformPoints(255);
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(White);
        const QRect target(100, 80, 200, 150);
        {
            QPainter painter(&image);
            RenderChart(painter, target, points, PaperForm());
        }
        QImage outside = image.copy();
        QPainter(&outside).fillRect(target, White);
        QCOMPARE(ColoursIn(outside, outside.rect()), QSet<QRgb>{White.rgb()});
        QVERIFY(ColoursIn(image, target).size() > 3);
    }

    void widgetComposesOnlyAfterChanges() {
        ResultsChart chart;
        chart.setObjectName("Chart1");
        chart.resize(600, 400);
        for (const ChartPoint& point : GiftPoints(SampleScores)) {
            chart.Series1().Add(point.value, point.label, point.color);
        }
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        chart.repaint();
        const int composed = chart.CompositionCount();
        QVERIFY(composed >= 1);

        chart.repaint();
        QCOMPARE(chart.CompositionCount(), composed);
        chart.PrintSettings().PaperMargins = {1, 2, 3, 4};  // printing only
        chart.repaint();
        QCOMPARE(chart.CompositionCount(), composed);

        chart.resize(640, 400);
        chart.repaint();
        QCOMPARE(chart.CompositionCount(), composed + 1);
        chart.Series1().Add(3, "x", AutoColor);
        chart.repaint();
        QCOMPARE(chart.CompositionCount(), composed + 2);
        chart.Series1().Clear();
        chart.repaint();
        QCOMPARE(chart.CompositionCount(), composed + 3);
    }

    // The widget draws the screen form whatever was printed from it.
    void widgetShowsTheScreenForm() {
        ResultsChart chart;
        chart.resize(500, 300);
        for (const ChartPoint& point : UniformPoints(10)) {
            chart.Series1().Add(point.value, point.label, point.color);
        }
        const ChartPrintout printout = chart.Printout("Тест Ормитан     ");
        QCOMPARE(printout.clientSize, (ormitan::print::Size{500, 300}));
        QVERIFY(printout.form.paper);
        QPixmap pixmap(chart.size());
        chart.render(&pixmap, QPoint(), QRegion(), QWidget::RenderFlags());
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        const ChartLayout layout =
            LayOutChart({chart.size(), chart.Series1().Points(), false, {}}, FontMetrics());
        const BarLayout& bar = layout.bars[0];
        QCOMPARE(At(image, bar.centre, (bar.top + bar.bottom) / 2), QColor(255, 0, 0));
        QCOMPARE(At(image, 1, 1), PanelColor());
    }

    // Every size lays out and draws, in both forms; where a plot fits, the bars stay inside the
    // drawing's width whatever the score.
    void anySizeAnyScore_data() {
        QTest::addColumn<QSize>("size");
        for (const QSize size : {QSize(0, 0), QSize(1, 1), QSize(2, 3), QSize(7, 5), QSize(30, 20),
                                 QSize(81, 64), QSize(150, 100), QSize(333, 222), QSize(1004, 643),
                                 QSize(1919, 1201), QSize(4000, 3000)}) {
            QTest::addRow("%dx%d", size.width(), size.height()) << size;
        }
    }
    void anySizeAnyScore() {
        QFETCH(QSize, size);
        std::array<int, 25> scores{};
        for (int k = 0; k < 25; ++k) {
            scores[std::size_t(k)] = k * 255 / 24;
        }
        const std::vector<ChartPoint> points = GiftPoints(scores);
        QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        for (const ChartForm& form : {ChartForm::Screen(), PaperForm()}) {
            QPainter painter(&image);
            RenderChart(painter, QRect(QPoint(0, 0), size), points, form);
        }
        const ChartLayout layout = LayOutChart({size, points, false, {}}, FontMetrics());
        QCOMPARE(int(layout.bars.size()), 25);
        if (size.width() >= 30) {
            QVERIFY(layout.bars.front().left >= 0);
            QVERIFY(layout.bars.back().right + layout.depth <= size.width());
        }
    }
};

QTEST_MAIN(TestChartRender)
#include "test_chart_render.moc"
