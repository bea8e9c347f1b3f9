#include "bar_series.h"

#include "core/catalogue.h"

namespace ormitan::chart {

void BarSeries::Clear() {
    points_.clear();
    if (changed_) {
        changed_();
    }
}

int BarSeries::Add(double value, const QString& label, std::uint32_t color) {
    const int index = static_cast<int>(points_.size());
    points_.push_back({double(index), value, label, color});
    if (changed_) {
        changed_();
    }
    return index;
}

void AddGiftBars(BarSeries& series, const ScoreArray& scores) {
    for (int gift = 1; gift <= GiftCount; ++gift) {
        const std::string_view name = GiftName(gift);
        series.Add(scores[std::size_t(gift - 1)],
                   QString::fromUtf8(name.data(), qsizetype(name.size())), AutoColor);
    }
}

}  // namespace ormitan::chart
