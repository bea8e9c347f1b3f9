#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

// The three roundings of the chart's arithmetic. Integer division in C++ already truncates toward
// zero, which is the "div" of the layout, so it needs no helper.
namespace ormitan::chart {

// Nearest integer, halves to the even neighbour. Independent of the floating-point environment.
inline double RoundHalfEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction < 0.5) {
        return lower;
    }
    if (fraction > 0.5) {
        return lower + 1.0;
    }
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// RoundHalfEven as an int, saturated so that an absurd value (a score of 1e300 passed to the
// series) cannot overflow; NaN gives 0.
inline int RoundToInt(double x) {
    const double r = RoundHalfEven(x);
    if (std::isnan(r)) {
        return 0;
    }
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return r <= low    ? std::numeric_limits<int>::min()
           : r >= high ? std::numeric_limits<int>::max()
                       : static_cast<int>(r);
}

// num / den rounded half to even, computed exactly; den must not be 0. Used where the layout
// rounds a ratio such as 0.015 × CW, so that 4.5 stays 4.5 and is not 4.4999... in binary.
constexpr std::int64_t RoundRatio(std::int64_t num, std::int64_t den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) {  // make it a floor division, remainder in [0, den)
        --q;
        r += den;
    }
    if (2 * r > den || (2 * r == den && q % 2 != 0)) {
        ++q;
    }
    return q;
}

// a × b / c computed exactly in 64 bits and rounded to the nearest integer with halves away from
// zero (the scaled products of the layout and of printing). A zero c, or a result outside the
// int range, gives -1.
constexpr int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t{a} * b;
    const bool negative = (product < 0) != (c < 0);
    const std::uint64_t p = product < 0 ? std::uint64_t(-product) : std::uint64_t(product);
    const std::uint64_t d = c < 0 ? std::uint64_t(-std::int64_t{c}) : std::uint64_t(c);
    const std::uint64_t q = (2 * p + d) / (2 * d);
    if (q > std::uint64_t(std::numeric_limits<int>::max())) {
        return -1;
    }
    return negative ? -static_cast<int>(q) : static_cast<int>(q);
}

}  // namespace ormitan::chart
