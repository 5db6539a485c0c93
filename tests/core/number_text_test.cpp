// Reading and writing of number texts: display texts, leading numbers, general, single and
// sign-blank texts, settings-file numbers, and round trips over many random doubles.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/text/number_text.h"

using namespace numeralia::text;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMinSubnormal = 4.9406564584124654e-324;

struct ReadRow {
    std::string text;
    std::optional<double> expected;
};

void expectReads(const char* what, std::optional<double> (*reader)(std::string_view),
                 const std::vector<ReadRow>& rows) {
    for (const ReadRow& row : rows) {
        const std::optional<double> got = reader(row.text);
        ASSERT_EQ(got.has_value(), row.expected.has_value())
            << what << "(\"" << row.text << "\")" << (got ? " read " + std::to_string(*got) : "");
        if (got) {
            EXPECT_EQ(*got, *row.expected) << what << "(\"" << row.text << "\")";
            EXPECT_FALSE(std::signbit(*got) && *got == 0) << what << " gave -0 for " << row.text;
        }
    }
}

struct WriteRow {
    double value;
    std::string expected;
};

std::string repeated(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

// The reference 15-significant-digit value of x, by the C library.
double fifteenDigitValue(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    const double v = std::strtod(buf, nullptr);
    return std::isinf(v) ? std::copysign(DBL_MAX, x) : v;
}

}  // namespace

TEST(NumberTextParse, ReadsDisplayTexts) {
    expectReads("parseNumber", parseNumber,
                {
                    {"0", 0.0},
                    {"5", 5.0},
                    {"000005", 5.0},
                    {"2,5", 2.5},
                    {"-2,5", -2.5},
                    {"+3", 3.0},
                    {"0,1", 0.1},
                    {" 5 ", 5.0},
                    {"\t7\t", 7.0},
                    {" -12", -12.0},
                    {"7,", 7.0},  // "." typed after 7
                    {"0,", 0.0},
                    {",5", 0.5},
                    {"-0", 0.0},
                    {"-0,000", 0.0},
                    {"3,14159265358979", 3.14159265358979},
                    {"1,5E+20", 1.5e20},
                    {"5E3", 5000.0},
                    {"5e3", 5000.0},
                    {"5E-3", 0.005},
                    {"-1E-05", -1e-5},
                    {"5E", 5.0},   // right after "EXP"
                    {"5E-", 5.0},  // "EXP" then "±"
                    {"5E+", 5.0},
                    {"2,5E", 2.5},
                    {"1,79769313486232E+308", DBL_MAX},  // the text of the largest double
                    {"-1,79769313486232E+308", -DBL_MAX},
                    {"1,7976931348623157E+308", DBL_MAX},
                    {"4,94065645841247E-324", kMinSubnormal},
                    {"1E-400", 0.0},
                    {"-1E-400", 0.0},
                    {"0E99999", 0.0},
                    {"0,000000000000000000001E+21", 1.0},
                    {"1" + repeated('0', 300), 1e300},
                    {"0," + repeated('0', 399) + "1E+400", 1.0},
                    {"1E-99999999999999999999", 0.0},
                    {"&h1F", 31.0},
                    {"&HFF", 255.0},
                    {"&hffffffffffffffff", 18446744073709551615.0},
                    {"&o17", 15.0},
                    {" &h10 ", 16.0},
                    // Correct rounding of long digit strings: a tie goes to the even
                    // neighbour, anything beyond the tie, however far, rounds up.
                    {"9007199254740993", 9007199254740992.0},
                    {"9007199254740993," + repeated('0', 900) + "1", 9007199254740994.0},
                    {"123456789012345678901234567890", 1.2345678901234568e29},
                });
}

