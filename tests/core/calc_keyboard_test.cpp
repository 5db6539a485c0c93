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
    EXPECT_EQ(keysByCaption("C").size(), 3u);  // the display's, the history's, the hex digit
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
