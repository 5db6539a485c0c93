// The key catalog and the keyboard tables.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calc_script.h"
#include "core/calc/keyboard_tables.h"

namespace numeralia::calc {
namespace {

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
}

TEST(CalcKeyCatalog, CaptionsFindTheirKeys) {
    EXPECT_EQ(keysByCaption("M3+"), std::vector<KeyId>{KeyId::memoryAdd3});
    EXPECT_EQ(keysByCaption("/"), std::vector<KeyId>{KeyId::divide});
    // The display's, the history's, the blue display's and the hexadecimal digit.
    EXPECT_EQ(keysByCaption("C").size(), 4u);
    EXPECT_TRUE(keysByCaption("nada").empty());
    EXPECT_EQ(keyByName("digit7"), KeyId::digit7);
    EXPECT_FALSE(keyByName("Digit7"));
}

TEST(CalcKeyboard, TablesOfBothModels) {
    const struct { int code, shift; std::optional<KeyId> key; } keyDown[] = {
        // Shift alone with 1 to 3 gives a memory key; a plain 1 is a typed character. V gives the
        // VAT keys: Shift alone "+IVA", Ctrl alone "-IVA", anything else "IVA".
        {'1', kShiftBit, KeyId::memoryAdd1},        {'3', kShiftBit, KeyId::memoryAdd3},
        {'1', 0, std::nullopt},                     {'1', kShiftBit | kCtrlBit, std::nullopt},
        {'2', kShiftBit | kAltBit, std::nullopt},   {'5', kShiftBit, std::nullopt},
        {'V', 0, KeyId::vatAmount},                 {'V', kShiftBit, KeyId::vatAdd},
        {'V', kCtrlBit, KeyId::vatRemove},          {'V', kShiftBit | kCtrlBit, KeyId::vatAmount},
        {'V', kAltBit, KeyId::vatAmount},
    };
    const std::pair<char32_t, std::optional<KeyId>> characters[] = {
        {U'\b', KeyId::correction}, {U'+', KeyId::plus},        {U'/', KeyId::divide},
        {U'c', KeyId::clearEntry},  {U'C', KeyId::clearEntry},  {U'a', KeyId::allClear},
        {U'<', KeyId::changeSign},  {U'>', KeyId::changeSign},  {U',', KeyId::decimalPoint},
        {U'e', KeyId::exponent},    {U'7', KeyId::digit7},      {U'0', KeyId::digit0},
        {U'Q', KeyId::currencyTo2}, {U'w', KeyId::currencyTo1}, {U'!', std::nullopt},
        {U'=', std::nullopt},       {U'\r', std::nullopt},      {U'v', std::nullopt},
    };
    for (CalculatorKind kind : {CalculatorKind::Scientific, CalculatorKind::Normal}) {
        const KeyboardTables& tables = keyboardTables(kind);
        for (const auto& row : keyDown) {
            EXPECT_EQ(matchKeyDown(tables, row.code, row.shift), row.key)
                << row.code << "/" << row.shift;
        }
        for (const auto& [character, key] : characters) {
            EXPECT_EQ(matchCharacter(tables, character), key) << static_cast<int>(character);
        }
    }
    EXPECT_EQ(matchKeyDown(keyboardTables(CalculatorKind::Scientific), '4', kShiftBit),
              KeyId::memoryAdd4);
    EXPECT_FALSE(matchKeyDown(keyboardTables(CalculatorKind::Normal), '4', kShiftBit));
}

// The rows where the two models part: the Normal model maps F5 to F8, P and I only; every
// other function key, letter and Shift+4 does nothing there.
TEST(CalcKeyboard, NormalModelHasItsOwnSmallerRows) {
    const KeyboardTables& scientific = keyboardTables(CalculatorKind::Scientific);
    const KeyboardTables& normal = keyboardTables(CalculatorKind::Normal);
    const struct { int code, shift; std::optional<KeyId> inNormal, inScientific; } keyDown[] = {
        {kVkF1 + 4, 0, KeyId::squareRoot, KeyId::squareRoot},
        {kVkF1 + 5, kShiftBit, KeyId::square, KeyId::square},
        {kVkF1 + 6, kCtrlBit, KeyId::cubeRoot, KeyId::cubeRoot},
        {kVkF1 + 7, 0, KeyId::cube, KeyId::cube},
        {kVkF1, 0, std::nullopt, KeyId::log10},
        {kVkF1 + 1, 0, std::nullopt, KeyId::tenPower},
        {kVkF1 + 2, kShiftBit, std::nullopt, KeyId::naturalLog},
        {kVkF1 + 3, 0, std::nullopt, KeyId::ePower},
        {kVkF1 + 8, 0, std::nullopt, KeyId::sine},
        {kVkF1 + 8, kShiftBit, std::nullopt, KeyId::arcSine},
        {kVkF1 + 10, 0, std::nullopt, KeyId::cosine},
        {kVkF1 + 11, kShiftBit, std::nullopt, KeyId::arcTangent},
        {kVkF1 + 9, 0, std::nullopt, std::nullopt},
        {'4', kShiftBit, std::nullopt, KeyId::memoryAdd4},
    };
    for (const auto& row : keyDown) {
        EXPECT_EQ(matchKeyDown(normal, row.code, row.shift), row.inNormal) << row.code;
        EXPECT_EQ(matchKeyDown(scientific, row.code, row.shift), row.inScientific) << row.code;
    }
    const struct { char32_t character; std::optional<KeyId> inNormal, inScientific; } typed[] = {
        {U'P', KeyId::pi, KeyId::pi},
        {U'p', KeyId::pi, KeyId::pi},
        {U'I', KeyId::reciprocal, KeyId::reciprocal},
        {U'i', KeyId::reciprocal, KeyId::reciprocal},
        {U'N', std::nullopt, KeyId::factorial},
        {U'o', std::nullopt, KeyId::toOctal},
        {U'H', std::nullopt, KeyId::toHex},
        {U'd', std::nullopt, KeyId::toDecimal},
        {U'º', std::nullopt, KeyId::dmsSeparator},
        {U'$', std::nullopt, std::nullopt},
    };
    for (const auto& row : typed) {
        EXPECT_EQ(matchCharacter(normal, row.character), row.inNormal)
            << static_cast<int>(row.character);
        EXPECT_EQ(matchCharacter(scientific, row.character), row.inScientific)
            << static_cast<int>(row.character);
    }
    // The statistics letters do nothing in the Normal model, nor do the hexadecimal letters.
    for (char32_t c : {U'X', U'x', U'Y', U'y', U'D', U'B', U'F'})
        EXPECT_EQ(matchCharacter(normal, c, false), std::nullopt) << static_cast<int>(c);
    // Every key either table presses is a key of the model.
    for (const KeyDownRow& row : normal.keyDown)
        EXPECT_TRUE(kindHasKey(CalculatorKind::Normal, row.key)) << keyInfo(row.key).name;
    for (const CharacterRow& row : normal.characters)
        EXPECT_TRUE(kindHasKey(CalculatorKind::Normal, row.key)) << keyInfo(row.key).name;
}

TEST(CalcKeyboard, KeyNames) {
    const std::pair<const char*, std::optional<int>> rows[] = {{"1", 49},
                                                               {"v", 86}, {"F1", 112}, {"F12", 123},
                                                               {"F13", std::nullopt},
                                                               {"Fx", std::nullopt},
                                                               {"", std::nullopt}};
    for (const auto& [name, code] : rows) EXPECT_EQ(keyCodeByName(name), code) << name;
}

TEST(CalcKeyboard, TypedDigitsLeaveTheFocusClickedDigitsMoveIt) {
    testing::Calculator calc;
    calc.model.typeKey(KeyId::digit5);
    EXPECT_FALSE(calc.model.focusToEquals());
    EXPECT_EQ(calc.model.state().numero, "5");
    calc.model.typeKey(KeyId::plus);
    EXPECT_TRUE(calc.model.focusToEquals());
    calc.model.press(KeyId::digit5);
    EXPECT_TRUE(calc.model.focusToEquals());
}

}  // namespace
}  // namespace numeralia::calc