TEST(NumberTextParse, RefusesTextsThatAreNotNumbers) {
    expectReads("parseNumber", parseNumber,
                {
                    {"", std::nullopt},
                    {"   ", std::nullopt},
                    {"abc", std::nullopt},
                    {"1.5", std::nullopt},  // the point is no decimal separator here
                    {"1.000", std::nullopt},
                    {"1,5,3", std::nullopt},
                    {"--5", std::nullopt},
                    {"- 5", std::nullopt},
                    {"-", std::nullopt},
                    {",", std::nullopt},
                    {"-,", std::nullopt},
                    {"E5", std::nullopt},
                    {"E", std::nullopt},
                    {"5 5", std::nullopt},
                    {"5x", std::nullopt},
                    {"5E5E5", std::nullopt},
                    {"5E-+3", std::nullopt},
                    {"Error: Parada crítica", std::nullopt},
                    {"12#29#60", std::nullopt},
                    {"1E309", std::nullopt},
                    {"1,8E+308", std::nullopt},
                    {"1,79769313486233E+308", std::nullopt},
                    {"1,797693134862321E+308", std::nullopt},
                    {"1" + repeated('0', 400), std::nullopt},
                    {"1E99999999999999999999", std::nullopt},
                    {"&h", std::nullopt},
                    {"&hG", std::nullopt},
                    {"&h1G", std::nullopt},
                    {"&o8", std::nullopt},
                    {"&h" + repeated('F', 300), std::nullopt},
                    {"inf", std::nullopt},
                    {"nan", std::nullopt},
                });
}

TEST(NumberTextParse, ReadsOnlyTheGivenView) {
    const std::string_view whole = "12345";
    EXPECT_EQ(parseNumber(whole.substr(0, 2)), 12.0);
    EXPECT_EQ(leadingNumber(whole.substr(1, 2)), 23.0);
    EXPECT_EQ(parseFileNumber(whole.substr(0, 3)), 123.0);
}

TEST(NumberTextLeading, ReadsTheLeadingNumber) {
    expectReads("leadingNumber", leadingNumber,
                {
                    {"2,5", 2.0},
                    {"abc", 0.0},
                    {"", 0.0},
                    {"   ", 0.0},
                    {".", 0.0},
                    {"-", 0.0},
                    {"-abc", 0.0},
                    {"  -12", -12.0},
                    {"-12", -12.0},
                    {"+7", 7.0},
                    {"3.75xyz", 3.75},
                    {" 1.5 ", 1.5},
                    {".5", 0.5},
                    {"-.5", -0.5},
                    {"5.", 5.0},
                    {"1E3", 1000.0},
                    {"1e-2x", 0.01},
                    {"-0.5E+1", -5.0},
                    {"5E", 5.0},
                    {"5E-x", 5.0},
                    {"12#29#60", 12.0},
                    {"29#60", 29.0},
                    {"#29", 0.0},
                    {"Error: Parada crítica", 0.0},
                    {"1,5E+20", 1.0},
                    {"-1E+20", -1e20},
                    {"1E308", 1e308},
                    {"1E-999", 0.0},
                    {"0E999999", 0.0},
                    {"&h1F", 31.0},
                    {"&Hff zz", 255.0},
                    {"&h", 0.0},
                    {"&hxyz", 0.0},
                    {"&o777", 511.0},
                    {"&o78", 7.0},
                    {"&h" + repeated('F', 200), std::ldexp(1.0, 800)},
                    // Beyond the double range.
                    {"1" + repeated('0', 400), std::nullopt},
                    {"1E309", std::nullopt},
                    {"-1E309", std::nullopt},
                    {"1E99999999999999999999", std::nullopt},
                    {"&h" + repeated('F', 300), std::nullopt},
                });
}

