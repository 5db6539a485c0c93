// Numbers pasted from the clipboard: what users copy from spreadsheets, web pages and other
// calculators, read the Spanish way where the marks are ambiguous, and what is refused.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/text/number_text.h"
#include "core/text/pasted_number.h"

using namespace numeralia::text;

namespace {

struct PasteRow {
    std::string clipboard;
    const char* typed;  // nullptr: refused
    double value = 0;
};

TEST(PastedNumber, DecimalTextsAcceptedOrRefused) {
    const PasteRow rows[] = {
        // Plain numbers, blanks around them, signs (also the minus of word processors).
        {"42", "42", 42}, {"\t-7,5\r\n", "-7,5", -7.5}, {"+3", "3", 3}, {"0007", "7", 7},
        {"-0", "0", 0}, {"0,000", "0,000", 0}, {",5", "0,5", 0.5}, {"7,", "7", 7},
        {"\xE2\x88\x92" "2,5", "-2,5", -2.5},
        // Decimal mark: comma or point.
        {"3,14159", "3,14159", 3.14159}, {"3.14159", "3,14159", 3.14159},
        {"0.125", "0,125", 0.125}, {"1234.567", "1234,567", 1234.567}, {"1.23", "1,23", 1.23},
        // A single comma is decimal; a single point before three digits groups thousands.
        {"1,234", "1,234", 1.234}, {"1.234", "1234", 1234}, {"-12.500", "-12500", -12500},
        {"0.500", "0,500", 0.5}, {"1234.500", "1234,500", 1234.5},
        // Thousands separators of every kind (no-break and narrow no-break spaces too).
        {"1.234.567,89", "1234567,89", 1234567.89}, {"1,234,567.89", "1234567,89", 1234567.89},
        {"1 234 567,89", "1234567,89", 1234567.89}, {"1 234.5", "1234,5", 1234.5},
        {"1\xC2\xA0" "234\xC2\xA0" "567,89", "1234567,89", 1234567.89},
        {"1\xE2\x80\xAF" "234,5", "1234,5", 1234.5}, {"1,234,567", "1234567", 1234567},
        // Exponents; below the smallest double is 0, as typed.
        {"1,5E+3", "1,5E3", 1500}, {"2e-5", "2E-5", 2e-5}, {"1.234E5", "1,234E5", 123400},
        {"1E005", "1E5", 1e5}, {"1e-400", "1E-400", 0},
        // Refused: words, two numbers, broken groups, stray marks, out of range.
        {"", nullptr}, {"   ", nullptr}, {"hola", nullptr}, {"12 €", nullptr}, {"1 2", nullptr},
        {"12 34", nullptr}, {"1\t2", nullptr}, {"1\n2", nullptr}, {"1,2,3", nullptr},
        {"1.2.3", nullptr}, {"1.234,5.6", nullptr}, {"1,234.567,8", nullptr},
        {"1.234 567,8", nullptr}, {"012.345.678", nullptr}, {"1..5", nullptr}, {".", nullptr},
        {"-", nullptr}, {"--5", nullptr}, {"- 5", nullptr}, {"5E", nullptr}, {"E5", nullptr},
        {"1E5,5", nullptr}, {"1e400", nullptr}, {"-1,8E308", nullptr},
        {std::string(400, '9'), nullptr}, {"0x1F", nullptr}, {"50%", nullptr},
        {"\xD9\xA3", nullptr},  // an Arabic-Indic digit
    };
    for (const PasteRow& row : rows) {
        const auto got = readPastedNumber(row.clipboard);
        if (row.typed == nullptr) {
            EXPECT_FALSE(got) << "\"" << row.clipboard << "\" gave " << got->typed;
            continue;
        }
        ASSERT_TRUE(got) << "\"" << row.clipboard << "\" refused";
        EXPECT_EQ(got->typed, row.typed) << row.clipboard;
        EXPECT_DOUBLE_EQ(got->value, row.value) << row.clipboard;
        // What the keys would have typed reads back as the same number in the display.
        const auto displayed = parseNumber(got->typed);
        ASSERT_TRUE(displayed) << got->typed;
        EXPECT_DOUBLE_EQ(*displayed, got->value) << got->typed;
    }
}

TEST(PastedNumber, HexadecimalDigitsOnly) {
    const std::pair<std::string, std::optional<std::string>> rows[] = {
        {"ff", "FF"}, {" 1A2b \n", "1A2B"}, {"&hFF", "FF"}, {"0x00ff", "FF"}, {"000", "0"},
        {"1E3", "1E3"}, {std::string(250, 'F'), std::string(250, 'F')},  // 1000 bits: a double
        {std::string(260, 'F'), std::nullopt}, {"", std::nullopt}, {"0x", std::nullopt},
        {"-FF", std::nullopt}, {"12,5", std::nullopt}, {"1.000", std::nullopt},
        {"F F", std::nullopt}, {"FG", std::nullopt}, {"&o17", std::nullopt},
    };
    for (const auto& [clipboard, expected] : rows) {
        const auto got = readPastedHexadecimal(clipboard);
        if (!expected) {
            EXPECT_FALSE(got) << clipboard << " gave " << *got;
        } else {
            ASSERT_TRUE(got) << clipboard;
            EXPECT_EQ(*got, *expected) << clipboard;
        }
    }
}

}  // namespace
