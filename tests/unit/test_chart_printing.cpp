// The chart on paper: its place on the page of the current printer worked from the print setup,
// and the one-page job, printed through the fake printer service.
#include <QPainter>
#include <QtTest>

#include "chart/chart_printing.h"
#include "chart/results_chart.h"
#include "chart_fixtures.h"
#include "core/errors.h"
#include "doubles/fake_printer_service.h"
#include "failure_message.h"
#include "print_test_support.h"

using namespace ormitan;
using namespace ormitan::chart;
using namespace ormitan::platform;

namespace {

// The chart of the sample results in its paper form, at the size the report gives it on a
// 1024 x 768 screen, as the report's chart hands it over.
ChartPrintout PaperChart() {
    ResultsChart chart;
    chart.setObjectName("Chart1");
    chart.resize(996, 616);
    for (const ChartPoint& point : test::GiftPoints(test::SampleScores)) {
        chart.Series1().Add(point.value, point.label, point.color);
    }
    return chart.Printout("Тест Ормитан  -  ivanov");
}

// One landscape printer of 3180 x 2400 pixels at 300 pixels per inch, the default.
FakePrinterService OnePrinter(int orientation = Landscape) {
    FakePrinterService printers;
    FakePrinter printer;
    printer.name = "Laser";
    printer.orientation = orientation;
    printers.printers = {printer};
    printers.defaultPrinter = 0;
    return printers;
}

// The printed page at a quarter of its size, on white paper.
constexpr int Shrink = 4;
QImage PlayPage(const FakeJob& job, QSize page) {
    QImage image(page / Shrink, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(1.0 / Shrink, 1.0 / Shrink);
    painter.drawPicture(0, 0, job.page);
    return image;
}

// The smallest rectangle holding every pixel that is not white.
QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

}  // namespace

class TestChartPrinting : public QObject {
    Q_OBJECT
  private slots:
    void printRectangle_data() {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<print::Margins>("margins");
        QTest::addColumn<print::Rect>("rect");
        QTest::addColumn<print::Margins>("marginsAfter");
        QTest::newRow("proportional, landscape")
            << Landscape << true << print::Margins{1, 2, 3, 4} << print::Rect{477, 600, 2703, 1800}
            << print::Margins{15, 25, 15, 25};
        QTest::newRow("proportional, portrait")
            << Portrait << true << print::Margins{1, 2, 3, 4} << print::Rect{360, 1145, 2040, 2035}
            << print::Margins{15, 36, 15, 36};
        QTest::newRow("fixed margins are kept")
            << Landscape << false << print::Margins{10, 20, 30, 40}
            << print::Rect{318, 480, 2226, 1440} << print::Margins{10, 20, 30, 40};
    }
    void printRectangle() {
        QFETCH(int, orientation);
        QFETCH(bool, proportional);
        QFETCH(print::Margins, margins);
        QFETCH(print::Rect, rect);
        QFETCH(print::Margins, marginsAfter);
        const ChartPrintout paper = PaperChart();
        FakePrinterService printers = OnePrinter(orientation);
        const print::PrintSetup setup{margins, proportional, 0};
        const print::PrintArea area = PrintRectangle(setup, paper.clientSize, printers);
        QCOMPARE(area.rect, rect);
        QCOMPARE(area.margins, marginsAfter);
        QCOMPARE(ProportionalMargins(paper.clientSize, printers),
                 orientation == Landscape ? (print::Margins{15, 25, 15, 25})
                                          : (print::Margins{15, 36, 15, 36}));
    }

    // With the settings as they start: 15 % margins, recomputed to the chart's shape, at the
    // screen's detail.
    void printsOnePageTitledWithTheChartsName() {
        const ChartPrintout paper = PaperChart();
        const print::PrintSetup settings;
        QCOMPARE(settings.PaperMargins, (print::Margins{15, 15, 15, 15}));
        QVERIFY(settings.PrintProportional);
        QCOMPARE(settings.PrintDetail, 0);
        QCOMPARE(paper.clientSize, (print::Size{996, 616}));
        FakePrinterService printers = OnePrinter();
        const print::PrintArea printed = PrintChart(paper, settings, printers);
        QCOMPARE(printed.margins, (print::Margins{15, 25, 15, 25}));
        QCOMPARE(printed.rect, (print::Rect{477, 600, 2703, 1800}));
        QCOMPARE(printers.jobs.size(), std::size_t(1));
        const FakeJob& job = printers.jobs.front();
        QCOMPARE(job.title, QString("Chart1"));
        QCOMPARE(job.printer, QString("Laser"));
        QCOMPARE(job.orientation, Landscape);
        QCOMPARE(job.pages, 1);
        QVERIFY(!job.aborted);
        QVERIFY(!printers.JobOpen());
    }

    // Whatever the detail, the chart fills its print rectangle and nothing of it lies outside:
    // no panel colour around it, the footer at its bottom.
    void theChartFillsThePrintRectangle_data() {
        QTest::addColumn<int>("detail");
        QTest::addColumn<bool>("proportional");
        QTest::newRow("normal, proportional") << 0 << true;
        QTest::newRow("more detail, proportional") << -100 << true;
        QTest::newRow("half more detail, fixed margins") << -50 << false;
    }
    void theChartFillsThePrintRectangle() {
        QFETCH(int, detail);
        QFETCH(bool, proportional);
        const ChartPrintout paper = PaperChart();
        const print::PrintSetup setup{{10, 5, 20, 30}, proportional, detail};
        FakePrinterService printers = OnePrinter();
        const print::Rect rect = PrintChart(paper, setup, printers).rect;
        const QImage page = PlayPage(printers.jobs.front(), QSize(3180, 2400));
        const QRect ink = InkBounds(page);
        const QRect expected(QPoint(rect.left / Shrink, rect.top / Shrink),
                             QPoint((rect.right - 1) / Shrink, (rect.bottom - 1) / Shrink));
        // Within a pixel of the quarter-size rectangle on every side.
        QVERIFY2(expected.adjusted(-1, -1, 1, 1).contains(ink),
                 qPrintable(QString("ink %1,%2 %3x%4")
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())));
        QVERIFY(ink.width() > expected.width() * 9 / 10);
        QVERIFY(ink.height() > expected.height() * 9 / 10);
    }

    void failuresDiscardTheJobAndArePassedOn_data() {
        QTest::addColumn<bool>("whileDrawing");
        QTest::newRow("drawing fails") << true;
        QTest::newRow("ending fails") << false;
    }
    void failuresDiscardTheJobAndArePassedOn() {
        QFETCH(bool, whileDrawing);
        const ChartPrintout paper = PaperChart();
        FakePrinterService printers = OnePrinter();
        (whileDrawing ? printers.failDrawing : printers.failEnd) = "Paper jam";
        QCOMPARE(Failure([&] { PrintChart(paper, {}, printers); }), QString("Paper jam"));
        QCOMPARE(printers.jobs.size(), std::size_t(1));
        QVERIFY(printers.jobs.front().aborted);
        QCOMPARE(printers.jobs.front().pages, 0);
        QVERIFY(!printers.JobOpen());
        // The next print goes through.
        PrintChart(paper, {}, printers);
        QCOMPARE(printers.jobs.back().pages, 1);
    }
};

QTEST_MAIN(TestChartPrinting)
#include "test_chart_printing.moc"
