// Numeric patterns: every pattern the program uses, with the figures its windows show.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/text/number_text.h"

using namespace numeralia::text;

namespace {

struct Row {
    double value;
    std::string pattern;
    std::string expected;
};

void expectFormats(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        EXPECT_EQ(formatPattern(row.value, row.pattern), row.expected)
            << "value " << row.value << " pattern \"" << row.pattern << "\"";
    }
}

// "0." followed by n "#", as the decimals key sets it.
std::string decimalsPattern(int n) { return "0." + std::string(static_cast<std::size_t>(n), '#'); }

}  // namespace

TEST(FormatPattern, DisplayDecimalsWithThreePlaces) {
    const std::string p = decimalsPattern(3);
    expectFormats({
        {2.5, p, "2,5"},
        {12.3456, p, "12,346"},
        {1.0 / 3.0, p, "0,333"},
        {2.0, p, "2,"},  // the separator stays; the display step removes it
        {9.9996, p, "10,"},
        {-2.3456, p, "-2,346"},
        {0.0005, p, "0,001"},
        {-0.0004, p, "0,"},
        {123456.789, p + "E+###", "1,235E+5"},
        {-123456.789, p + "E+###", "-1,235E+5"},
        {20000.0, p + "E+###", "2,E+4"},
        {99999.95, p + "E+###", "1,E+5"},
        {12345678901234567890.0, p + "E+###", "1,235E+19"},
        {0.0000012345, p + "E-###", "1,235E-6"},  // the 15-digit value 1.2345 rounds up
        {0.000001, p + "E-###", "1,E-6"},
        {-0.0000012345, p + "E-###", "-1,235E-6"},
        {123456.789, p + "E-###", "1,235E5"},  // "E-" shows only a negative sign
        {0.0000012345, p + "E+###", "1,235E-6"},
        {2.5, p + "E+###", "2,5E+0"},
        {1e-300, p + "E-###", "1,E-300"},
    });
}

TEST(FormatPattern, DisplayDecimalsFromOneToFifteen) {
    const double third = 1.0 / 3.0;
    for (int n = 1; n <= 15; ++n) {
        EXPECT_EQ(formatPattern(third, decimalsPattern(n)), "0," + std::string(n, '3')) << n;
        EXPECT_EQ(formatPattern(2.0 / 3.0, decimalsPattern(n)),
                  "0," + std::string(n - 1, '6') + "7")
            << n;
        if (n >= 5) {
            EXPECT_EQ(formatPattern(123456.0, decimalsPattern(n) + "E+###"), "1,23456E+5") << n;
        }
    }
    expectFormats({
        {0.25, decimalsPattern(1), "0,3"},
        {0.35, decimalsPattern(1), "0,4"},
        {2.345, decimalsPattern(2), "2,35"},
        {0.125, decimalsPattern(2), "0,13"},
        {1.005, decimalsPattern(2), "1,01"},
        {123456.0, decimalsPattern(1) + "E+###", "1,2E+5"},
        {155555.0, decimalsPattern(1) + "E+###", "1,6E+5"},
    });
}

TEST(FormatPattern, ExponentialViewPatterns) {
    expectFormats({
        {5.0, "0.00e+00", "5,00e+00"},
        {100.0, "0.00e+00", "1,00e+02"},
        {1000.0, "0.00e+00", "1,00e+03"},
        {0.05, "0.00e+00", "5,00e-02"},
        {0.0, "0.00e+00", "0,00e+00"},
        {-2.5, "0.000e+00", "-2,500e+00"},
        {9.995, "0.00e+00", "1,00e+01"},
        {1e100, "0.00e+00", "1,00e+100"},
        {1e-100, "0.00e+00", "1,00e-100"},
        {DBL_MAX, "0.00e+00", "1,80e+308"},
        {4.9406564584124654e-324, "0.00e+00", "4,94e-324"},
        {1234.5, "0.00000e+00", "1,23450e+03"},
        {0.00012345, "0.0000e+00", "1,2345e-04"},
        {1609.344, "0.0000000e+00", "1,6093440e+03"},
        {1.0 / 3.0, "0.000000e+00", "3,333333e-01"},
        {1.0 / 3.0, "0.00000000e+00", "3,33333333e-01"},
        {1.0 / 3.0, "0.0000000000e+00", "3,3333333333e-01"},
        {2.0 / 3.0, "0.0000000000e+00", "6,6666666667e-01"},
        {123.0, "0.0000000000e+00", "1,2300000000e+02"},
        {-0.000987654321, "0.00000e+00", "-9,87654e-04"},
    });
}

