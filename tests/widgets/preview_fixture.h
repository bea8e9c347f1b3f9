#pragma once

// What the print preview's tests share: the sample chart in its paper form, fake printers, the
// mouse on the sheet, and the sheet's pixels.
#include <QImage>
#include <QtTest>

#include "chart/results_chart.h"
#include "doubles/fake_printer_service.h"
#include "tests/unit/chart_fixtures.h"

namespace ormitan::test {

// The chart of the sample results as the report's print button hands it over, at the size the
// report gives it on a 1024 x 768 screen.
inline chart::ChartPrintout PaperChart() {
    chart::ResultsChart chart;
    chart.setObjectName("Chart1");
    chart.resize(996, 616);
    for (const chart::ChartPoint& point : chart::test::GiftPoints(chart::test::SampleScores)) {
        chart.Series1().Add(point.value, point.label, point.color);
    }
    return chart.Printout("Тест Ормитан  -  ivanov");
}

inline platform::FakePrinter Printer(const QString& name, int orientation) {
    platform::FakePrinter printer;
    printer.name = name;
    printer.orientation = orientation;
    return printer;
}

// "Laser", the default: 3180 x 2400 pixels in landscape at 300 pixels per inch. "Office", an A4
// printer in portrait: 2480 x 3508.
inline platform::FakePrinterService TwoPrinters() {
    platform::FakePrinterService printers;
    platform::FakePrinter office = Printer("Office", platform::Portrait);
    office.portraitPage = {2480, 3508};
    office.landscapePage = {3508, 2480};
    printers.printers = {Printer("Laser", platform::Landscape), office};
    printers.defaultPrinter = 0;
    return printers;
}

inline QPoint At(int x, int y) {
    return {x, y};
}

inline QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffff;
}

inline constexpr QRgb White = 0xffffff;
inline constexpr QRgb Black = 0x000000;
inline constexpr QRgb Silver = 0xc0c0c0;

// The pixels of one column from `top` to `bottom` (exclusive), or of one row.
inline std::vector<QRgb> Column(const QImage& image, int x, int top, int bottom) {
    std::vector<QRgb> pixels;
    for (int y = top; y < bottom; ++y) {
        pixels.push_back(Pixel(image, x, y));
    }
    return pixels;
}
inline std::vector<QRgb> Row(const QImage& image, int y, int left, int right) {
    std::vector<QRgb> pixels;
    for (int x = left; x < right; ++x) {
        pixels.push_back(Pixel(image, x, y));
    }
    return pixels;
}

// Silver and white in turn, silver first: a dotted margin line on the white sheet.
inline bool Dotted(const std::vector<QRgb>& pixels) {
    for (std::size_t k = 0; k < pixels.size(); ++k) {
        if (pixels[k] != (k % 2 == 0 ? Silver : White)) {
            return false;
        }
    }
    return !pixels.empty();
}

inline bool AllOf(const std::vector<QRgb>& pixels, QRgb colour) {
    return std::all_of(pixels.begin(), pixels.end(), [colour](QRgb p) { return p == colour; });
}

}  // namespace ormitan::test
