#pragma once

#include <QString>

namespace ormitan::chart {

// A value as the format "#,##0.###" shows it: at most three decimals, trailing zeros dropped,
// thousands grouped with ",". A whole score shows without decimals.
QString FormatValue(double value);

}  // namespace ormitan::chart
