// The chart layout for any drawing size from 0 x 0 to 10000 x 10000, any 25 scores 0..255, on
// screen or printing with a footer, with text metrics that vary with the input but answer the
// same for the same text. The arithmetic must stay free of undefined behaviour (the sanitizers
// watch it), and the bars must share out the plot's front face, so that every bar's front face
// lies within the drawing's width. A drawing narrower than its axis labels leaves the plot no
// width at all (its right edge left of its left one); the bars then stand where the arithmetic
// puts them, partly outside, and only the painter's clipping keeps them in.
#include <fuzzer/FuzzedDataProvider.h>

#include <QSize>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "chart/chart_layout.h"
#include "chart/colors.h"
#include "core/catalogue.h"
#include "fuzz_check.h"

namespace {

using namespace ormitan;
using namespace ormitan::chart;

// Every character is `charWidth` wide (the footer's `footerCharWidth`); lines are `height` high
// (the footer's `footerHeight`).
class FakeMetrics final : public TextMetrics {
  public:
    FakeMetrics(int charWidth, int height, int footerCharWidth, int footerHeight)
        : charWidth_(charWidth),
          height_(height),
          footerCharWidth_(footerCharWidth),
          footerHeight_(footerHeight) {}
    int Width(TextRole role, const QString& text) const override {
        return int(text.size()) * (role == TextRole::Footer ? footerCharWidth_ : charWidth_);
    }
    int Height(TextRole role) const override {
        return role == TextRole::Footer ? footerHeight_ : height_;
    }

  private:
    int charWidth_;
    int height_;
    int footerCharWidth_;
    int footerHeight_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange(0, 10000);
    const int height = input.ConsumeIntegralInRange(0, 10000);
    const bool printing = input.ConsumeBool();
    const bool withFooter = input.ConsumeBool();
    const FakeMetrics metrics(
        input.ConsumeIntegralInRange(1, 16), input.ConsumeIntegralInRange(1, 32),
        input.ConsumeIntegralInRange(1, 16), input.ConsumeIntegralInRange(1, 32));
    std::vector<ChartPoint> points;
    for (int gift = 1; gift <= GiftCount; ++gift) {
        const std::string_view name = GiftName(gift);
        points.push_back({double(gift - 1), double(input.ConsumeIntegral<std::uint8_t>()),
                          QString::fromUtf8(name.data(), qsizetype(name.size())), AutoColor});
    }
    QStringList footer;
    if (withFooter) {
        footer << QStringLiteral("Тест Ормитан  -  ") +
                      QString::fromUtf8(input.ConsumeRemainingBytesAsString());
    }

    const ChartLayout layout =
        LayOutChart(LayoutInput{QSize(width, height), points, printing, footer}, metrics);

    FUZZ_CHECK(layout.bars.size() == points.size());
    const Box& plot = layout.plot;
    for (const BarLayout& bar : layout.bars) {
        FUZZ_CHECK(bar.left <= bar.right);
        FUZZ_CHECK(bar.front[0].x() == bar.left && bar.front[1].x() == bar.right &&
                   bar.front[2].x() == bar.right && bar.front[3].x() == bar.left);
    }
    if (plot.left <= plot.right) {
        FUZZ_CHECK(plot.left >= 0 && plot.right <= width);
        FUZZ_CHECK(layout.bars.front().left == plot.left);
        FUZZ_CHECK(layout.bars.back().right == plot.right);
        for (const BarLayout& bar : layout.bars) {
            FUZZ_CHECK(bar.left >= plot.left && bar.right <= plot.right);
        }
    }
    return 0;
}
