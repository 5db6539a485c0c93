#include "core/calc/calculator_kind.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/calc/key_catalog.h"

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
    KeyId::percent,         KeyId::square,        KeyId::squareRoot,    KeyId::cube,
    KeyId::cubeRoot,        KeyId::reciprocal,    KeyId::pi,            KeyId::memoryAdd1,
    KeyId::memoryAdd2,      KeyId::memoryAdd3,    KeyId::memoryRecall1, KeyId::memoryRecall2,
    KeyId::memoryRecall3,   KeyId::memoryClear1,  KeyId::memoryClear2,  KeyId::memoryClear3,
    KeyId::transit1,        KeyId::transit2,      KeyId::transit3,      KeyId::historyToggle,
    KeyId::historyClear,    KeyId::vatAmount,     KeyId::vatAdd,        KeyId::vatRemove,
    KeyId::vatSetRate,      KeyId::currencyTo2,   KeyId::currencyTo1,
};

// Captions and tool tips of the Normal model that differ from the catalog's.
constexpr std::pair<KeyId, std::string_view> kNormalCaptions[] = {
    {KeyId::music, "música"},
};
constexpr std::pair<KeyId, std::string_view> kNormalToolTips[] = {
    {KeyId::percent, "Porcentaje"},
    {KeyId::squareRoot, "Raiz Cuadrada.  {F5}"},
    {KeyId::cubeRoot, "Raiz Cúbica.  {F7}"},
    {KeyId::pi, "Pi.  {P}"},
    {KeyId::currencyTo2, "Conversor de Moneda-1 a Moneda-2"},
    {KeyId::currencyTo1, "Conversor de Moneda-2 a Moneda-1"},
};

template <std::size_t N>
std::string_view lookUp(const std::pair<KeyId, std::string_view> (&table)[N], KeyId id,
                        std::string_view fallback) {
    for (const auto& [key, text] : table) {
        if (key == id) return text;
    }
    return fallback;
}

}  // namespace

std::string_view modelName(CalculatorKind kind) {
    return kind == CalculatorKind::Normal ? "normalita" : "avanzada";
}

bool kindHasKey(CalculatorKind kind, KeyId id) {
    if (id >= KeyId::count) return false;
    if (kind == CalculatorKind::Scientific) return true;
    return std::find(kNormalKeys.begin(), kNormalKeys.end(), id) != kNormalKeys.end();
}

std::string_view keyCaption(CalculatorKind kind, KeyId id) {
    const std::string_view caption = keyInfo(id).caption;
    return kind == CalculatorKind::Normal ? lookUp(kNormalCaptions, id, caption) : caption;
}

std::string_view keyToolTip(CalculatorKind kind, KeyId id) {
    const std::string_view tip = keyInfo(id).toolTip;
    return kind == CalculatorKind::Normal ? lookUp(kNormalToolTips, id, tip) : tip;
}

bool currencyTipsNameCurrencies(CalculatorKind kind) { return kind == CalculatorKind::Scientific; }

bool chooseModel(SharedState& shared, CalculatorKind current, CalculatorKind chosen) {
    shared.calculatorModel = std::string(modelName(chosen));
    return chosen != current;
}

}  // namespace numeralia::calc
