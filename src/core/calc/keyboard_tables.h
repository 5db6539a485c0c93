#pragma once
// The keyboard of the calculators: two tables, tried in order on every key the window sees.
// The key-down table matches the platform's virtual-key code and the Shift/Ctrl/Alt state;
// the character table matches the typed character. First match wins; the matched key does
// exactly what a click on it does.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/calc/calculator_kind.h"
#include "core/calc/key_id.h"

namespace numeralia::calc {

// Shift state bits.
inline constexpr int kShiftBit = 1;
inline constexpr int kCtrlBit = 2;
inline constexpr int kAltBit = 4;
// A key-down row that matches whatever the shift state is.
inline constexpr int kAnyShift = -1;

// Virtual-key codes used by the tables.
inline constexpr int kVkBackspace = 8;
inline constexpr int kVkF1 = 112;  // F1 to F12 are 112 to 123

struct KeyDownRow {
    int keyCode;     // 'V' is 86, '1' is 49, F1 is 112
    int shiftState;  // exactly this state, or kAnyShift
    KeyId key;
};

struct CharacterRow {
    std::u32string_view characters;  // any of these
    KeyId key;
};

struct KeyboardTables {
    std::span<const KeyDownRow> keyDown;
    std::span<const CharacterRow> characters;
};

const KeyboardTables& keyboardTables(CalculatorKind kind);

std::optional<KeyId> matchKeyDown(const KeyboardTables& tables, int keyCode, int shiftState);
std::optional<KeyId> matchCharacter(const KeyboardTables& tables, char32_t character);
// The same in the model's number mode: in hexadecimal mode the capital letters A to F type
// the hexadecimal digits; small letters keep their rows ("a" AC, "c" C, "d" DEC, "e" EXP).
std::optional<KeyId> matchCharacter(const KeyboardTables& tables, char32_t character,
                                    bool hexadecimalMode);

// Whether the key opens the calculator's Help window: F1, where the model's key-down table
// gives F1 to no key (the Normal model; the Scientific model's F1 is "log").
bool opensHelp(const KeyboardTables& tables, int keyCode, int shiftState);

// The virtual-key code of a key name: a letter or digit ("V", "1"), "F1" to "F12",
// "Backspace". nullopt for an unknown name.
std::optional<int> keyCodeByName(std::string_view name);

}  // namespace numeralia::calc
