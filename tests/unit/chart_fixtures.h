#pragma once

#include <array>
#include <vector>

#include "chart/bar_series.h"
#include "chart/text_metrics.h"
#include "core/catalogue.h"

namespace ormitan::chart::test {

// Metrics with round numbers: every character of the Arial texts is 6 wide and 12 high, of the
// footer 8 wide and 17 high.
class FixedMetrics final : public TextMetrics {
  public:
    int Width(TextRole role, const QString& text) const override {
        return int(text.size()) * (role == TextRole::Footer ? 8 : 6);
    }
    int Height(TextRole role) const override { return role == TextRole::Footer ? 17 : 12; }
};

// The scores of content/sample.tst.
inline constexpr std::array<int, 25> SampleScores = {12, 7,  10, 9, 4, 13, 6, 11, 14, 8,  3, 9, 15,
                                                     12, 10, 11, 2, 5, 1,  1, 0,  0,  10, 2, 14};

// The 25 points as the report window adds them.
inline std::vector<ChartPoint> GiftPoints(const std::array<int, 25>& scores) {
    std::vector<ChartPoint> points;
    for (int k = 0; k < GiftCount; ++k) {
        const std::string_view name = GiftName(k + 1);
        points.push_back({double(k), double(scores[std::size_t(k)]),
                          QString::fromUtf8(name.data(), qsizetype(name.size())), AutoColor});
    }
    return points;
}

inline std::vector<ChartPoint> UniformPoints(int score) {
    std::array<int, 25> scores{};
    scores.fill(score);
    return GiftPoints(scores);
}

}  // namespace ormitan::chart::test
