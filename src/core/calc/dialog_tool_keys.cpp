// The tools that ask the user through a dialog: "S.Ec" (a system of linear equations typed
// into a grid) and "Tem" (a conversion between temperature scales). The model says what is
// asked and checks the answer; SolverDialogs only shows the question. A cancelled dialog
// ends the key after its label and history entry, with nothing else changed.

#include <cmath>
#include <string>
#include <vector>

#include "core/calc/calculator_model.h"
#include "core/calc/scientific_keys.h"
#include "core/calc/solver_keys.h"
#include "core/calc/temperature.h"

namespace numeralia::calc {

namespace {

constexpr const char* kSystemTitle = "Numeralia - Sistema de Ecuaciones Lineales";
constexpr const char* kTemperatureTitle = "Numeralia - Conversor de Temperaturas";

// "2·X1 + 1·X2 − 1·X3 = 8": the equation of row r as typed.
std::string equationLine(const LinearSystemForm& form, int r) {
    std::string line;
    for (int c = 0; c < form.size; ++c) {
        const double a = *formValue(form.cell(r, c));
        const std::string term = lineNumber(std::fabs(a)) + "·X" + std::to_string(c + 1);
        if (c == 0) {
            line = (a < 0 ? "−" : "") + term;
        } else {
            line += (a < 0 ? " − " : " + ") + term;
        }
    }
    return line + " = " + lineNumber(*formValue(form.cell(r, form.size)));
}

std::string conversionChoice(const TemperatureConversion& c) {
    return std::string(scaleName(c.from)) + " (" + std::string(scaleSymbol(c.from)) + ")  →  " +
           std::string(scaleName(c.to)) + " (" + std::string(scaleSymbol(c.to)) + ")";
}

}  // namespace

void linearSystemKey(CalculatorModel& m) {
    CalculatorState& s = m.mutableState();
    s.func = "S.Ec";
    m.recordHistory();
    const auto form = m.solverDialogs().askLinearSystem(kSystemTitle, s.solver.lastSystem);
    if (!form) return;
    // The system typed is offered again next time, even when it has no single solution,
    // so that the user can mend it.
    if (isWellFormed(*form)) s.solver.lastSystem = *form;
    m.trap([&] {
        const LinearSolution solution = solveLinearSystem(*form);
        valueOrThrow(solution.outcome);
        const int n = form->size;
        std::vector<std::string> left{"Sistema de " + std::to_string(n) + " ecuaciones"};
        std::vector<std::string> right{"Solución"};
        for (int r = 0; r < n; ++r) {
            left.push_back(equationLine(*form, r));
            right.push_back("X" + std::to_string(r + 1) + " = " +
                            lineNumber(solution.x[static_cast<std::size_t>(r)]));
        }
        abandonEntries(s.solver);
        showInBlueDisplay(s.solver, std::move(left), std::move(right));
        endEntryStep(m);
    });
}

void temperatureKey(CalculatorModel& m) {
    CalculatorState& s = m.mutableState();
    s.func = "Tem";
    m.recordHistory();
    double t = 0;
    if (m.trap([&] { t = m.displayValue(); }) != CalculatorModel::Outcome::Done) {
        s.entryFlag = 0;
        return;
    }
    const auto conversions = temperatureConversions();
    ChoiceQuestion question{kTemperatureTitle,
                            "Temperatura " + s.numero + ": elija la conversión",
                            {},
                            s.solver.lastTemperature};
    for (const TemperatureConversion& c : conversions)
        question.choices.push_back(conversionChoice(c));
    const auto choice = m.solverDialogs().askChoice(question);
    if (!choice || *choice >= conversions.size()) return;
    s.solver.lastTemperature = *choice;
    const TemperatureConversion c = conversions[*choice];
    const auto outcome = m.trap([&] {
        const double r = valueOrThrow(convertTemperature(t, c.from, c.to));
        abandonEntries(s.solver);
        showInBlueDisplay(
            s.solver,
            {"Conversor de temperaturas",
             "T = " + lineNumber(t) + " " + std::string(scaleSymbol(c.from))},
            {"Resultado", "T = " + lineNumber(r) + " " + std::string(scaleSymbol(c.to))});
        m.showResult(r);
    });
    if (outcome == CalculatorModel::Outcome::Done) m.formatDisplay();
    s.entryFlag = 0;
}

}  // namespace numeralia::calc
