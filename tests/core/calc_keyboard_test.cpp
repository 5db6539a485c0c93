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
    EXPECT_EQ(keysByCaption("C").size(),
              3u);  // the display's, the history's, the hexadecimal digit
    EXPECT_TRUE(keysByCaption("nada").empty());
    EXPECT_EQ(keyByName("digit7"), KeyId::digit7);
    EXPECT_FALSE(keyByName("Digit7"));
}

struct KeyDownRowCase {
    int code;
    int shift;
    std::optional<KeyId> key;
};

TEST(CalcKeyboard, KeyDownTable) {
    const KeyboardTables& tables = keyboardTables(CalculatorKind::Scientific);
    const KeyDownRowCase rows[] = {
        {'1', kShiftBit, KeyId::memoryAdd1},
        {'4', kShiftBit, KeyId::memoryAdd4},
        {'1', 0, std::nullopt},                     // a plain 1 is a typed character
        {'1', kShiftBit | kCtrlBit, std::nullopt},  // Shift alone, nothing else
        {'2', kShiftBit | kAltBit, std::nullopt},
        {'5', kShiftBit, std::nullopt},
    };
    for (const KeyDownRowCase& row : rows) {
        EXPECT_EQ(matchKeyDown(tables, row.code, row.shift), row.key)
            << row.code << "/" << row.shift;
    }
    const KeyboardTables& normal = keyboardTables(CalculatorKind::Normal);
    EXPECT_EQ(matchKeyDown(normal, '3', kShiftBit), KeyId::memoryAdd3);
    EXPECT_FALSE(matchKeyDown(normal, '4', kShiftBit));  // no fourth memory there
}

TEST(CalcKeyboard, CharacterTable) {
    const KeyboardTables& tables = keyboardTables(CalculatorKind::Scientific);
    const std::pair<char32_t, std::optional<KeyId>> rows[] = {
        {U'\b', KeyId::correction}, {U'+', KeyId::plus},         {U'-', KeyId::minus},
        {U'*', KeyId::times},       {U'/', KeyId::divide},       {U'c', KeyId::clearEntry},
        {U'C', KeyId::clearEntry},  {U'a', KeyId::allClear},     {U'<', KeyId::changeSign},
        {U'>', KeyId::changeSign},  {U'.', KeyId::decimalPoint}, {U',', KeyId::decimalPoint},
        {U'e', KeyId::exponent},    {U'7', KeyId::digit7},       {U'0', KeyId::digit0},
        {U'!', std::nullopt},       {U'=', std::nullopt},        {U'\r', std::nullopt},
        {U'v', std::nullopt},
    };
    for (const auto& [character, key] : rows) {
        EXPECT_EQ(matchCharacter(tables, character), key) << static_cast<int>(character);
    }
}

TEST(CalcKeyboard, KeyNames) {
    EXPECT_EQ(keyCodeByName("1"), 49);
    EXPECT_EQ(keyCodeByName("v"), 86);
    EXPECT_EQ(keyCodeByName("F1"), 112);
    EXPECT_EQ(keyCodeByName("F12"), 123);
    EXPECT_FALSE(keyCodeByName("F13"));
    EXPECT_FALSE(keyCodeByName("Fx"));
    EXPECT_FALSE(keyCodeByName(""));
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
