#pragma once
// The keys of the Scientific model's functions, constants, angles and number bases. Each is
// an action on the calculator model, run by the key catalog; they share the model's hidden
// routines (function frame, error trap, history recorder, display formatting step).

#include <string_view>

#include "core/calc/angle_math.h"
#include "core/calc/calculator_kind.h"
#include "core/calc/function_math.h"
#include "core/calc/key_id.h"

namespace numeralia::calc {

class CalculatorModel;
struct CalculatorState;

// A computed value inside a key's error trap: a reported error throws ReportedError, a
// failure CalcFailure.
double valueOrThrow(const MathResult& r);

// Functions and constants (function_keys.cpp)
void functionKey(CalculatorModel& m, Function f);
void hyperbolicKey(CalculatorModel& m);                           // "hyp"
void piKey(CalculatorModel& m, double turns, const char* label);  // "p" (π) and "2 p" (2π)
void randomKey(CalculatorModel& m);                               // "rand"
void constantKey(CalculatorModel& m, std::string_view symbol);

// Angles (angle_keys.cpp)
void angleModeKey(CalculatorModel& m, AngleMode mode);        // "rad", "deg", "gra" modes
void angleConversionKey(CalculatorModel& m, AngleMode unit);  // "rad", "deg", "gra" conversions
void degreesMinutesSecondsKey(CalculatorModel& m);            // "gms"
void fieldSeparatorKey(CalculatorModel& m);                   // "#"
void degreesFromFieldsKey(CalculatorModel& m);                // "g"
void reduceAngleKey(CalculatorModel& m);                      // "red"

// Number bases (base_keys.cpp)
void decimalModeKey(CalculatorModel& m);          // option "Decimal"
void hexadecimalModeKey(CalculatorModel& m);      // option "Hexadecimal"
void toBaseKey(CalculatorModel& m, int base);     // "HEX" (16) and "OCT" (8)
void toDecimalKey(CalculatorModel& m);            // "DEC"
void hexDigitKey(CalculatorModel& m, int value);  // "A" to "F": 10 to 15

// Hexadecimal mode: typed numbers carry the prefix "&h".
inline constexpr std::string_view kHexPrefix = "&h";
bool isHexadecimalMode(const CalculatorState& s);
// A display holding a typed hexadecimal number ("&h1F"), in either mode (the correction key
// may bring one back after the mode changed).
inline bool isTypedHexadecimal(std::string_view display) { return display.starts_with(kHexPrefix); }

// Whether the key can be pressed in the model's number mode: the letters A to F only in
// hexadecimal mode; keys of fractions, angles, functions of real numbers, constants and
// currencies only in decimal mode.
bool keyEnabledInMode(const CalculatorState& s, KeyId id);

// The text a key shows: the caption, except for captions drawn in the Symbol typeface,
// which show the glyph they stand for ("p" is π, "2 p" is 2π, "Â¥" is ℜ∞, "S x" is Σ x,
// "D x n" is σ x n).
std::string_view shownCaption(KeyId id);
// The same in the window of the given model ("música" in the Normal model).
std::string_view shownCaption(CalculatorKind kind, KeyId id);

}  // namespace numeralia::calc
