// The number-base keys: decimal or "&h" texts to hexadecimal and octal, hexadecimal to
// decimal, and what they refuse.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/calc/number_base.h"
#include "core/text/number_text.h"

using namespace numeralia;
using namespace numeralia::calc;

namespace {

bool isMessage(const std::string& t) { return t.rfind("Error: ", 0) == 0; }

TEST(CalcNumberBase, DisplayWrittenInBase16And8) {
    struct Row {
        std::string display;
        int base;
        std::string expected;  // digits or message
    };
    // clang-format off
    const Row rows[] = {
        {"255", 16, "FF"}, {"255", 8, "377"}, {"-0", 8, "0"}, {"-255", 16, "-FF"},
        {"&hFF", 8, "377"}, {"&h1f", 16, "1F"}, {"-&h10", 8, "-20"},  // typed hexadecimal numbers
        {"1,5E+3", 16, "5DC"}, {"9007199254740992", 16, "20000000000000"},
        {"-9007199254740992", 8, "-400000000000000000"},
        {"9007199254740994", 16, "Error: Número fuera de rango"},
        {"1E+20", 8, "Error: Número fuera de rango"},
        {"&h20000000000001", 16, "Error: Número fuera de rango"},
        {"2,5", 16, "Error: Número no entero"}, {"-0,5", 8, "Error: Número no entero"},
        {"FF", 16, "Error: Entrada no válida"},  // a hexadecimal result is not read as decimal
        {"12#30", 8, "Error: Entrada no válida"}, {"&hXY", 16, "Error: Entrada no válida"},
        {"", 16, "Error: Entrada no válida"},
    };
    // clang-format on
    for (const Row& r : rows) {
        const BaseText got = displayInBase(r.display, r.base);
        EXPECT_EQ(got.text, r.expected) << r.display << " in base " << r.base;
        EXPECT_EQ(got.ok, !isMessage(r.expected)) << r.display;
    }
}

TEST(CalcNumberBase, HexadecimalReadAsDecimal) {
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        {"FF", "255"}, {"&hFF", "255"}, {"&Hff", "255"}, {"-FF", "-255"}, {"-&h10", "-16"},
        {"0", "0"}, {"000000000000000000000001", "1"},  // leading zeros are no overflow
        {"20000000000000", "9007199254740992"},
        {"20000000000001", "Error: Número fuera de rango"},
        {"FFFFFFFFFFFFFFFFFFFFFFFFFFFF", "Error: Número fuera de rango"},
        {"FFFFFFFFFFFFFFFFFFFFFFFFFFFG", "Error: Entrada no válida"},
        {"12,5", "Error: Entrada no válida"}, {"&h", "Error: Entrada no válida"},
        {"-", "Error: Entrada no válida"}, {"", "Error: Entrada no válida"},
    };
    // clang-format on
    for (const auto& [display, expected] : rows) {
        const BaseText got = hexadecimalInDecimal(display);
        EXPECT_EQ(got.text, expected) << display;
        EXPECT_EQ(got.ok, !isMessage(expected)) << display;
        // The decimal text reads back as the same number.
        if (got.ok) {
            EXPECT_EQ(text::parseNumber(got.text), hexadecimalValue(display).value) << display;
        }
    }
    const std::pair<char, int> digits[] = {{'A', 10}, {'F', 15}, {'G', -1}, {'a', -1}};
    for (const auto& [c, value] : digits) EXPECT_EQ(hexDigitValue(c), value) << c;
}

TEST(CalcNumberBase, WholeNumbersFromDigitsUpTo2To53) {
    constexpr std::uint64_t top = std::uint64_t{1} << 53;
    const std::string zeros53(53, '0');
    struct Row {
        std::string digits;
        int base;
        std::optional<std::uint64_t> expected;
    };
    // clang-format off
    const Row rows[] = {
        {"", 10, 0}, {"0", 2, 0}, {"101", 2, 5}, {"777", 8, 511}, {"1f", 16, 31}, {"1F", 16, 31},
        {"9007199254740992", 10, top}, {"0009007199254740992", 10, top},
        {"9007199254740993", 10, std::nullopt}, {"99999999999999999999999", 10, std::nullopt},
        {"20000000000000", 16, top}, {"20000000000001", 16, std::nullopt},
        {"FFFFFFFFFFFFFFFFFFFF", 16, std::nullopt},  // would wrap around 2^64 unchecked
        {"1" + zeros53, 2, top}, {"1" + zeros53.substr(1) + "1", 2, std::nullopt},
        // A character that is no digit of the base.
        {"2", 2, std::nullopt}, {"8", 8, std::nullopt}, {"A", 10, std::nullopt},
        {"g", 16, std::nullopt}, {"-1", 10, std::nullopt}, {"1 ", 10, std::nullopt},
        {"1,5", 10, std::nullopt},
    };
    // clang-format on
    for (const Row& r : rows)
        EXPECT_EQ(wholeFromDigits(r.digits, r.base), r.expected) << r.digits << " base " << r.base;
}

// Every whole number written in hexadecimal reads back to itself.
TEST(CalcNumberBase, RoundTrip) {
    double x = 1;
    for (int i = 0; i < 60; ++i, x *= 2) {
        for (double v : {x, -x, x - 1, x + x / 2}) {
            if (std::fabs(v) > largestBaseNumber || v != std::trunc(v)) continue;
            const std::string hex = text::wholeNumberText(v, 16);
            const MathResult back = hexadecimalValue(hex);
            ASSERT_TRUE(back.isValue()) << hex;
            EXPECT_EQ(back.value, v) << hex;
        }
    }
}

}  // namespace
