// ormitan-render FILE.tst WIDTH HEIGHT OUT.png [--print NAME]
// Draws the chart of a results file as the report window shows it, or with --print in the paper
// form with the footer of NAME, and writes it to a PNG.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "chart/bar_series.h"
#include "chart/chart_renderer.h"
#include "core/errors.h"
#include "core/results_file.h"
#include "platform/posix_file_layer.h"

namespace {

using namespace ormitan;

constexpr int MaxSide = 10000;

int Fail(const QString& message) {
    std::fprintf(stderr, "ormitan-render: %s\n", qPrintable(message));
    return 1;
}

std::optional<int> ParseSide(const char* text) {
    bool ok = false;
    const int value = QString::fromLocal8Bit(text).toInt(&ok);
    if (!ok || value < 1 || value > MaxSide) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool paper = argc == 7 && qstrcmp(argv[5], "--print") == 0;
    if (argc != 5 && !paper) {
        std::fprintf(stderr,
                     "usage: ormitan-render FILE.tst WIDTH HEIGHT OUT.png [--print NAME]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    const std::optional<int> width = ParseSide(argv[2]);
    const std::optional<int> height = ParseSide(argv[3]);
    if (!width || !height) {
        return Fail(QStringLiteral("the size must be two whole numbers from 1 to %1, not %2 x %3")
                        .arg(MaxSide)
                        .arg(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])));
    }

    ScoreArray scores{};
    try {
        platform::PosixFileLayer files;
        scores = ReadResultsFile(files, argv[1]);
    } catch (const EInOutError& error) {
        return Fail(QStringLiteral("%1: %2").arg(QString::fromLocal8Bit(argv[1]),
                                                 QString::fromStdString(error.Message())));
    }

    chart::BarSeries series(nullptr);
    chart::AddGiftBars(series, scores);
    const chart::ChartForm form =
        paper ? chart::ChartForm::Paper(chart::PaperFooter(QString::fromLocal8Bit(argv[6])))
              : chart::ChartForm::Screen();

    QImage image(*width, *height, QImage::Format_RGB32);
    image.fill(paper ? QColor(Qt::white) : chart::PanelColor());
    {
        QPainter painter(&image);
        chart::RenderChart(painter, image.rect(), series.Points(), form);
    }
    if (!image.save(QString::fromLocal8Bit(argv[4]), "PNG")) {
        return Fail(QStringLiteral("cannot write %1").arg(QString::fromLocal8Bit(argv[4])));
    }
    return 0;
}
