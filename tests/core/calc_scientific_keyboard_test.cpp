// Keyboard rows of the Scientific functions, angles and number bases, and the hexadecimal
// letters of hexadecimal mode.

#include <gtest/gtest.h>

#include <optional>

#include "core/calc/keyboard_tables.h"

namespace numeralia::calc {
namespace {

TEST(CalcScientificKeyboard, FunctionKeysWithTheirShiftRule) {
    const KeyboardTables& t = keyboardTables(CalculatorKind::Scientific);
    struct Row {
        int code;
        int shift;
        std::optional<KeyId> key;
    };
    // clang-format off
    const Row rows[] = {
        {kVkF1, 0, KeyId::log10}, {kVkF1, kShiftBit, KeyId::log10},  // F1 with Shift still "log"
        {kVkF1 + 1, 0, KeyId::tenPower}, {kVkF1 + 2, kCtrlBit, KeyId::naturalLog},
        {kVkF1 + 3, 0, KeyId::ePower}, {kVkF1 + 4, 0, KeyId::squareRoot},
        {kVkF1 + 5, 0, KeyId::square}, {kVkF1 + 6, 0, KeyId::cubeRoot},
        {kVkF1 + 7, kAltBit, KeyId::cube}, {kVkF1 + 8, 0, KeyId::sine},
        {kVkF1 + 8, kShiftBit, KeyId::arcSine},
        {kVkF1 + 8, kCtrlBit, KeyId::sine},              // Ctrl+F9: the sine
        {kVkF1 + 8, kShiftBit | kCtrlBit, KeyId::sine},  // Shift alone, nothing else
        {kVkF1 + 9, 0, std::nullopt},                    // F10 is not used
        {kVkF1 + 10, kShiftBit, KeyId::arcCosine}, {kVkF1 + 10, 0, KeyId::cosine},
        {kVkF1 + 11, kShiftBit, KeyId::arcTangent}, {kVkF1 + 11, 0, KeyId::tangent},
    };
    // clang-format on
    for (const Row& r : rows)
        EXPECT_EQ(matchKeyDown(t, r.code, r.shift), r.key) << r.code << " " << r.shift;
}

TEST(CalcScientificKeyboard, CharactersInBothNumberModes) {
    const KeyboardTables& t = keyboardTables(CalculatorKind::Scientific);
    struct Row {
        char32_t c;
        std::optional<KeyId> decimal;
        std::optional<KeyId> hexadecimal;
    };
    // clang-format off
    const Row rows[] = {
        {U'P', KeyId::pi, KeyId::pi}, {U'p', KeyId::pi, KeyId::pi},
        {U'i', KeyId::reciprocal, KeyId::reciprocal}, {U'N', KeyId::factorial, KeyId::factorial},
        {U'º', KeyId::dmsSeparator, KeyId::dmsSeparator},
        {U'ª', KeyId::dmsSeparator, KeyId::dmsSeparator},
        {U'o', KeyId::toOctal, KeyId::toOctal}, {U'H', KeyId::toHex, KeyId::toHex},
        {U'd', KeyId::toDecimal, KeyId::toDecimal}, {U'7', KeyId::digit7, KeyId::digit7},
        // Capital A to F type hexadecimal digits in hexadecimal mode only.
        {U'D', KeyId::toDecimal, KeyId::hexDigitD}, {U'A', KeyId::allClear, KeyId::hexDigitA},
        {U'a', KeyId::allClear, KeyId::allClear}, {U'B', std::nullopt, KeyId::hexDigitB},
        {U'C', KeyId::clearEntry, KeyId::hexDigitC}, {U'c', KeyId::clearEntry, KeyId::clearEntry},
        {U'E', KeyId::exponent, KeyId::hexDigitE}, {U'F', std::nullopt, KeyId::hexDigitF},
        {U'f', std::nullopt, std::nullopt}, {U'G', std::nullopt, std::nullopt},
        // The statistics entries: "x" is no multiplication ("*" multiplies).
        {U'X', KeyId::statEnterX, KeyId::statEnterX}, {U'x', KeyId::statEnterX, KeyId::statEnterX},
        {U'Y', KeyId::statEnterY, KeyId::statEnterY}, {U'y', KeyId::statEnterY, KeyId::statEnterY},
        {U'*', KeyId::times, KeyId::times},
    };
    // clang-format on
    for (const Row& r : rows) {
        EXPECT_EQ(matchCharacter(t, r.c, false), r.decimal) << static_cast<int>(r.c);
        EXPECT_EQ(matchCharacter(t, r.c, true), r.hexadecimal) << static_cast<int>(r.c);
    }
}

}  // namespace
}  // namespace numeralia::calc
