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
#include <tuple>
#include <vector>

#include "core/text/number_text.h"

using namespace numeralia::text;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMinSubnormal = 4.9406564584124654e-324;
constexpr std::nullopt_t no = std::nullopt;

struct ReadRow {
    std::string text;
    std::optional<double> expected;
};

void expectReads(const char* what, std::optional<double> (*reader)(std::string_view),
                 const std::vector<ReadRow>& rows) {
    for (const ReadRow& row : rows) {
        const std::optional<double> got = reader(row.text);
        EXPECT_EQ(got, row.expected) << what << "(\"" << row.text << "\")";
        EXPECT_FALSE(got && std::signbit(*got) && *got == 0) << what << " gave -0 for " << row.text;
    }
}

struct WriteRow {
    double value;
    std::string expected;
};

void expectWrites(std::string (*writer)(double), const std::vector<WriteRow>& rows) {
    for (const WriteRow& row : rows) EXPECT_EQ(writer(row.value), row.expected) << row.value;
}

std::string repeated(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

// The reference 15-significant-digit value of x, by the C library.
double fifteenDigitValue(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    const double v = std::strtod(buf, nullptr);
    return std::isinf(v) ? std::copysign(DBL_MAX, x) : v;
}

// clang-format off
const std::vector<ReadRow> kDisplayTexts = {
    {"000005", 5.0}, {"-2,5", -2.5}, {"+3", 3.0}, {"\t7 ", 7.0}, {" -12", -12.0}, {"7,", 7.0},
    {",5", 0.5}, {"-0,000", 0.0}, {"1,5E+20", 1.5e20}, {"5e3", 5000.0}, {"-1E-05", -1e-5},
    {"5E", 5.0}, {"5E-", 5.0}, {"2,5E+", 2.5},  // while the exponent is being typed
    // The texts of the largest and smallest doubles, and magnitudes beyond them.
    {"1,79769313486232E+308", DBL_MAX}, {"-1,79769313486232E+308", -DBL_MAX},
    {"4,94065645841247E-324", kMinSubnormal}, {"-1E-400", 0.0}, {"0E99999", 0.0},
    {"1E-99999999999999999999", 0.0}, {"1" + repeated('0', 300), 1e300},
    {"0,000000000000000000001E+21", 1.0}, {"0," + repeated('0', 399) + "1E+400", 1.0},
    {"1E309", no}, {"1,79769313486233E+308", no}, {"1,797693134862321E+308", no},
    {"1" + repeated('0', 400), no}, {"1E99999999999999999999", no},
    // Correct rounding of long digit strings: a tie goes to the even neighbour, anything
    // beyond the tie, however far, rounds up.
    {"9007199254740993", 9007199254740992.0},
    {"9007199254740993," + repeated('0', 900) + "1", 9007199254740994.0},
    {"123456789012345678901234567890", 1.2345678901234568e29},
    // Hexadecimal and octal whole numbers.
    {"&h1F", 31.0}, {"&HFF", 255.0}, {"&hffffffffffffffff", 18446744073709551615.0},
    {"&o17", 15.0}, {" &h10 ", 16.0}, {"&h", no}, {"&h1G", no}, {"&o8", no},
    {"&h" + repeated('F', 300), no},
    // Not numbers: the point is no decimal separator here.
    {"", no}, {"   ", no}, {"1.5", no}, {"1,5,3", no}, {"--5", no}, {"- 5", no}, {"-", no},
    {",", no}, {"E5", no}, {"5 5", no}, {"5E5E5", no}, {"5E-+3", no}, {"inf", no},
    {"12#29#60", no}, {"Error: Parada crítica", no},
};

const std::vector<ReadRow> kLeadingNumbers = {
    {"2,5", 2.0}, {"1,5E+20", 1.0}, {"abc", 0.0}, {"", 0.0}, {"-", 0.0}, {"-abc", 0.0},
    {"  -12", -12.0}, {"+7", 7.0}, {"3.75xyz", 3.75}, {".5", 0.5}, {"-.5", -0.5},
    {"1e-2x", 0.01}, {"-0.5E+1", -5.0}, {"5E-x", 5.0}, {"12#29#60", 12.0}, {"#29", 0.0},
    {"1E308", 1e308}, {"1E-999", 0.0}, {"&Hff zz", 255.0}, {"&h", 0.0}, {"&o78", 7.0},
    {"&h" + repeated('F', 200), std::ldexp(1.0, 800)},
    // Beyond the double range.
    {"1" + repeated('0', 400), no}, {"-1E309", no}, {"1E99999999999999999999", no},
    {"&h" + repeated('F', 300), no},
};

// Settings-file numbers: what the writer writes and its variants, nothing else.
const std::vector<ReadRow> kFileNumbers = {
    {"16", 16.0}, {"-0", 0.0}, {"166.386", 166.386}, {".5", 0.5}, {"-.5", -0.5}, {"+2", 2.0},
    {"5.", 5.0}, {"1.5E+20", 1.5e20}, {"1e5", 1e5}, {"-2.5E-3", -0.0025},
    {"1.79769313486232E+308", DBL_MAX}, {"4.94065645841247E-324", kMinSubnormal},
    {"", no}, {"1,5", no}, {" 1", no}, {"1 ", no}, {"\"16\"", no}, {"1E", no}, {"1E+", no},
    {".", no}, {"-", no}, {"1.5.2", no}, {"1E309", no}, {"0x10", no}, {"&h10", no},
};

// Statistics data files: a point or a comma, strict otherwise.
const std::vector<ReadRow> kDataNumbers = {
    {"1.5", 1.5}, {"1,5", 1.5}, {"-2,25E3", -2250.0}, {"+7", 7.0}, {",5", 0.5}, {"5.", 5.0},
    {"1e-3", 0.001}, {"1000000001", 1000000001.0}, {"1.2345678901234567", 1.2345678901234567},
    {"", no}, {"1,5.2", no}, {"1.5,2", no}, {"1,5,2", no}, {"1E", no}, {"E5", no}, {" 1", no},
    {"inf", no}, {"nan", no}, {"0x10", no}, {"&h10", no}, {"1e999", no}, {"-", no}, {".", no},
};

const std::vector<WriteRow> kGeneralTexts = {
    {0.0, "0"}, {-0.0, "0"}, {-2.5, "-2,5"}, {0.05, "0,05"}, {0.1 + 0.2, "0,3"},
    {2.0 / 3.0, "0,666666666666667"},
    {-2.1 - std::floor(-2.1) - 1.0, "-0,1"},  // -0.10000000000000009
    {1234567.5, "1234567,5"}, {999999999999999.0, "999999999999999"},
    {999999999999999.9, "1E+15"}, {-1e15, "-1E+15"},
    {123456789012345678.0, "1,23456789012346E+17"}, {1.5e300, "1,5E+300"},
    {-0.00012345, "-0,00012345"}, {9.99999999999999e-5, "9,99999999999999E-05"},
    {9.999999999999999e-5, "0,0001"}, {1.23e-7, "1,23E-07"}, {1e-100, "1E-100"},
    {DBL_MAX, "1,79769313486232E+308"}, {kMinSubnormal, "4,94065645841247E-324"},
    {-kInf, "-1,79769313486232E+308"}, {kNaN, "0"},  // never infinity or NaN on screen
};

const std::vector<WriteRow> kSingleTexts = {
    {-0.0, "0"}, {1.0 / 3.0, "0,3333333"}, {static_cast<double>(0.7055475f), "0,7055475"},
    {0.999999999, "1"}, {1234567.0, "1234567"}, {10000000.0, "1E+07"},
    {16777217.0, "1,677722E+07"}, {0.00001, "1E-05"},
    {1e300, "1E+300"},  // beyond the single range: the double
    {kInf, "1,797693E+308"}, {kNaN, "0"},
};

const std::vector<WriteRow> kFileTexts = {
    {-0.0, "0"}, {166.386, "166.386"}, {-1234.5, "-1234.5"}, {1.0 / 3.0, "0.333333333333333"},
    {1.5e20, "1.5E+20"}, {1e-5, "1E-05"}, {0.0001, "0.0001"}, {1e-100, "1E-100"},
    {DBL_MAX, "1.79769313486232E+308"}, {kInf, "1.79769313486232E+308"}, {kNaN, "0"},
};

// Sign-blank texts: a blank in front of zero and positive numbers, with either decimal mark.
const std::tuple<double, char, std::string> kSignBlankTexts[] = {
    {5.0, ',', " 5"}, {-0.0, ',', " 0"}, {-12.0, ',', "-12"}, {-3.5, ',', "-3,5"},
    {1.00794, '.', " 1.00794"}, {-1.5e20, '.', "-1.5E+20"}, {1e-5, '.', " 1E-05"},
};
// clang-format on

}  // namespace

