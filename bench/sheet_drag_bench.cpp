// One step of a margin drag on the print preview's sheet against one copy of the sheet's image.
//
// The sheet view (TPreviewPage) is 1920 × 1080 and shows the chart of content/sample.tst in its
// paper form on a fake landscape printer of 3180 × 2400 pixels, its margins answered as the
// print preview answers them (the new margins go into its setup). The left margin line is
// pressed, and each iteration is one step of the drag: a mouse move event to the view, then the
// repaint the step asks for, into the window's backing store (on Qt's offscreen platform, so
// that nothing is handed on to a window system). The
// baseline is one QPainter drawImage of a 1920 × 1080 image onto another, the least a repaint of
// the sheet can cost. Ends with "ratio sheet_drag R", the step's median time over the copy's; and
// fails if any drag step recorded the chart again (the view's RecordingCount changed during the
// steps).
#include <benchmark/benchmark.h>

#include "median_runs.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chart/chart_printout.h"
#include "core/results_file.h"
#include "doubles/fake_printer_service.h"
#include "platform/posix_file_layer.h"
#include "ui/ormitan_application.h"
#include "ui/preview_page.h"

namespace {

using namespace ormitan;

constexpr QSize ViewSize(1920, 1080);

// Drag steps that recorded the chart again; must stay 0.
long long recordingsDuringSteps = 0;
long long dragSteps = 0;
// Paints of the view during the steps; one a step, or the benchmark measured no repaint.
long long paintsDuringSteps = 0;

class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        paintsDuringSteps += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// The chart as the report's print button hands it to the preview.
chart::ChartPrintout PaperChart() {
    platform::PosixFileLayer files;
    const ScoreArray scores = ReadResultsFile(files, ORMITAN_SOURCE_DIR "/content/sample.tst");
    chart::BarSeries series(nullptr);
    chart::AddGiftBars(series, scores);
    return {QStringLiteral("Chart1"),
            series.Points(),
            chart::ChartForm::Paper(QStringLiteral("Тест Ормитан  -  sample")),
            {996, 616}};
}

platform::FakePrinterService LandscapePrinter() {
    platform::FakePrinterService printers;
    platform::FakePrinter laser;
    laser.name = QStringLiteral("Laser");
    laser.orientation = platform::Landscape;
    printers.printers = {laser};
    printers.defaultPrinter = 0;
    return printers;
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const QPointF local(at);
    QMouseEvent event(type, local, widget.mapToGlobal(local), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

void SheetDragStep(benchmark::State& state) {
    const chart::ChartPrintout chart = PaperChart();
    print::PrintSetup setup{{15, 25, 15, 25}, false, 0};
    platform::FakePrinterService printers = LandscapePrinter();
    TPreviewPage view(printers, setup);
    view.SetImage(&chart);
    view.SetOnChangeMargins(
        [&setup](QObject*, bool, const print::Margins& margins) { setup.PaperMargins = margins; });
    view.resize(ViewSize);
    view.show();
    QImage screen(ViewSize, QImage::Format_RGB32);
    view.render(&screen, {}, {}, QWidget::RenderFlags());  // composes the sheet
    const print::Rect start = view.ChartRect();
    const int y = (start.top + start.bottom) / 2;
    SendMouse(view, QEvent::MouseButtonPress, {start.left, y}, Qt::LeftButton);
    if (view.DragZone() != print::DragZone::Left) {
        state.SkipWithError("the press did not grab the left margin line");
        return;
    }

    // The left edge goes back and forth over 100 pixels, one pixel a step.
    const int recordings = view.RecordingCount();
    PaintCounter paints;
    view.installEventFilter(&paints);
    int offset = 0;
    int direction = 1;
    for (auto _ : state) {
        offset += direction;
        if (offset == 50 || offset == -50) {
            direction = -direction;
        }
        SendMouse(view, QEvent::MouseMove, {start.left + offset, y}, Qt::LeftButton);
        // The repaint the step asked for, into the window's backing store.
        QCoreApplication::processEvents();
    }
    dragSteps += state.iterations();
    recordingsDuringSteps += view.RecordingCount() - recordings;
    view.removeEventFilter(&paints);
    SendMouse(view, QEvent::MouseButtonRelease, {start.left + offset, y}, Qt::NoButton);
}

void CopySheetImage(benchmark::State& state) {
    QImage sheet(ViewSize, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QImage screen(ViewSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        painter.drawImage(0, 0, sheet);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bench::MedianRuns runs(argc, argv);
    // The window's backing store is then an image in memory, as the copy's are: the step is
    // measured short of handing the pixels to the window system, which both would pay alike.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    OrmitanApplication app(argc, argv);

    benchmark::RegisterBenchmark("sheet_drag/1920x1080", SheetDragStep)->UseRealTime();
    benchmark::RegisterBenchmark("image_copy/1920x1080", CopySheetImage)->UseRealTime();
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double step = reporter.medians["sheet_drag/1920x1080"];
    const double copy = reporter.medians["image_copy/1920x1080"];
    std::printf("chart recordings during %lld drag steps: %lld; paints: %lld\n", dragSteps,
                recordingsDuringSteps, paintsDuringSteps);
    if (paintsDuringSteps < dragSteps) {
        std::fprintf(stderr, "the drag steps were not all painted\n");
        return 1;
    }
    if (step <= 0 || copy <= 0) {
        std::fprintf(stderr, "no median for the sheet drag or the copy\n");
        return 1;
    }
    std::printf("sheet drag 1920x1080: one drag step takes %.2f x one copy of the sheet's image\n",
                step / copy);
    std::printf("ratio sheet_drag %.3f\n", step / copy);
    if (recordingsDuringSteps != 0) {
        std::fprintf(stderr, "drag steps recorded the chart %lld times\n", recordingsDuringSteps);
        return 1;
    }
    return 0;
}
