#pragma once
// The keys of the equation solvers and number tools of the Scientific model. Each is an
// action on the calculator model, run by the key catalog, in one manner: its label in the
// function label and the history recorder first, then the work inside the error trap (the
// calculation failure path on a failure, the tool's own message beginning "Error: " on a
// domain error). Results are lines of the blue auxiliary display; a tool with one number
// as its result also puts it into the main display, as a function key does, and a tool
// whose results are only in the blue display leaves "0" in the main display.
//
// A press that fails leaves the tools' state as it was before it. Starting a tool ends any
// entry left unfinished by another one (the complex conversion included), and its first
// lines replace whatever the blue display showed.

#include <string>
#include <string_view>
#include <vector>

#include "core/calc/combinatorics.h"
#include "core/calc/solver_state.h"

namespace numeralia::calc {

class CalculatorModel;

// "(x,y)" (rectangular to polar) and "m,Ø" (polar to rectangular), two presses each, and
// "C" of the blue display (complex_keys.cpp).
void complexKey(CalculatorModel& m, bool rectangular);
void blueDisplayClearKey(CalculatorModel& m);

// "abc" (a, b, c) and "Div" (dividend, divisor): one operand per press (entry_tool_keys.cpp).
void quadraticKey(CalculatorModel& m);
void divisionKey(CalculatorModel& m);

// "Fact", "V m,n", "VR m,n", "C m,n", "CR m,n", "intp" and "µeff" (number_tool_keys.cpp).
void factorizationKey(CalculatorModel& m);
void countingKey(CalculatorModel& m, Counting kind);
void interpolationKey(CalculatorModel& m);
void magneticMomentKey(CalculatorModel& m);

// "S.Ec" and "Tem": they ask the user through the model's SolverDialogs (dialog_tool_keys.cpp).
void linearSystemKey(CalculatorModel& m);
void temperatureKey(CalculatorModel& m);

// The two "Res" keys: they do nothing (press() hands the focus back to "=", as for every key).
void reservedKey(CalculatorModel& m);

// ---- Shared by the tool keys (solver_frame.cpp) ----

// Ends the complex conversion and the entry of "abc" or "Div": every operand is unset,
// complexStep is 0.
void abandonEntries(SolverState& s);

// The blue display shows these two lists (a new tool's first lines), made visible.
void showInBlueDisplay(SolverState& s, std::vector<std::string> left,
                       std::vector<std::string> right);

// The end of a press whose results are in the blue display: main display "0", entry flag 0.
void endEntryStep(CalculatorModel& m);

// A number in a line of the blue display: the general number text.
std::string lineNumber(double x);

// Checks that the display's value is a whole number of at most 2^53 in magnitude, judged
// on the digits typed where the display holds a plain whole number (9007199254740993 reads
// as 2^53 in a double, but is refused). Throws ReportedError otherwise.
void checkWholeOperand(std::string_view display, double value);

}  // namespace numeralia::calc
