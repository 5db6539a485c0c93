// Numeric patterns: every pattern the program uses, with the figures its windows show.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "core/text/number_text.h"

using namespace numeralia::text;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Row {
    double value;
    std::string pattern;
    std::string expected;
};

// clang-format off
const Row kRows[] = {
    // The display with three decimals: the separator stays even without a decimal after it.
    {12.3456, "0.###", "12,346"}, {2.0, "0.###", "2,"}, {9.9996, "0.###", "10,"},
    {-0.0004, "0.###", "0,"}, {-123456.789, "0.###E+###", "-1,235E+5"},
    {20000.0, "0.###E+###", "2,E+4"}, {99999.95, "0.###E+###", "1,E+5"},
    {0.0000012345, "0.###E-###", "1,235E-6"},  // the 15-digit value 1.2345 rounds up
    {123456.789, "0.###E-###", "1,235E5"},     // "E-" shows only a negative sign
    {0.0000012345, "0.###E+###", "1,235E-6"}, {2.5, "0.###E+###", "2,5E+0"},
    {1e-300, "0.###E-###", "1,E-300"},
    // Rounding is half away from zero on the 15-digit value.
    {0.25, "0.#", "0,3"}, {1.005, "0.##", "1,01"}, {155555.0, "0.#E+###", "1,6E+5"},
    // The exponential view.
    {1000.0, "0.00e+00", "1,00e+03"}, {0.05, "0.00e+00", "5,00e-02"},
    {0.0, "0.00e+00", "0,00e+00"}, {9.995, "0.00e+00", "1,00e+01"},
    {1e100, "0.00e+00", "1,00e+100"}, {DBL_MAX, "0.00e+00", "1,80e+308"},
    {4.9406564584124654e-324, "0.00e+00", "4,94e-324"},
    {2.0 / 3.0, "0.0000000000e+00", "6,6666666667e-01"},
    {-0.000987654321, "0.00000e+00", "-9,87654e-04"},
    // Fixed decimals: no "-" when every digit shown is 0; zeros beyond the 15th digit.
    {-0.5, "0.00000000", "-0,50000000"}, {0.000000005, "0.00000000", "0,00000001"},
    {-0.000000004, "0.00000000", "0,00000000"},
    {123456789.123456789, "0.00000000", "123456789,12345700"},
    {100.0 / 13983816.0, "0.000000", "0,000007"}, {700.0 / 13983816.0, "0.000000", "0,000050"},
    {-0.125, "0.00", "-0,13"}, {2.675, "0.00", "2,68"}, {0.0049, "0.00", "0,00"},
    {-0.0, "0.00", "0,00"}, {99.995, "0.00", "100,00"},
    {1e20, "0.00", "100000000000000000000,00"}, {1e-300, "0.00", "0,00"},
    // Bank amounts, grouped by thousands.
    {6363930.91, "###,###,##0", "6.363.931"}, {0.0, "###,###,##0", "0"},
    {0.5, "###,###,##0", "1"}, {999.0, "###,###,##0", "999"},
    {999999.5, "###,###,##0", "1.000.000"}, {-1234567.0, "###,###,##0", "-1.234.567"},
    {1234567890123.0, "###,###,##0", "1.234.567.890.123"},
    {4967800.58, "###,###,##0.00", "4.967.800,58"}, {-0.004, "###,###,##0.00", "0,00"},
    {1234.5, "###,###,##0.00", "1.234,50"}, {-53032.755, "###,###,##0.00", "-53.032,76"},
    // General Number, and the other forms of the notation.
    {1.0 / 3.0, "General Number", "0,333333333333333"}, {1.5e20, "general number", "1,5E+20"},
    {2.5, "", "2,5"}, {2.5, "abc", "2,5"},  // no digit placeholder
    // Seconds with "0,00": the comma groups, so a whole number of at least three digits.
    {5.0, "0,00", "005"}, {59.996, "0,00", "060"}, {1234.4, "0,00", "1.234"},
    {42.0, "00000", "00042"}, {0.5, "#.##", ",5"}, {12345.0, "00.0E+0", "12,3E+3"},
    {0.256, "0.0%", "25,6%"}, {2.5, "\"x = \"0.00", "x = 2,50"}, {2.5, "0.00\\ \\€", "2,50 €"},
    {-5.0, "$0", "-$5"},
    // Never infinity or NaN.
    {kNaN, "0.00", "0,00"}, {kNaN, "0.###E+###", "0,E+0"}, {kInf, "0.00e+00", "1,80e+308"},
    {-kInf, "0.###E+###", "-1,798E+308"}, {kNaN, "General Number", "0"},
};
// clang-format on

}  // namespace

TEST(FormatPattern, WritesTheFiguresOfEveryWindow) {
    for (const Row& row : kRows) {
        EXPECT_EQ(formatPattern(row.value, row.pattern), row.expected)
            << "value " << row.value << " pattern \"" << row.pattern << "\"";
    }
    const std::string huge = formatPattern(kInf, "###,###,##0.00");
    EXPECT_EQ(huge.substr(0, 8), "179.769.");
    EXPECT_EQ(huge.substr(huge.size() - 3), ",00");
    // The decimals key: "0." and 1 to 15 "#".
    for (int n = 1; n <= 15; ++n) {
        const std::string decimals = "0." + std::string(n, '#');
        EXPECT_EQ(formatPattern(1.0 / 3.0, decimals), "0," + std::string(n, '3')) << n;
        const std::string twoThirds = "0," + std::string(n - 1, '6') + "7";
        EXPECT_EQ(formatPattern(2.0 / 3.0, decimals), twoThirds) << n;
        if (n >= 5) {
            EXPECT_EQ(formatPattern(123456.0, decimals + "E+###"), "1,23456E+5") << n;
        }
    }
}

TEST(FormatPattern, RandomValuesStayWithinHalfAUnitOfTheLastDigit) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int i = 0; i < 50000; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));

        const std::optional<double> fixed = parseNumber(formatPattern(x, "0.000000"));
        ASSERT_TRUE(fixed.has_value()) << x;
        ASSERT_LE(std::fabs(*fixed - x), 0.5e-6 + 5e-15 * std::fabs(x)) << x;

        const std::string scientific = formatPattern(x, "0.0000000000e+00");
        const std::optional<double> mantissaBack = parseNumber(scientific);
        ASSERT_TRUE(mantissaBack.has_value()) << scientific;
        ASSERT_LE(std::fabs(*mantissaBack - x), 0.5000001e-10 * std::fabs(x)) << scientific;
        ASSERT_EQ(scientific.size(), std::signbit(x) ? 17u : 16u) << scientific;
    }
}
