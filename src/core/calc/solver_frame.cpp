// What the keys of the equation solvers and number tools share: ending unfinished entries,
// filling the blue display and the end of an entry step.

#include <cmath>

#include "core/calc/calculator_model.h"
#include "core/calc/solver_keys.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

void abandonEntries(SolverState& s) {
    s.complexStep = 0;
    s.complexX.reset();
    s.complexModulus.reset();
    s.entry = SolverEntry::None;
    s.operands.clear();
}

void showInBlueDisplay(SolverState& s, std::vector<std::string> left,
                       std::vector<std::string> right) {
    s.blue.rectangular = std::move(left);
    s.blue.polar = std::move(right);
    s.blue.visible = true;
}

void endEntryStep(CalculatorModel& m) {
    m.setDisplay("0");
    m.mutableState().entryFlag = 0;
}

std::string lineNumber(double x) { return text::generalText(x); }

void checkWholeOperand(std::string_view display, double value) {
    if (value != std::trunc(value)) throw ReportedError{message::notWhole};
    if (std::fabs(value) > largestExactWhole) throw ReportedError{message::outOfRange};
    while (!display.empty() && display.front() == ' ') display.remove_prefix(1);
    if (display.starts_with('-')) display.remove_prefix(1);
    if (display.empty() || display.find_first_not_of("0123456789") != std::string_view::npos)
        return;  // not a plain whole number: the value is what counts
    if (!wholeFromDigits(display, 10)) throw ReportedError{message::outOfRange};
}

// Nothing to do: press() hands the focus back to "=" after every key.
void reservedKey(CalculatorModel&) {}

}  // namespace numeralia::calc
