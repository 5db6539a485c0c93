#include <cmath>
#include <map>
#include <string>
#include <variant>

#include "core/chem/formula_parser.h"
#include "core/text/number_text.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/printable.h"
#include "fuzz/settings_compare.h"

namespace numeralia::fuzz {

std::string checkFormula(std::string_view input) {
    const chem::FormulaAnalysis analysis = chem::analyseFormula(input);
    if (analysis.error) {
        // The fault is named and placed within the text (positions count characters from 1).
        const chem::FormulaError& e = *analysis.error;
        if (e.message.empty()) return "an error without a message for " + printable(input);
        if (e.position < 1 || e.length < 1 || e.position + e.length > input.size() + 2)
            return "the error " + printable(e.message) + " stands outside " + printable(input);
        return {};
    }

    const auto parsed = chem::parseFormula(input);
    if (!std::holds_alternative<std::vector<chem::FormulaAtom>>(parsed))
        return "analysed but not parsed: " + printable(input);
    // The counts added up per element, in a type that does not overflow.
    std::map<std::string, long long> atoms;
    for (const chem::FormulaAtom& atom : std::get<std::vector<chem::FormulaAtom>>(parsed)) {
        if (atom.count < 1) return printable(input) + " gives " + atom.symbol + " a count of " + std::to_string(atom.count);
        atoms[atom.symbol] += atom.count;
    }

    // A formula that reads has a positive, finite mass, shown as a number that reads back.
    const double mass = analysis.sum.runningMass();
    if (!std::isfinite(mass) || mass <= 0) return printable(input) + " weighs " + std::to_string(mass);
    const auto shown = text::parseNumber(analysis.sum.massText());
    if (!shown || !sameTo15Digits(*shown, mass)) return "the mass shows as " + printable(analysis.sum.massText());

    if (analysis.sum.entries().size() != atoms.size()) return printable(input) + ": entries and elements differ";
    for (const auto& entry : analysis.sum.entries()) {
        if (atoms[entry.symbol] != entry.count)
            return printable(input) + ": " + entry.symbol + " counted " + std::to_string(entry.count) +
                   " times instead of " + std::to_string(atoms[entry.symbol]);
    }
    // The composition by mass: every share between 0 and 100 %, together 100 % (up to the
    // rounding of sums taken in another order).
    double total = 0;
    for (const chem::CompositionRow& row : analysis.composition) {
        if (!std::isfinite(row.percent) || row.percent < 0 || row.percent > 100 + 1e-9)
            return printable(input) + ": " + row.symbol + " makes " + std::to_string(row.percent) + " %";
        total += row.percent;
    }
    if (std::fabs(total - 100) > 1e-6) return printable(input) + ": the composition adds up to " + std::to_string(total) + " %";
    return {};
}

}  // namespace numeralia::fuzz
