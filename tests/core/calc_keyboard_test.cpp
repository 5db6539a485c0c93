// The key catalog and the keyboard tables of both models.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "calc_script.h"
#include "core/calc/keyboard_tables.h"

namespace numeralia::calc {
namespace {

using K = KeyId;
constexpr std::nullopt_t none = std::nullopt;

TEST(CalcKeyCatalog, EveryIdHasOneRowWithAUniqueName) {
    std::set<std::string_view> names;
    std::set<KeyId> ids;
    for (const KeyInfo& key : allKeys()) {
        EXPECT_TRUE(names.insert(key.name).second) << key.name;
        EXPECT_TRUE(ids.insert(key.id).second) << key.name;
        EXPECT_FALSE(key.caption.empty()) << key.name;
        EXPECT_EQ(keyByName(key.name), key.id);
    }
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(kKeyCount));
    EXPECT_EQ(keysByCaption("M3+"), std::vector<KeyId>{K::memoryAdd3});
    EXPECT_EQ(keysByCaption("/"), std::vector<KeyId>{K::divide});
    // The display's, the history's, the blue display's and the hexadecimal digit.
    EXPECT_EQ(keysByCaption("C").size(), 4u);
    EXPECT_TRUE(keysByCaption("nada").empty());
    EXPECT_FALSE(keyByName("Digit7"));
}

// Key code and shift state; what the Normal and the Scientific model press.
TEST(CalcKeyboard, KeyDownRowsOfBothModels) {
    // clang-format off
    const struct { int code, shift; std::optional<KeyId> normal, scientific; } rows[] = {
        // Shift alone with 1 to 3 (4 in the Scientific model) gives a memory key.
        {'1', kShiftBit, K::memoryAdd1, K::memoryAdd1},
        {'3', kShiftBit, K::memoryAdd3, K::memoryAdd3},
        {'4', kShiftBit, none, K::memoryAdd4},          {'5', kShiftBit, none, none},
        {'1', 0, none, none},  {'4', 0, none, none},   {'1', kShiftBit | kCtrlBit, none, none},
        {'2', kShiftBit | kAltBit, none, none},
        // V: Shift alone "+IVA", Ctrl alone "-IVA", anything else "IVA".
        {'V', 0, K::vatAmount, K::vatAmount},           {'V', kShiftBit, K::vatAdd, K::vatAdd},
        {'V', kCtrlBit, K::vatRemove, K::vatRemove},    {'V', kAltBit, K::vatAmount, K::vatAmount},
        {'V', kShiftBit | kCtrlBit, K::vatAmount, K::vatAmount},
        // F5 to F8 in both models, whatever the shift state; the rest in the Scientific only.
        {kVkF1 + 4, 0, K::squareRoot, K::squareRoot}, {kVkF1 + 5, kShiftBit, K::square, K::square},
        {kVkF1 + 6, kCtrlBit, K::cubeRoot, K::cubeRoot},
        {kVkF1 + 7, kAltBit, K::cube, K::cube},
        {kVkF1, 0, none, K::log10},                     {kVkF1, kShiftBit, none, K::log10},
        {kVkF1 + 1, 0, none, K::tenPower},              {kVkF1 + 2, kCtrlBit, none, K::naturalLog},
        {kVkF1 + 3, 0, none, K::ePower},                {kVkF1 + 8, 0, none, K::sine},
        {kVkF1 + 8, kShiftBit, none, K::arcSine},       {kVkF1 + 8, kCtrlBit, none, K::sine},
        {kVkF1 + 8, kShiftBit | kCtrlBit, none, K::sine},
        {kVkF1 + 9, 0, none, none},                     // F10 is not used
        {kVkF1 + 10, kShiftBit, none, K::arcCosine},    {kVkF1 + 10, 0, none, K::cosine},
        {kVkF1 + 11, kShiftBit, none, K::arcTangent},   {kVkF1 + 11, 0, none, K::tangent},
    };
    // clang-format on
    const KeyboardTables& normal = keyboardTables(CalculatorKind::Normal);
    const KeyboardTables& scientific = keyboardTables(CalculatorKind::Scientific);
    for (const auto& r : rows) {
        EXPECT_EQ(matchKeyDown(normal, r.code, r.shift), r.normal) << r.code << "/" << r.shift;
        EXPECT_EQ(matchKeyDown(scientific, r.code, r.shift), r.scientific) << r.code;
    }
}

// A typed character; what the Normal model presses, and the Scientific model in decimal
// and in hexadecimal mode (where capital A to F type the hexadecimal digits).
TEST(CalcKeyboard, CharacterRowsOfBothModelsAndNumberModes) {
    // clang-format off
    const struct { char32_t c; std::optional<KeyId> normal, decimal, hexadecimal; } rows[] = {
        {U'\b', K::correction, K::correction, K::correction}, {U'+', K::plus, K::plus, K::plus},
        {U'/', K::divide, K::divide, K::divide},      {U'*', K::times, K::times, K::times},
        {U'<', K::changeSign, K::changeSign, K::changeSign},
        {U'>', K::changeSign, K::changeSign, K::changeSign},
        {U',', K::decimalPoint, K::decimalPoint, K::decimalPoint},
        {U'7', K::digit7, K::digit7, K::digit7},      {U'0', K::digit0, K::digit0, K::digit0},
        {U'Q', K::currencyTo2, K::currencyTo2, K::currencyTo2},
        {U'w', K::currencyTo1, K::currencyTo1, K::currencyTo1},
        {U'P', K::pi, K::pi, K::pi},                  {U'p', K::pi, K::pi, K::pi},
        {U'I', K::reciprocal, K::reciprocal, K::reciprocal},
        {U'i', K::reciprocal, K::reciprocal, K::reciprocal},
        {U'a', K::allClear, K::allClear, K::allClear},
        {U'A', K::allClear, K::allClear, K::hexDigitA},
        {U'c', K::clearEntry, K::clearEntry, K::clearEntry},
        {U'C', K::clearEntry, K::clearEntry, K::hexDigitC},
        {U'e', K::exponent, K::exponent, K::exponent},
        {U'E', K::exponent, K::exponent, K::hexDigitE},
        {U'B', none, none, K::hexDigitB},             {U'F', none, none, K::hexDigitF},
        {U'D', none, K::toDecimal, K::hexDigitD},     {U'd', none, K::toDecimal, K::toDecimal},
        {U'N', none, K::factorial, K::factorial},     {U'o', none, K::toOctal, K::toOctal},
        {U'H', none, K::toHex, K::toHex},
        {U'º', none, K::dmsSeparator, K::dmsSeparator},
        {U'ª', none, K::dmsSeparator, K::dmsSeparator},
        // The statistics entries: "x" is no multiplication ("*" multiplies).
        {U'X', none, K::statEnterX, K::statEnterX},   {U'x', none, K::statEnterX, K::statEnterX},
        {U'Y', none, K::statEnterY, K::statEnterY},   {U'y', none, K::statEnterY, K::statEnterY},
        {U'f', none, none, none},  {U'G', none, none, none},  {U'$', none, none, none},
        {U'!', none, none, none},  {U'=', none, none, none},  {U'\r', none, none, none},
        {U'v', none, none, none},
    };
    // clang-format on
    const KeyboardTables& normal = keyboardTables(CalculatorKind::Normal);
    const KeyboardTables& scientific = keyboardTables(CalculatorKind::Scientific);
    for (const auto& r : rows) {
        const int c = static_cast<int>(r.c);
        EXPECT_EQ(matchCharacter(normal, r.c, false), r.normal) << c;
        EXPECT_EQ(matchCharacter(scientific, r.c, false), r.decimal) << c;
        EXPECT_EQ(matchCharacter(scientific, r.c, true), r.hexadecimal) << c;
    }
    // Every key the Normal model's tables press is a key of that model.
    for (const KeyDownRow& row : normal.keyDown)
        EXPECT_TRUE(kindHasKey(CalculatorKind::Normal, row.key)) << keyInfo(row.key).name;
    for (const CharacterRow& row : normal.characters)
        EXPECT_TRUE(kindHasKey(CalculatorKind::Normal, row.key)) << keyInfo(row.key).name;
}

TEST(CalcKeyboard, KeyNamesAndTheFocus) {
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"1", 49}, {"v", 86}, {"F1", 112}, {"F12", 123}, {"F13", none}, {"Fx", none}, {"", none}};
    for (const auto& [name, code] : rows) EXPECT_EQ(keyCodeByName(name), code) << name;

    // Typed digits leave the focus where it is, clicked ones move it to "=".
    testing::Calculator calc;
    calc.model.typeKey(K::digit5);
    EXPECT_FALSE(calc.model.focusToEquals());
    EXPECT_EQ(calc.model.state().numero, "5");
    calc.model.typeKey(K::plus);
    EXPECT_TRUE(calc.model.focusToEquals());
    calc.model.press(K::digit5);
    EXPECT_TRUE(calc.model.focusToEquals());
}

}  // namespace
}  // namespace numeralia::calc
