#pragma once

namespace numeralia::app {

// The look of the calculator windows: a navy body, an LCD-like display and keys coloured by
// their kind (the keyStyle property the keypad sets).
extern const char* const kCalculatorStyle;

}  // namespace numeralia::app
