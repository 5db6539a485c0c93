#pragma once
// The two calculator models. They run the same code; a kind says which keys a model has,
// how a few of its keys read, and what it records as calculatorModel.

#include <string_view>

#include "core/calc/key_id.h"
#include "core/shell/shared_state.h"

namespace numeralia::calc {

enum class CalculatorKind { Scientific, Normal };

// "avanzada" or "normalita": what the model writes to calculatorModel when it opens.
std::string_view modelName(CalculatorKind kind);

// Whether the model has the key.
bool kindHasKey(CalculatorKind kind, KeyId id);

// The caption and the tool tip of a key in the model's window: the key catalog's, except
// for the few keys the Normal model labels in its own words ("música", "Porcentaje").
std::string_view keyCaption(CalculatorKind kind, KeyId id);
std::string_view keyToolTip(CalculatorKind kind, KeyId id);

// Whether the currency keys' tool tips name the currencies (renewed on activation); the
// Normal model's keys keep fixed tool tips.
bool currencyTipsNameCurrencies(CalculatorKind kind);

// The "Modo" menu of a calculator window: records the chosen model in calculatorModel and
// tells whether the window has to give way to the other model (a different one was chosen).
bool chooseModel(SharedState& shared, CalculatorKind current, CalculatorKind chosen);

}  // namespace numeralia::calc
