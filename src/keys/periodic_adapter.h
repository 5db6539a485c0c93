#pragma once
// The driver's adapter for the Periodic table window ("--window periodic").

#include "core/chem/formula_parser.h"
#include "core/chem/periodic_model.h"
#include "keys/window_adapter.h"

namespace numeralia::keys {

class PeriodicAdapter : public WindowAdapter {
public:
    explicit PeriodicAdapter(SharedState& shared) : model_(shared) {}

    // An element symbol ("Fe", exact case) clicks that element's key; "Calorías" and
    // "Julios" (or "menu:Calorías", "menu:Julios") switch the energy units; "picture:cristal"
    // and "picture:caracter" click the crystal picture and the acid-base swatch. The
    // molecular-weight calculator: "Cálculo" (or "menu:Cálculo") starts it, "0" to "9", "="
    // and "Salir" are its keys, "pm:C" its "C" (a line "C" is carbon), and every key also
    // answers to "pm:" and its caption ("pm:=", "pm:Salir"). "formula:TEXT" types a formula
    // into the typed-formula field.
    std::string perform(std::string_view line) override;
    void writeState(JsonObject& json) const override;

private:
    bool calculatorKey(std::string_view caption);

    chem::PeriodicTableModel model_;
    std::string typed_;
    chem::FormulaAnalysis analysis_;
};

}  // namespace numeralia::keys