TEST(FormatPattern, FixedDecimals) {
    expectFormats({
        {1.0, "0.00000000", "1,00000000"},
        {-0.5, "0.00000000", "-0,50000000"},
        {std::sqrt(2.0), "0.00000000", "1,41421356"},
        {0.000000005, "0.00000000", "0,00000001"},
        {0.000000004, "0.00000000", "0,00000000"},
        {-0.000000004, "0.00000000", "0,00000000"},                 // no "-" when every digit is 0
        {123456789.123456789, "0.00000000", "123456789,12345700"},  // 15 digits, then zeros
        {-45.0, "0.00000000", "-45,00000000"},
        // Hit probabilities of a simple bet, and of a bet of 7 numbers.
        {100.0 / 13983816.0, "0.000000", "0,000007"},
        {600.0 / 1906884.0, "0.0000", "0,0003"},
        {1500.0 / 211876.0, "0.000", "0,007"},
        {2000.0 / 18424.0, "0.00", "0,11"},
        {700.0 / 13983816.0, "0.000000", "0,000050"},
        {100.0, "0.000000", "100,000000"},
        {2.345, "0.00", "2,35"},
        {0.125, "0.00", "0,13"},
        {-0.125, "0.00", "-0,13"},
        {1.005, "0.00", "1,01"},
        {2.675, "0.00", "2,68"},
        {0.005, "0.00", "0,01"},
        {0.0049, "0.00", "0,00"},
        {-0.001, "0.00", "0,00"},
        {0.0, "0.00", "0,00"},
        {-0.0, "0.00", "0,00"},
        {99.995, "0.00", "100,00"},
        {1.5, "0.0000", "1,5000"},
        {1.23456, "0.000", "1,235"},
        {1e20, "0.00", "100000000000000000000,00"},
        {1e-300, "0.00", "0,00"},
    });
}

TEST(FormatPattern, BankAmounts) {
    expectFormats({
        {53032.0, "###,###,##0", "53.032"},
        {6363930.91, "###,###,##0", "6.363.931"},
        {1363930.0, "###,###,##0", "1.363.930"},
        {0.0, "###,###,##0", "0"},
        {0.4, "###,###,##0", "0"},
        {0.5, "###,###,##0", "1"},
        {999.0, "###,###,##0", "999"},
        {1000.0, "###,###,##0", "1.000"},
        {999999.5, "###,###,##0", "1.000.000"},
        {-1234567.0, "###,###,##0", "-1.234.567"},
        {1234567890123.0, "###,###,##0", "1.234.567.890.123"},
        {53032.758, "###,###,##0.00", "53.032,76"},
        {32199.42, "###,###,##0.00", "32.199,42"},
        {20833.34, "###,###,##0.00", "20.833,34"},
        {4967800.58, "###,###,##0.00", "4.967.800,58"},
        {0.0, "###,###,##0.00", "0,00"},
        {0.001, "###,###,##0.00", "0,00"},
        {-0.004, "###,###,##0.00", "0,00"},
        {2.345, "###,###,##0.00", "2,35"},
        {1234.5, "###,###,##0.00", "1.234,50"},
        {-53032.755, "###,###,##0.00", "-53.032,76"},
        {999.999, "###,###,##0.00", "1.000,00"},
    });
}

TEST(FormatPattern, GeneralNumberAndOtherForms) {
    expectFormats({
        {1.0 / 3.0, "General Number", "0,333333333333333"},
        {2.5, "General Number", "2,5"},
        {1.5e20, "general number", "1,5E+20"},
        {-0.0, "General Number", "0"},
        {2.5, "", "2,5"},
        {2.5, "abc", "2,5"},  // no digit placeholder
        // Seconds with "0,00": the comma groups, so a whole number of at least three digits.
        {5.0, "0,00", "005"},
        {59.996, "0,00", "060"},
        {1234.4, "0,00", "1.234"},
        {42.0, "00000", "00042"},
        {0.5, "#.##", ",5"},
        {12345.0, "0.##E+00", "1,23E+04"},
        {12345.0, "00.0E+0", "12,3E+3"},
        {0.256, "0.0%", "25,6%"},
        {2.5, "\"x = \"0.00", "x = 2,50"},
        {2.5, "0.00\\ \\€", "2,50 €"},
        {2.5, "0.00 €", "2,50 €"},
        {-5.0, "$0", "-$5"},
    });
}

TEST(FormatPattern, NeverShowsInfinityOrNaN) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    expectFormats({
        {nan, "0.00", "0,00"},
        {nan, "0.00e+00", "0,00e+00"},
        {nan, "0.###E+###", "0,E+0"},
        {inf, "0.00e+00", "1,80e+308"},
        {-inf, "0.###E+###", "-1,798E+308"},
        {nan, "General Number", "0"},
    });
    const std::string huge = formatPattern(inf, "###,###,##0.00");
    EXPECT_EQ(huge.substr(0, 8), "179.769.");
    EXPECT_EQ(huge.substr(huge.size() - 3), ",00");
}

TEST(FormatPattern, RandomValuesStayWithinHalfAUnitOfTheLastDigit) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    const auto withoutGroups = [](std::string s) {
        std::erase(s, '.');
        return s;
    };
    for (int i = 0; i < 50000; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));

        const std::optional<double> fixed = parseNumber(formatPattern(x, "0.000000"));
        ASSERT_TRUE(fixed.has_value()) << x;
        ASSERT_LE(std::fabs(*fixed - x), 0.5e-6 + 5e-15 * std::fabs(x)) << x;

        const std::string bank = formatPattern(x, "###,###,##0.00");
        const std::optional<double> amount = parseNumber(withoutGroups(bank));
        ASSERT_TRUE(amount.has_value()) << bank;
        ASSERT_LE(std::fabs(*amount - x), 0.005 + 5e-15 * std::fabs(x)) << x << " " << bank;

        const std::string scientific = formatPattern(x, "0.0000000000e+00");
        const std::optional<double> mantissaBack = parseNumber(scientific);
        ASSERT_TRUE(mantissaBack.has_value()) << scientific;
        ASSERT_LE(std::fabs(*mantissaBack - x), 0.5000001e-10 * std::fabs(x)) << scientific;
        ASSERT_EQ(scientific.size(), std::signbit(x) ? 17u : 16u) << scientific;
    }
}
