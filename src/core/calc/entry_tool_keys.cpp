// The tools whose operands are entered one per press of their key: "abc" (a, b and c of
// a·x² + b·x + c = 0) and "Div" (dividend and divisor). Each press reads the main display,
// checks the operand at once (a refused operand is not stored: the user types it again and
// presses the key once more), writes its line into the blue display and leaves "0" in the
// main display; the last press writes the results.

#include <cmath>
#include <string>
#include <vector>

#include "core/calc/calculator_model.h"
#include "core/calc/integer_tools.h"
#include "core/calc/quadratic.h"
#include "core/calc/scientific_keys.h"
#include "core/calc/solver_keys.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

// What sets one tool apart: its label, its operands, its headings, its checks and results.
struct EntryTool {
    SolverEntry entry;
    const char* label;
    std::vector<const char*> operandNames;
    const char* leftHeading;
    const char* rightHeading;
    // Throws ReportedError for an operand refused, given the operands already accepted.
    void (*check)(const std::string& display, double value, const std::vector<double>& accepted);
    // The operand's line text after "name = ".
    std::string (*operandText)(const std::string& display, double value);
    // The result lines, from all the operands.
    std::vector<std::string> (*results)(const std::vector<double>& operands);
};

std::string asTyped(const std::string& display, double) { return display; }
std::string wholeDigits(const std::string&, double value) {
    return text::wholeNumberText(value, 10);
}

void quadraticCheck(const std::string&, double value, const std::vector<double>& accepted) {
    // With a = 0 and b = 0 no equation is left to solve: b is refused.
    if (accepted.size() == 1 && accepted[0] == 0.0 && value == 0.0)
        throw ReportedError{message::notAnEquation};
}

std::vector<std::string> quadraticResults(const std::vector<double>& o) {
    const QuadraticSolution solution = solveQuadratic(o[0], o[1], o[2]);
    valueOrThrow(solution.outcome);
    const QuadraticRoots& r = solution.roots;
    using Kind = QuadraticRoots::Kind;
    switch (r.kind) {
        case Kind::Linear:
            return {"x = " + lineNumber(r.x1)};
        case Kind::DoubleReal:
            return {"x1 = x2 = " + lineNumber(r.x1)};
        case Kind::Complex:
            return {"x1 = " + lineNumber(r.re) + " + " + lineNumber(r.im) + " i",
                    "x2 = " + lineNumber(r.re) + " − " + lineNumber(r.im) + " i"};
        case Kind::TwoReal:
            break;
    }
    return {"x1 = " + lineNumber(r.x1), "x2 = " + lineNumber(r.x2)};
}

void divisionCheck(const std::string& display, double value, const std::vector<double>& accepted) {
    checkWholeOperand(display, value);
    if (accepted.size() == 1 && value == 0.0) throw ReportedError{message::divisionByZero};
}

std::vector<std::string> divisionResults(const std::vector<double>& o) {
    const QuotientRemainder r =
        euclideanDivision(static_cast<std::int64_t>(o[0]), static_cast<std::int64_t>(o[1]));
    return {"Cociente = " + std::to_string(r.quotient), "Resto = " + std::to_string(r.remainder)};
}

const EntryTool kQuadratic{
    SolverEntry::Quadratic, "abc",   {"a", "b", "c"}, "Ecuación de 2º grado", "Raíces",
    quadraticCheck,         asTyped, quadraticResults};

const EntryTool kDivision{SolverEntry::Division,
                          "Div",
                          {"Dividendo", "Divisor"},
                          "División entera",
                          "Cociente y resto",
                          divisionCheck,
                          wholeDigits,
                          divisionResults};

void entryPress(CalculatorModel& m, const EntryTool& tool) {
    CalculatorState& s = m.mutableState();
    s.func = tool.label;
    m.recordHistory();
    m.trap([&] {
        SolverState& v = s.solver;
        const double value = m.displayValue();
        const bool fresh = v.entry != tool.entry;
        std::vector<double> operands = fresh ? std::vector<double>{} : v.operands;
        tool.check(s.numero, value, operands);
        const std::string line = std::string(tool.operandNames[operands.size()]) + " = " +
                                 tool.operandText(s.numero, value);
        operands.push_back(value);
        const bool last = operands.size() == tool.operandNames.size();
        std::vector<std::string> results;
        if (last) results = tool.results(operands);
        // Nothing failed: the press takes effect.
        if (fresh) {
            abandonEntries(v);
            showInBlueDisplay(v, {tool.leftHeading}, {tool.rightHeading});
        }
        v.blue.visible = true;
        v.blue.rectangular.push_back(line);
        v.blue.polar.insert(v.blue.polar.end(), results.begin(), results.end());
        if (last) {
            abandonEntries(v);
        } else {
            v.entry = tool.entry;
            v.operands = std::move(operands);
        }
        endEntryStep(m);
    });
}

}  // namespace

void quadraticKey(CalculatorModel& m) { entryPress(m, kQuadratic); }

void divisionKey(CalculatorModel& m) { entryPress(m, kDivision); }

}  // namespace numeralia::calc
