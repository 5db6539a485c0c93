#pragma once
// The driver's adapter for the Periodic table window ("--window periodic").

#include "core/chem/periodic_model.h"
#include "keys/window_adapter.h"

namespace numeralia::keys {

class PeriodicAdapter : public WindowAdapter {
public:
    explicit PeriodicAdapter(SharedState& shared) : model_(shared) {}

    // An element symbol ("Fe", exact case) clicks that element's key; "Calorías" and
    // "Julios" (or "menu:Calorías", "menu:Julios") switch the energy units; "picture:cristal"
    // and "picture:caracter" click the crystal picture and the acid-base swatch.
    std::string perform(std::string_view line) override;
    void writeState(JsonObject& json) const override;

private:
    chem::PeriodicTableModel model_;
};

}  // namespace numeralia::keys
