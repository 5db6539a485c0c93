#pragma once
// A chemical formula typed as text (H2SO4, Ca(OH)2, K4[Fe(CN)6], CuSO4·5H2O or CuSO4*5H2O)
// read into its elements and counts, with its molar mass and its composition by mass.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/chem/molecular_weight.h"

namespace numeralia::chem {

// One element of the formula where it stands, its count multiplied by the groups and the
// hydrate coefficient around it: "Ca(OH)2" gives Ca 1, O 2, H 2.
struct FormulaAtom {
    std::string symbol;
    int count;
    bool operator==(const FormulaAtom&) const = default;
};

// What is wrong and where: the position counts characters from 1.
struct FormulaError {
    std::string message;
    std::size_t position;
    std::size_t length = 1;  // how many characters the fault spans
};

std::variant<std::vector<FormulaAtom>, FormulaError> parseFormula(std::string_view typed);

struct CompositionRow {
    std::string symbol;
    int count;
    std::string massText;     // g/mol of this element in the formula
    std::string percentText;  // "11,19"
    double percent;
};

struct FormulaAnalysis {
    std::optional<FormulaError> error;
    // Added up as the calculator adds clicked elements: each symbol once, in the order of
    // its first appearance.
    MolecularWeightCalculator sum;
    std::vector<CompositionRow> composition;
};

FormulaAnalysis analyseFormula(std::string_view typed);

}  // namespace numeralia::chem