TEST(NumberTextGeneral, WritesTheShortestFifteenDigitText) {
    const std::vector<WriteRow> rows = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-1.0, "-1"},
        {2.5, "2,5"},
        {-2.5, "-2,5"},
        {0.5, "0,5"},
        {0.05, "0,05"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {-2.1 - std::floor(-2.1) - 1.0, "-0,1"},  // -0.10000000000000009
        {4.0 * std::atan(1.0), "3,14159265358979"},
        {100.0, "100"},
        {1609.344, "1609,344"},
        {1234567.5, "1234567,5"},
        {1e14, "100000000000000"},
        {999999999999999.0, "999999999999999"},
        {999999999999999.9, "1E+15"},
        {1e15, "1E+15"},
        {-1e15, "-1E+15"},
        {1.5e20, "1,5E+20"},
        {123456789012345678.0, "1,23456789012346E+17"},
        {1.5e300, "1,5E+300"},
        {0.0001, "0,0001"},
        {0.00012345, "0,00012345"},
        {-0.00012345, "-0,00012345"},
        {9.99999999999999e-5, "9,99999999999999E-05"},
        {9.999999999999999e-5, "0,0001"},
        {0.00001, "1E-05"},
        {5e-5, "5E-05"},
        {1.23e-7, "1,23E-07"},
        {1e-100, "1E-100"},
        {DBL_MAX, "1,79769313486232E+308"},
        {-DBL_MAX, "-1,79769313486232E+308"},
        {kMinSubnormal, "4,94065645841247E-324"},
        {DBL_MIN, "2,2250738585072E-308"},
        // Never infinity or NaN on screen.
        {kInf, "1,79769313486232E+308"},
        {-kInf, "-1,79769313486232E+308"},
        {kNaN, "0"},
    };
    for (const WriteRow& row : rows) {
        EXPECT_EQ(generalText(row.value), row.expected) << "value " << row.value;
    }
}

TEST(NumberTextSingle, WritesSevenDigitsOfTheSingleValue) {
    const std::vector<WriteRow> rows = {
        {0.0, "0"},
        {-0.0, "0"},
        {0.1, "0,1"},
        {1.0 / 3.0, "0,3333333"},
        {static_cast<double>(0.7055475f), "0,7055475"},
        {0.999999999, "1"},  // rounds to the single 1
        {-2.5, "-2,5"},
        {1234567.0, "1234567"},
        {10000000.0, "1E+07"},
        {12345678.0, "1,234568E+07"},
        {16777217.0, "1,677722E+07"},
        {0.0001, "0,0001"},
        {0.00001, "1E-05"},
        {1e300, "1E+300"},  // beyond the single range: the double
        {kInf, "1,797693E+308"},
        {kNaN, "0"},
    };
    for (const WriteRow& row : rows) {
        EXPECT_EQ(singleText(row.value), row.expected) << "value " << row.value;
    }
}

