// The results chart's composition against Qt Charts and against one fill of the image.
//
// Each iteration lays out and draws the whole 25-bar chart of content/sample.tst, with the real
// gift names, into a QImage, as the report window lays it out and paints it after a change. Qt
// Charts draws a QBarSeries of the same 25 values with their labels and a legend into the same
// kind of image, rendering its scene item by item each time (no item caches; its layout is done
// once beforehand, which favours it). Ends with one "ratio NAME R" line per comparison:
//   chart_WxH  Qt Charts' median time over the program's (the program's speed-up);
//   floor_WxH  the program's median time over one QImage::fill of the same image.
// Runs each benchmark 15 times and compares the medians (--benchmark_repetitions=N to change).
#include <benchmark/benchmark.h>

#include "median_runs.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QPainter>
#include <QValueAxis>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chart/chart_renderer.h"
#include "core/catalogue.h"
#include "core/results_file.h"
#include "platform/posix_file_layer.h"
#include "ui/ormitan_application.h"

namespace {

using namespace ormitan;

struct ImageSize {
    int width;
    int height;
    std::string Name() const { return std::to_string(width) + "x" + std::to_string(height); }
};
constexpr ImageSize ImageSizes[] = {{1004, 643}, {1920, 1000}};

ScoreArray SampleScores() {
    platform::PosixFileLayer files;
    return ReadResultsFile(files, ORMITAN_SOURCE_DIR "/content/sample.tst");
}

QString GiftLabel(int gift) {
    return QString::fromUtf8(GiftName(gift));
}

// Each iteration draws through one renderer, as the report's chart does after a resize.
void ComposeProgram(benchmark::State& state, const ScoreArray& scores, ImageSize size) {
    chart::BarSeries series(nullptr);
    chart::AddGiftBars(series, scores);
    chart::ChartRenderer renderer;
    QImage image(size.width, size.height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        renderer.Render(painter, image.rect(), series.Points(), chart::ChartForm::Screen());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// A Qt Charts bar chart of the same values: one set per gift, so that each bar has its own
// colour and legend entry, with value labels on the bars and a 0..15 value axis.
struct QtChartsScene {
    QGraphicsScene scene;
    QChart* chart = new QChart;

    QtChartsScene(const ScoreArray& scores, ImageSize size) {
        auto* series = new QBarSeries;
        for (int gift = 1; gift <= GiftCount; ++gift) {
            auto* set = new QBarSet(GiftLabel(gift));
            *set << scores[std::size_t(gift - 1)];
            series->append(set);
        }
        series->setLabelsVisible(true);
        chart->addSeries(series);
        auto* valueAxis = new QValueAxis;
        valueAxis->setRange(0, 15);
        chart->addAxis(valueAxis, Qt::AlignLeft);
        series->attachAxis(valueAxis);
        auto* categoryAxis = new QBarCategoryAxis;
        categoryAxis->append(QStringLiteral("Дары"));
        chart->addAxis(categoryAxis, Qt::AlignBottom);
        series->attachAxis(categoryAxis);
        chart->legend()->setVisible(true);
        chart->legend()->setAlignment(Qt::AlignRight);
        chart->setAnimationOptions(QChart::NoAnimation);

        scene.addItem(chart);
        chart->setGeometry(0, 0, size.width, size.height);
        scene.setSceneRect(0, 0, size.width, size.height);
        // Let the chart lay itself out once; every render then draws each item anew.
        QCoreApplication::processEvents();
        for (QGraphicsItem* item : scene.items()) {
            item->setCacheMode(QGraphicsItem::NoCache);
        }
    }
};

void ComposeQtCharts(benchmark::State& state, const ScoreArray& scores, ImageSize size) {
    QtChartsScene charts(scores, size);
    QImage image(size.width, size.height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        charts.scene.render(&painter, QRectF(image.rect()), charts.scene.sceneRect());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void FillOnce(benchmark::State& state, ImageSize size) {
    QImage image(size.width, size.height, QImage::Format_RGB32);
    const QColor panel = chart::PanelColor();
    for (auto _ : state) {
        image.fill(panel);
        benchmark::DoNotOptimize(image.constBits());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bench::MedianRuns runs(argc, argv);
    // The program's application object: the same font substitutions as the report window.
    OrmitanApplication app(argc, argv);

    const ScoreArray scores = SampleScores();
    for (const ImageSize size : ImageSizes) {
        const std::string name = size.Name();
        for (auto* benchmark :
             {benchmark::RegisterBenchmark(("ormitan/" + name).c_str(), ComposeProgram, scores,
                                           size),
              benchmark::RegisterBenchmark(("qtcharts/" + name).c_str(), ComposeQtCharts, scores,
                                           size),
              benchmark::RegisterBenchmark(("fill/" + name).c_str(), FillOnce, size)}) {
            benchmark->UseRealTime();
        }
    }
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    for (const ImageSize size : ImageSizes) {
        const std::string name = size.Name();
        const double program = reporter.medians["ormitan/" + name];
        const double qtCharts = reporter.medians["qtcharts/" + name];
        const double fill = reporter.medians["fill/" + name];
        if (program <= 0 || qtCharts <= 0 || fill <= 0) {
            std::fprintf(stderr, "no median for %s\n", name.c_str());
            return 1;
        }
        std::printf(
            "chart %s: Qt Charts takes %.2f x the program's time; the program takes "
            "%.2f fills of the image\n",
            name.c_str(), qtCharts / program, program / fill);
        std::printf("ratio chart_%s %.3f\n", name.c_str(), qtCharts / program);
        std::printf("ratio floor_%s %.3f\n", name.c_str(), program / fill);
    }
    return 0;
}
