#include "core/calc/calculator_kind.h"

#include <algorithm>
#include <array>

namespace numeralia::calc {

namespace {

// The keys of the Normal model; the Scientific model has every key.
constexpr std::array kNormalKeys = {
    KeyId::digit0,          KeyId::digit1,        KeyId::digit2,        KeyId::digit3,
    KeyId::digit4,          KeyId::digit5,        KeyId::digit6,        KeyId::digit7,
    KeyId::digit8,          KeyId::digit9,        KeyId::decimalPoint,  KeyId::changeSign,
    KeyId::exponent,        KeyId::correction,    KeyId::clearEntry,    KeyId::allClear,
    KeyId::exponentialView, KeyId::music,         KeyId::plus,          KeyId::minus,
    KeyId::times,           KeyId::divide,        KeyId::power,         KeyId::equals,
    KeyId::percent,         KeyId::memoryAdd1,    KeyId::memoryAdd2,    KeyId::memoryAdd3,
    KeyId::memoryRecall1,   KeyId::memoryRecall2, KeyId::memoryRecall3, KeyId::memoryClear1,
    KeyId::memoryClear2,    KeyId::memoryClear3,  KeyId::transit1,      KeyId::transit2,
    KeyId::transit3,        KeyId::historyToggle, KeyId::historyClear,  KeyId::vatAmount,
    KeyId::vatAdd,          KeyId::vatRemove,     KeyId::vatSetRate,    KeyId::currencyTo2,
    KeyId::currencyTo1,
};

}  // namespace

std::string_view modelName(CalculatorKind kind) {
    return kind == CalculatorKind::Normal ? "normalita" : "avanzada";
}

bool kindHasKey(CalculatorKind kind, KeyId id) {
    if (id >= KeyId::count) return false;
    if (kind == CalculatorKind::Scientific) return true;
    return std::find(kNormalKeys.begin(), kNormalKeys.end(), id) != kNormalKeys.end();
}

}  // namespace numeralia::calc
