#include "core/calc/keyboard_tables.h"

#include <cctype>

namespace numeralia::calc {

namespace {

constexpr int kShiftOnly = kShiftBit;

// Key-down rows of the Scientific model, in the order they are tried.
constexpr KeyDownRow kScientificKeyDown[] = {
    // V with Shift, Ctrl or nothing: the VAT keys (vat_keys.cpp) come first.
    {'V', kShiftOnly, KeyId::vatAdd},
    {'V', kCtrlBit, KeyId::vatRemove},
    {'V', kAnyShift, KeyId::vatAmount},
    {'1', kShiftOnly, KeyId::memoryAdd1},
    {'2', kShiftOnly, KeyId::memoryAdd2},
    {'3', kShiftOnly, KeyId::memoryAdd3},
    {'4', kShiftOnly, KeyId::memoryAdd4},
    // F1 to F12: the function keys, Shift rows before plain rows; F10 is not used.
    {kVkF1, kAnyShift, KeyId::log10},
    {kVkF1 + 1, kAnyShift, KeyId::tenPower},
    {kVkF1 + 2, kAnyShift, KeyId::naturalLog},
    {kVkF1 + 3, kAnyShift, KeyId::ePower},
    {kVkF1 + 4, kAnyShift, KeyId::squareRoot},
    {kVkF1 + 5, kAnyShift, KeyId::square},
    {kVkF1 + 6, kAnyShift, KeyId::cubeRoot},
    {kVkF1 + 7, kAnyShift, KeyId::cube},
    {kVkF1 + 8, kShiftOnly, KeyId::arcSine},
    {kVkF1 + 10, kShiftOnly, KeyId::arcCosine},
    {kVkF1 + 11, kShiftOnly, KeyId::arcTangent},
    {kVkF1 + 8, kAnyShift, KeyId::sine},
    {kVkF1 + 10, kAnyShift, KeyId::cosine},
    {kVkF1 + 11, kAnyShift, KeyId::tangent},
};

// Character rows of the Scientific model, in the order they are tried.
constexpr CharacterRow kScientificCharacters[] = {
    {U"\b", KeyId::correction},
    {U"+", KeyId::plus},
    {U"-", KeyId::minus},
    {U"*", KeyId::times},
    {U"/", KeyId::divide},
    {U"Cc", KeyId::clearEntry},
    {U"Aa", KeyId::allClear},
    {U"<>", KeyId::changeSign},
    {U"Pp", KeyId::pi},
    {U"Xx", KeyId::statEnterX},
    {U"Yy", KeyId::statEnterY},
    {U".,", KeyId::decimalPoint},
    {U"Ee", KeyId::exponent},
    {U"Ii", KeyId::reciprocal},
    {U"Qq", KeyId::currencyTo2},
    {U"Ww", KeyId::currencyTo1},
    {U"ºª", KeyId::dmsSeparator},
    {U"Nn", KeyId::factorial},
    {U"Oo", KeyId::toOctal},
    {U"Hh", KeyId::toHex},
    {U"Dd", KeyId::toDecimal},
    {U"0", KeyId::digit0},
    {U"1", KeyId::digit1},
    {U"2", KeyId::digit2},
    {U"3", KeyId::digit3},
    {U"4", KeyId::digit4},
    {U"5", KeyId::digit5},
    {U"6", KeyId::digit6},
    {U"7", KeyId::digit7},
    {U"8", KeyId::digit8},
    {U"9", KeyId::digit9},
};

// The Normal model's smaller tables.
constexpr KeyDownRow kNormalKeyDown[] = {
    // V with Shift, Ctrl or nothing: the VAT keys come first.
    {'V', kShiftOnly, KeyId::vatAdd},
    {'V', kCtrlBit, KeyId::vatRemove},
    {'V', kAnyShift, KeyId::vatAmount},
    {'1', kShiftOnly, KeyId::memoryAdd1},
    {'2', kShiftOnly, KeyId::memoryAdd2},
    {'3', kShiftOnly, KeyId::memoryAdd3},
    // F5 to F8 alone; F1 to F4 and F9 to F12 have no keys here.
    {kVkF1 + 4, kAnyShift, KeyId::squareRoot},
    {kVkF1 + 5, kAnyShift, KeyId::square},
    {kVkF1 + 6, kAnyShift, KeyId::cubeRoot},
    {kVkF1 + 7, kAnyShift, KeyId::cube},
};

constexpr CharacterRow kNormalCharacters[] = {
    {U"\b", KeyId::correction},
    {U"+", KeyId::plus},
    {U"-", KeyId::minus},
    {U"*", KeyId::times},
    {U"/", KeyId::divide},
    {U"Cc", KeyId::clearEntry},
    {U"Aa", KeyId::allClear},
    {U"<>", KeyId::changeSign},
    {U"Pp", KeyId::pi},
    {U".,", KeyId::decimalPoint},
    {U"Ee", KeyId::exponent},
    {U"Ii", KeyId::reciprocal},
    {U"Qq", KeyId::currencyTo2},
    {U"Ww", KeyId::currencyTo1},
    {U"0", KeyId::digit0},
    {U"1", KeyId::digit1},
    {U"2", KeyId::digit2},
    {U"3", KeyId::digit3},
    {U"4", KeyId::digit4},
    {U"5", KeyId::digit5},
    {U"6", KeyId::digit6},
    {U"7", KeyId::digit7},
    {U"8", KeyId::digit8},
    {U"9", KeyId::digit9},
};

const KeyboardTables kScientific{kScientificKeyDown, kScientificCharacters};
const KeyboardTables kNormal{kNormalKeyDown, kNormalCharacters};

}  // namespace

const KeyboardTables& keyboardTables(CalculatorKind kind) {
    return kind == CalculatorKind::Normal ? kNormal : kScientific;
}

std::optional<KeyId> matchKeyDown(const KeyboardTables& tables, int keyCode, int shiftState) {
    for (const KeyDownRow& row : tables.keyDown) {
        if (row.keyCode != keyCode) continue;
        if (row.shiftState == kAnyShift || row.shiftState == shiftState) return row.key;
    }
    return std::nullopt;
}

std::optional<KeyId> matchCharacter(const KeyboardTables& tables, char32_t character,
                                    bool hexadecimalMode) {
    // The capital letters A to F type hexadecimal digits ahead of the table.
    if (hexadecimalMode && character >= U'A' && character <= U'F') {
        return static_cast<KeyId>(static_cast<int>(KeyId::hexDigitA) +
                                  static_cast<int>(character - U'A'));
    }
    return matchCharacter(tables, character);
}

std::optional<KeyId> matchCharacter(const KeyboardTables& tables, char32_t character) {
    for (const CharacterRow& row : tables.characters) {
        if (row.characters.find(character) != std::u32string_view::npos) return row.key;
    }
    return std::nullopt;
}

bool opensHelp(const KeyboardTables& tables, int keyCode, int shiftState) {
    return keyCode == kVkF1 && !matchKeyDown(tables, keyCode, shiftState);
}

std::optional<int> keyCodeByName(std::string_view name) {
    if (name.size() == 1) {
        const unsigned char c = static_cast<unsigned char>(name[0]);
        if (std::isdigit(c)) return c;
        if (std::isalpha(c)) return std::toupper(c);
        return std::nullopt;
    }
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
        int n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 12) return kVkF1 + n - 1;
        return std::nullopt;
    }
    if (name == "Backspace" || name == "backspace") return kVkBackspace;
    return std::nullopt;
}

}  // namespace numeralia::calc