TEST(NumberTextSignBlank, PutsABlankInFrontOfZeroAndPositives) {
    struct Row {
        double value;
        char mark;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {5.0, ',', " 5"},           {7.0, ',', " 7"},           {0.0, ',', " 0"},
        {-0.0, ',', " 0"},          {-12.0, ',', "-12"},        {-3.5, ',', "-3,5"},
        {2.5, '.', " 2.5"},         {1.00794, '.', " 1.00794"}, {98.07948, '.', " 98.07948"},
        {-1.5e20, '.', "-1.5E+20"}, {1e-5, '.', " 1E-05"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(signBlankText(row.value, row.mark), row.expected) << "value " << row.value;
    }
    EXPECT_EQ(signBlankText(2.5), " 2,5");
}

TEST(NumberTextSignBlank, EqualsKeyKeepsOnlyAPlainNegativeWholeNumber) {
    // The info line survives when it equals the point sign-blank text of its leading number.
    struct Row {
        std::string infoLine;
        bool survives;
    };
    const std::vector<Row> rows = {
        {"-12", true},      {"-3", true},
        {"-1E+20", true},   {"3,5", false},
        {"-3,5", false},    {"5", false},
        {"0", false},       {"-1,5E+20", false},
        {"1,5E+20", false}, {"Error: Parada crítica", false},
        {"", false},
    };
    for (const Row& row : rows) {
        const std::optional<double> lead = leadingNumber(row.infoLine);
        ASSERT_TRUE(lead.has_value()) << row.infoLine;
        EXPECT_EQ(signBlankText(*lead, '.') == row.infoLine, row.survives) << row.infoLine;
    }
}

TEST(NumberTextFile, WritesSettingsFileNumbers) {
    const std::vector<WriteRow> rows = {
        {16.0, "16"},
        {0.0, "0"},
        {-0.0, "0"},
        {166.386, "166.386"},
        {-0.5, "-0.5"},
        {-1234.5, "-1234.5"},
        {1.0 / 3.0, "0.333333333333333"},
        {1.5e20, "1.5E+20"},
        {1e15, "1E+15"},
        {1e-5, "1E-05"},
        {0.0001, "0.0001"},
        {1e-100, "1E-100"},
        {DBL_MAX, "1.79769313486232E+308"},
        {kMinSubnormal, "4.94065645841247E-324"},
        {kInf, "1.79769313486232E+308"},
        {kNaN, "0"},
    };
    for (const WriteRow& row : rows) {
        EXPECT_EQ(fileNumberText(row.value), row.expected) << "value " << row.value;
    }
}

TEST(NumberTextFile, ReadsWhatTheWriterWrites) {
    expectReads("parseFileNumber", parseFileNumber,
                {
                    {"16", 16.0},
                    {"0", 0.0},
                    {"-0", 0.0},
                    {"166.386", 166.386},
                    {".5", 0.5},
                    {"-.5", -0.5},
                    {"0.5", 0.5},
                    {"+2", 2.0},
                    {"5.", 5.0},
                    {"1.5E+20", 1.5e20},
                    {"1E-05", 1e-5},
                    {"1e5", 1e5},
                    {"1E5", 1e5},
                    {"-2.5E-3", -0.0025},
                    {"1.79769313486232E+308", DBL_MAX},
                    {"4.94065645841247E-324", kMinSubnormal},
                    {"", std::nullopt},
                    {"1,5", std::nullopt},
                    {" 1", std::nullopt},
                    {"1 ", std::nullopt},
                    {"abc", std::nullopt},
                    {"\"16\"", std::nullopt},
                    {"1E", std::nullopt},
                    {"1E+", std::nullopt},
                    {".", std::nullopt},
                    {"-", std::nullopt},
                    {"1.5.2", std::nullopt},
                    {"1E309", std::nullopt},
                    {"0x10", std::nullopt},
                    {"&h10", std::nullopt},
                });
}

TEST(NumberTextRoundTrip, RandomDoublesReadBackToTheirFifteenDigitValue) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-330, 308);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        double x;
        if (i % 2 == 0) {  // any bit pattern
            const std::uint64_t bits = random();
            std::memcpy(&x, &bits, sizeof x);
            if (!std::isfinite(x)) continue;
        } else {  // every decade alike
            x = mantissa(random) * std::pow(10.0, exponent(random));
            if (i % 3 == 0) x = -x;
            if (i % 5 == 0) x = std::round(x * 1000) / 1000;  // short decimals
            if (!std::isfinite(x)) continue;
        }
        const double expected = fifteenDigitValue(x);
        ++checked;

        const std::string text = generalText(x);
        const std::optional<double> back = parseNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        ASSERT_EQ(*back, expected) << "x " << x << " text " << text;
        ASSERT_EQ(text.find('.'), std::string::npos) << text;
        const std::string mantissaText = text.substr(0, text.find('E'));
        if (mantissaText.find(',') != std::string::npos) {
            ASSERT_NE(mantissaText.back(), '0') << "not the shortest text: " << text;
        }

        const std::string fileText = fileNumberText(x);
        const std::optional<double> fileBack = parseFileNumber(fileText);
        ASSERT_TRUE(fileBack.has_value()) << fileText;
        ASSERT_EQ(*fileBack, expected) << "x " << x << " file text " << fileText;

        const std::string blank = signBlankText(x, ',');
        ASSERT_EQ(parseNumber(blank), expected) << blank;
    }
    EXPECT_GT(checked, 190000);
}

TEST(NumberTextRoundTrip, SingleTextHoldsSevenDigitsOfTheSingleValue) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int i = 0; i < 100000; ++i) {
        const float x = unit(random) * std::pow(10.0f, static_cast<float>(i % 60 - 30));
        const std::string text = singleText(x);
        const std::optional<double> back = parseNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        // Half a unit of the 7th digit at most, and the text is stable.
        ASSERT_LE(std::fabs(*back - x), 0.50000001e-6 * std::fabs(x)) << x << " " << text;
        ASSERT_EQ(singleText(*back), text) << x;
    }
}
