// The statistics against a reference of the test's own: the textbook formulas evaluated in
// exact integer arithmetic on the data scaled to whole numbers, with only the last division
// and root in long double. Anscombe's first quartet and data far from zero must agree to 12
// significant digits; for the data far from zero the same formulas in double precision are
// shown to fail, so the data do test the accuracy.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/calc/statistics_math.h"

namespace numeralia::calc {
namespace {

using Int = std::int64_t;

// Data given as whole numbers and a common scale: value = whole / scale.
struct Scaled {
    std::vector<Int> whole;
    Int scale;
    std::vector<double> values() const {
        std::vector<double> v;
        for (Int w : whole) v.push_back(static_cast<double>(w) / static_cast<double>(scale));
        return v;
    }
};

struct Reference {
    long double meanX, deviationX, sampleDeviationX, slope, intercept, determination;
    long double estimateY, estimateX;  // at X entry 2 and Y entry 2
};

// Σ, Σ², Σxy exactly; the callers keep every product below 2^63.
Reference reference(const Scaled& x, const Scaled& y) {
    const auto n = static_cast<Int>(x.whole.size());
    Int sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (std::size_t k = 0; k < x.whole.size(); ++k) {
        sx += x.whole[k];
        sy += y.whole[k];
        sxx += x.whole[k] * x.whole[k];
        syy += y.whole[k] * y.whole[k];
        sxy += x.whole[k] * y.whole[k];
    }
    const Int dxx = n * sxx - sx * sx;  // N·Σx² − (Σx)², exact
    const Int dyy = n * syy - sy * sy;
    const Int dxy = n * sxy - sx * sy;
    const auto ld = [](Int v) { return static_cast<long double>(v); };
    const long double xs = ld(x.scale), ys = ld(y.scale);
    Reference r;
    r.meanX = ld(sx) / ld(n) / xs;
    r.deviationX = std::sqrt(ld(dxx)) / ld(n) / xs;
    r.sampleDeviationX = std::sqrt(ld(dxx) / ld(n) / ld(n - 1)) / xs;
    r.slope = ld(dxy) / ld(dxx) * xs / ys;
    // b = ȳ − a·x̄ = (Σy·D − Σx·Dxy) / (N·D) with D = N·Σx² − (Σx)², exact in the numerator.
    r.intercept = ld(sy * dxx - sx * dxy) / ld(n * dxx) / ys;
    r.determination = ld(dxy) / ld(dxx) * (ld(dxy) / ld(dyy));
    // a·x + b = (Dxy·(N·X − Σx) + Σy·D) / (N·D), and x = (D·(N·Y − Σy) + Σx·Dxy) / (N·Dxy).
    const Int xk = x.whole[1], yk = y.whole[1];
    r.estimateY = ld(dxy * (n * xk - sx) + sy * dxx) / ld(n * dxx) / ys;
    r.estimateX = ld(dxx * (n * yk - sy) + sx * dxy) / ld(n * dxy) / xs;
    return r;
}

// Agreement to 12 significant digits.
void expectDigits(const MathResult& got, long double expected, const char* what) {
    ASSERT_TRUE(got.isValue()) << what << ": " << got.message;
    EXPECT_LE(std::fabs(static_cast<long double>(got.value) - expected),
              5e-13L * std::fabs(expected))
        << what << ": " << got.value << " against " << static_cast<double>(expected);
}

struct DataSet {
    const char* name;
    Scaled x;
    Scaled y;
};

// Anscombe's first quartet (y with two decimals); three and five points far from zero (the
// exact sums of the reference stay below 2^63).
const DataSet kSets[] = {
    {"Anscombe I",
     {{10, 8, 13, 9, 11, 14, 6, 4, 12, 7, 5}, 1},
     {{804, 695, 758, 881, 833, 996, 724, 426, 1084, 482, 568}, 100}},
    {"1000000001..3", {{1000000001, 1000000002, 1000000003}, 1}, {{7, 5, 9}, 1}},
    {"300000001..8", {{300000001, 300000002, 300000004, 300000005, 300000008}, 1},
     {{31, -12, 44, 47, 90}, 10}},
};

TEST(StatisticsAccuracy, AgreesWithExactArithmetic) {
    for (const DataSet& set : kSets) {
        SCOPED_TRACE(set.name);
        const std::vector<double> x = set.x.values(), y = set.y.values();
        const Reference r = reference(set.x, set.y);
        expectDigits(mean(x), r.meanX, "mean");
        expectDigits(populationDeviation(x), r.deviationX, "population deviation");
        expectDigits(sampleDeviation(x), r.sampleDeviationX, "sample deviation");
        expectDigits(regressionSlope(x, y), r.slope, "a");
        expectDigits(regressionIntercept(x, y), r.intercept, "b");
        expectDigits(determination(x, y), r.determination, "r²");
        // The estimates lie on the line.
        expectDigits(estimateY(x, y, x[1]), r.estimateY, "EoY");
        expectDigits(estimateX(x, y, y[1]), r.estimateX, "EoX");
    }
}

TEST(StatisticsAccuracy, AnscombesFirstQuartetToFifteenDigits) {
    const std::vector<double> x = kSets[0].x.values(), y = kSets[0].y.values();
    EXPECT_NEAR(regressionSlope(x, y).value, 0.500090909090909, 1e-15);
    EXPECT_NEAR(regressionIntercept(x, y).value, 3.00009090909091, 1e-14);
    EXPECT_NEAR(determination(x, y).value, 0.666542459508775, 1e-15);
}

TEST(StatisticsAccuracy, TheTextbookFormsFailOnTheseData) {
    // The deviation of 1000000001, 1000000002, 1000000003 is √(2/3).
    const std::vector<double> x = kSets[1].x.values();
    EXPECT_NEAR(populationDeviation(x).value, 0.816496580927726, 1e-15);
    double sum = 0, squares = 0;
    for (double v : x) {
        sum += v;
        squares += v * v;
    }
    const double n = 3, m = sum / n;
    const double textbook = (squares - n * m * m) / n;  // the variance the textbook gives
    EXPECT_GT(std::fabs(textbook - 2.0 / 3.0), 0.1);

    const std::vector<double> x5 = kSets[2].x.values(), y5 = kSets[2].y.values();
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t k = 0; k < x5.size(); ++k) {
        sx += x5[k];
        sy += y5[k];
        sxx += x5[k] * x5[k];
        sxy += x5[k] * y5[k];
    }
    const double textbookSlope = (5 * sxy - sx * sy) / (5 * sxx - sx * sx);
    const Reference r = reference(kSets[2].x, kSets[2].y);
    EXPECT_GT(std::fabs(textbookSlope - static_cast<double>(r.slope)), 0.01 * std::fabs(double(r.slope)));
}

TEST(StatisticsAccuracy, WeightedStatisticsEqualTheRepeatedData) {
    // X with frequencies is the same as each X repeated that many times.
    const std::vector<double> x = {1000000000.5, 1000000001.25, 1000000003};
    const std::vector<double> n = {3, 1, 2};
    const std::vector<double> repeated = {1000000000.5, 1000000000.5, 1000000000.5,
                                          1000000001.25, 1000000003,   1000000003};
    EXPECT_NEAR(weightedMean(x, n).value, mean(repeated).value, 1e-6);
    const double expected = populationDeviation(repeated).value;
    EXPECT_NEAR(weightedDeviation(x, n).value, expected, 1e-12 * expected);
    EXPECT_GT(expected, 1.0);
}

TEST(StatisticsAccuracy, HistogramClasses) {
    const std::vector<double> data = {1, 2, 2, 3, 3, 3, 4, 4, 4, 4};
    const auto classes = histogram(data);
    ASSERT_EQ(classes.size(), 4u);  // ⌈log2 10⌉ + 1 = 5, but only 4 distinct values
    int total = 0;
    for (const HistogramClass& c : classes) total += c.count;
    EXPECT_EQ(total, 10);
    EXPECT_EQ(classes.front().low, 1);
    EXPECT_EQ(classes.back().high, 4);
    EXPECT_EQ(classes.back().count, 4);  // the greatest value falls in the last class
    const auto one = histogram(std::vector<double>{7, 7, 7});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].count, 3);
    EXPECT_TRUE(histogram(std::vector<double>{}).empty());
    const auto wide = histogram(std::vector<double>{-1e308, 1e308});
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0].count + wide[1].count, 2);
}

}  // namespace
}  // namespace numeralia::calc
