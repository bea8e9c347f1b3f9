#include "bar_series.h"

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

}  // namespace ormitan::chart
