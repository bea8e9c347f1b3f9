// The three roundings: halves to even, scaled products with halves away from zero, halving.
#include <QtTest>

#include <cstdint>
#include <limits>

#include "core/rounding.h"

using namespace ormitan;

namespace {
constexpr qint64 Max64 = std::numeric_limits<qint64>::max();
constexpr qint64 Min64 = std::numeric_limits<qint64>::min();
}  // namespace

class TestRounding : public QObject {
    Q_OBJECT
  private slots:
    void roundHalfEven_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("0.5 to 0") << 0.5 << qint64(0);
        QTest::newRow("1.5 to 2") << 1.5 << qint64(2);
        QTest::newRow("2.5 to 2") << 2.5 << qint64(2);
        QTest::newRow("41.5 to 42") << 41.5 << qint64(42);
        QTest::newRow("42.5 to 42") << 42.5 << qint64(42);
        QTest::newRow("below a half") << 2.4999999 << qint64(2);
        QTest::newRow("above a half") << 2.5000001 << qint64(3);
        QTest::newRow("-0.5 to 0") << -0.5 << qint64(0);
        QTest::newRow("-1.5 to -2") << -1.5 << qint64(-2);
        QTest::newRow("-2.5 to -2") << -2.5 << qint64(-2);
        QTest::newRow("-2.6 to -3") << -2.6 << qint64(-3);
        QTest::newRow("whole") << 477.0 << qint64(477);
        QTest::newRow("2^53 + 2 stays") << 9007199254740994.0 << qint64(9007199254740994);
        QTest::newRow("too large saturates") << 1e300 << Max64;
        QTest::newRow("too small saturates") << -1e300 << Min64;
        QTest::newRow("infinity saturates") << std::numeric_limits<double>::infinity() << Max64;
        QTest::newRow("NaN gives 0") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
    }
    void roundHalfEven() {
        QFETCH(double, x);
        QFETCH(qint64, rounded);
        QCOMPARE(qint64(RoundHalfEven(x)), rounded);
    }

    void scale_data() {
        QTest::addColumn<qint64>("a");
        QTest::addColumn<qint64>("b");
        QTest::addColumn<qint64>("c");
        QTest::addColumn<qint64>("result");
        QTest::newRow("exact") << qint64(15) << qint64(3180) << qint64(100) << qint64(477);
        QTest::newRow("half away from zero") << qint64(5) << qint64(1) << qint64(2) << qint64(3);
        QTest::newRow("below a half")
            << qint64(373) << qint64(2400) << qint64(3180) << qint64(282);  // 281.51
        QTest::newRow("negative half") << qint64(-5) << qint64(1) << qint64(2) << qint64(-3);
        QTest::newRow("negative divisor") << qint64(5) << qint64(1) << qint64(-2) << qint64(-3);
        QTest::newRow("both negative") << qint64(-5) << qint64(1) << qint64(-2) << qint64(3);
        QTest::newRow("detail -1") << qint64(996) << qint64(-1) << qint64(100) << qint64(-10);
        QTest::newRow("detail -50") << qint64(616) << qint64(-50) << qint64(100) << qint64(-308);
        QTest::newRow("zero divisor") << qint64(7) << qint64(3) << qint64(0) << qint64(-1);
        QTest::newRow("zero divisor, zero product")
            << qint64(0) << qint64(0) << qint64(0) << qint64(-1);
        // The product of two 32-bit values is kept exactly.
        QTest::newRow("large product")
            << qint64(2147483647) << qint64(2147483647) << qint64(2147483647) << qint64(2147483647);
        QTest::newRow("product overflows") << Max64 << qint64(2) << qint64(3) << qint64(-1);
        QTest::newRow("quotient overflows") << Min64 << qint64(1) << qint64(-1) << qint64(-1);
        QTest::newRow("largest divisor") << Max64 << qint64(1) << Max64 << qint64(1);
        QTest::newRow("half of the largest divisor")
            << Max64 / 2 + 1 << qint64(1) << Max64 << qint64(1);
    }
    void scale() {
        QFETCH(qint64, a);
        QFETCH(qint64, b);
        QFETCH(qint64, c);
        QFETCH(qint64, result);
        QCOMPARE(qint64(Scale(a, b, c)), result);
    }

    void halfTruncatesTowardZero_data() {
        QTest::addColumn<qint64>("x");
        QTest::addColumn<qint64>("half");
        QTest::newRow("even") << qint64(238) << qint64(119);
        QTest::newRow("odd") << qint64(51) << qint64(25);
        QTest::newRow("negative odd") << qint64(-51) << qint64(-25);
        QTest::newRow("minus one") << qint64(-1) << qint64(0);
    }
    void halfTruncatesTowardZero() {
        QFETCH(qint64, x);
        QFETCH(qint64, half);
        QCOMPARE(qint64(Half(x)), half);
    }

    void clampToInt() {
        QCOMPARE(ClampToInt(Max64), std::numeric_limits<int>::max());
        QCOMPARE(ClampToInt(Min64), std::numeric_limits<int>::min());
        QCOMPARE(ClampToInt(-42), -42);
    }

    void roundToInt() {
        QCOMPARE(RoundToInt(0.5), 0);
        QCOMPARE(RoundToInt(1.5), 2);
        QCOMPARE(RoundToInt(2.5), 2);
        QCOMPARE(RoundToInt(-1.5), -2);
        QCOMPARE(RoundToInt(2.5001), 3);
        QCOMPARE(RoundToInt(1e300), std::numeric_limits<int>::max());
    }

    void ratiosAndMulDiv_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("ratio");   // a × b / c, halves to even
        QTest::addColumn<int>("mulDiv");  // a × b / c, halves away from zero
        QTest::newRow("3 % of 1004") << 3 << 1004 << 100 << 30 << 30;
        QTest::newRow("4 % of 643") << 4 << 643 << 100 << 26 << 26;
        QTest::newRow("3 % of 150 is a half") << 3 << 150 << 100 << 4 << 5;
        QTest::newRow("0.015 x 300") << 15 << 300 << 1000 << 4 << 5;
        QTest::newRow("0.015 x 100") << 15 << 100 << 1000 << 2 << 2;
        QTest::newRow("negative half") << -1 << 5 << 10 << 0 << -1;
        QTest::newRow("negative divisor") << 3 << 5 << -2 << -8 << -8;
    }
    void ratiosAndMulDiv() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, ratio);
        QFETCH(int, mulDiv);
        QCOMPARE(int(RoundRatio(std::int64_t{a} * b, c)), ratio);
        QCOMPARE(MulDiv(a, b, c), mulDiv);
    }

    void mulDivEdges() {
        QCOMPARE(MulDiv(5, 7, 0), -1);
        QCOMPARE(MulDiv(2000000000, 2000000000, 1), -1);
        QCOMPARE(MulDiv(2000000000, 2000000000, 2000000000), 2000000000);
    }
};

QTEST_GUILESS_MAIN(TestRounding)
#include "test_rounding.moc"
