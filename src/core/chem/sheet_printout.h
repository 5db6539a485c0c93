#pragma once
// The printed element sheet: what each line says, in the order of the page.

#include <array>
#include <string>
#include <vector>

#include "core/chem/periodic_model.h"

namespace numeralia::chem {

struct PrintLine {
    std::string caption;
    std::string value;
};

struct SheetPrintout {
    std::string credit;               // "Numeralia - Tabla Periódica. ..."
    std::string name;                 // the element's name, large
    std::array<PrintLine, 3> large;   // symbol, atomic number, weight
    std::vector<PrintLine> properties;  // eighteen lines, with the current unit labels
};

// The sheet as it is shown (so in the chosen energy units); an empty sheet prints its
// captions with empty values.
SheetPrintout sheetPrintout(const PeriodicTableModel& model);

}  // namespace numeralia::chem
