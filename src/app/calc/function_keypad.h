#pragma once
// The Functions panel of the Scientific window: where its keys sit (functions, constants,
// angles, number bases), and how they show the model's state: keys the number mode
// disables are greyed, "hyp" stays lit while the hyperbolic flag is set, the mode key of the
// angle mode is lit, and the options "Decimal" and "Hexadecimal" show the number mode.

#include <span>

#include "app/calc/keypad_layout.h"

namespace numeralia::calc {
class CalculatorModel;
}

namespace numeralia::app {

class CalcKeypad;

// The rows of the Functions panel, a grid of 6 columns.
std::span<const KeySlot> functionPanelLayout();

// Once, after the keypad is built: the option keys become checkable.
void prepareFunctionKeys(const CalcKeypad& keypad);

// After every key: enabled keys, the hyperbolic flag, the angle mode, the number mode.
void refreshFunctionKeys(const CalcKeypad& keypad, const calc::CalculatorModel& model);

}  // namespace numeralia::app
