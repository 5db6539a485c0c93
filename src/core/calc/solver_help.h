#pragma once
// The help texts of the equation solvers and number tools and of the blue display: what
// each key does, how its operands are entered, a worked example, its limits and messages.
// The help window shows them when the key is clicked.

#include <string_view>

#include "core/calc/key_id.h"

namespace numeralia::calc {

// The text of a key of the solvers, the counting keys and "n !"; empty for any other key.
std::string_view solverHelpText(KeyId id);

// The text of the blue auxiliary display.
std::string_view blueDisplayHelpText();

}  // namespace numeralia::calc
