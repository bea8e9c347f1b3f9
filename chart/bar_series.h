#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "chart/colors.h"
#include "core/results_document.h"

namespace ormitan::chart {

struct ChartPoint {
    double x = 0;      // the number of points the series held when this one was added
    double value = 0;  // the bar's height on the 0..15 scale
    QString label;
    std::uint32_t color = AutoColor;
};

// The chart's one bar series. Every change is reported to the owner, which redraws.
class BarSeries {
  public:
    explicit BarSeries(std::function<void()> changed) : changed_(std::move(changed)) {}
    BarSeries(const BarSeries&) = delete;
    BarSeries& operator=(const BarSeries&) = delete;

    void Clear();
    // Appends a point with X = the number of points before the call; returns its index.
    int Add(double value, const QString& label, std::uint32_t color);
    const std::vector<ChartPoint>& Points() const { return points_; }

  private:
    std::vector<ChartPoint> points_;
    std::function<void()> changed_;
};

// Adds the 25 gifts' bars in the gifts' order, each with its palette colour and the gift's
// name: gift g is point g - 1.
void AddGiftBars(BarSeries& series, const ScoreArray& scores);

}  // namespace ormitan::chart