TEST(NumberText, ReadsDisplayLeadingAndFileNumbers) {
    expectReads("parseNumber", parseNumber, kDisplayTexts);
    expectReads("leadingNumber", leadingNumber, kLeadingNumbers);
    expectReads("parseFileNumber", parseFileNumber, kFileNumbers);
    expectReads("parseDataNumber", parseDataNumber, kDataNumbers);
    const std::string_view whole = "12345";  // only the given view is read
    EXPECT_EQ(parseNumber(whole.substr(0, 2)), 12.0);
    EXPECT_EQ(leadingNumber(whole.substr(1, 2)), 23.0);
    EXPECT_EQ(parseFileNumber(whole.substr(0, 3)), 123.0);
}

TEST(NumberText, WritesGeneralSingleFileAndSignBlankTexts) {
    expectWrites(generalText, kGeneralTexts);
    expectWrites(singleText, kSingleTexts);
    expectWrites(fileNumberText, kFileTexts);
    for (const auto& [value, mark, text] : kSignBlankTexts)
        EXPECT_EQ(signBlankText(value, mark), text);
    EXPECT_EQ(signBlankText(2.5), " 2,5");
    EXPECT_EQ(significantText(0.500090909090909, 7), "0,5000909");
    EXPECT_EQ(significantText(-999999994.6, 8), "-999999990");
    EXPECT_EQ(significantText(1.251, 2), "1,3");
    EXPECT_EQ(significantText(123456789e20, 3), "1,23E+28");
    EXPECT_EQ(significantText(2.0 / 3.0, 40), generalText(2.0 / 3.0));
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
        } else {  // every decade alike
            x = mantissa(random) * std::pow(10.0, exponent(random));
            if (i % 3 == 0) x = -x;
            if (i % 5 == 0) x = std::round(x * 1000) / 1000;  // short decimals
        }
        if (!std::isfinite(x)) continue;
        const double expected = fifteenDigitValue(x);
        ++checked;

        const std::string text = generalText(x);
        ASSERT_EQ(parseNumber(text), expected) << "x " << x << " text " << text;
        const std::string mantissaText = text.substr(0, text.find('E'));
        if (mantissaText.find(',') != std::string::npos) {
            ASSERT_NE(mantissaText.back(), '0') << "not the shortest text: " << text;
        }
        ASSERT_EQ(parseFileNumber(fileNumberText(x)), expected) << "x " << x;
        // Data files keep every digit: the very same double comes back.
        ASSERT_EQ(parseDataNumber(exactFileNumberText(x)), x == 0 ? 0.0 : x) << "x " << x;
        ASSERT_EQ(parseNumber(signBlankText(x, ',')), expected) << x;
    }
    EXPECT_GT(checked, 190000);

    // Single texts: half a unit of the 7th digit at most, and stable when read and written again.
    std::mt19937 randomSingle(7);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int i = 0; i < 100000; ++i) {
        const float x = unit(randomSingle) * std::pow(10.0f, static_cast<float>(i % 60 - 30));
        const std::string text = singleText(x);
        const std::optional<double> back = parseNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        ASSERT_LE(std::fabs(*back - x), 0.50000001e-6 * std::fabs(x)) << x << " " << text;
        ASSERT_EQ(singleText(*back), text) << x;
    }
}
