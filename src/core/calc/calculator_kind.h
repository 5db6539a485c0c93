#pragma once
// The two calculator models. They run the same code; a kind says which keys a model has
// and what it records as calculatorModel.

#include <string_view>

#include "core/calc/key_id.h"

namespace numeralia::calc {

enum class CalculatorKind { Scientific, Normal };

// "avanzada" or "normalita": what the model writes to calculatorModel when it opens.
std::string_view modelName(CalculatorKind kind);

// Whether the model has the key.
bool kindHasKey(CalculatorKind kind, KeyId id);

}  // namespace numeralia::calc
