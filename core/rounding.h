#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// The three roundings of the program's arithmetic. Floating-point results go to the nearest
// integer with halves to the even neighbour; scaled integer products (a × b / c) round halves
// away from zero; halving truncates toward zero. Mixing them up moves pixels, so each has a name.
namespace ormitan {

// Nearest integer, halves to the even neighbour: 2.5 → 2, 3.5 → 4, −2.5 → −2. Values beyond
// the 64-bit range saturate and NaN gives 0, so that a degenerate size (a zero resolution, an
// empty chart) cannot turn into undefined behaviour.
inline std::int64_t RoundHalfEven(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    if (x >= 0x1p63) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (x < -0x1p63) {
        return std::numeric_limits<std::int64_t>::min();
    }
    // Explicit rather than std::nearbyint, whose result depends on the thread's rounding mode.
    const double below = std::floor(x);
    const double fraction = x - below;
    double nearest = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        nearest = below + 1.0;
    }
    return static_cast<std::int64_t>(nearest);
}

// a × b / c with the product kept exact, rounded to the nearest integer with halves away from
// zero: 5 × 1 / 2 → 3, −5 × 1 / 2 → −3. A zero c gives −1, and so does a product or quotient
// that does not fit in 64 bits (no two 32-bit values make one).
inline std::int64_t Scale(std::int64_t a, std::int64_t b, std::int64_t c) {
    std::int64_t product = 0;
    // No standard checked multiplication yet; GCC and Clang both have this one.
    if (c == 0 || __builtin_mul_overflow(a, b, &product)) {
        return -1;
    }
    if (c == -1 && product == std::numeric_limits<std::int64_t>::min()) {
        return -1;
    }
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    const auto magnitude = [](std::int64_t v) {
        return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    };
    // 2 × |remainder| ≥ |c|, written so that it cannot overflow.
    if (magnitude(remainder) >= magnitude(c) - magnitude(remainder)) {
        quotient += (product < 0) == (c < 0) ? 1 : -1;
    }
    return quotient;
}

// x / 2 truncated toward zero: 7 → 3, −7 → −3 (not the −4 of a shift).
constexpr std::int64_t Half(std::int64_t x) {
    return x / 2;
}

// A 64-bit result brought into an int, saturating: page and view sizes are ints, and a
// degenerate page must not wrap around into a plausible-looking number.
constexpr int ClampToInt(std::int64_t x) {
    if (x > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (x < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(x);
}

// num / den rounded half to even, computed exactly (den != 0): the layout's round() of a ratio
// such as 0.015 × CW, where the binary 0.015 would turn 4.5 into 4.4999...
constexpr std::int64_t RoundRatio(std::int64_t num, std::int64_t den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) {  // a floor division, remainder in [0, den)
        --q;
        r += den;
    }
    if (2 * r > den || (2 * r == den && q % 2 != 0)) {
        ++q;
    }
    return q;
}

// RoundHalfEven brought into an int, saturating.
inline int RoundToInt(double x) {
    return ClampToInt(RoundHalfEven(x));
}

// Scale for int operands with an int result, as the chart's layout uses it: a zero c, or a
// result outside the int range, gives -1.
inline int MulDiv(int a, int b, int c) {
    const std::int64_t result = Scale(a, b, c);
    return result == ClampToInt(result) ? static_cast<int>(result) : -1;
}

}  // namespace ormitan
