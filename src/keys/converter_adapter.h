#pragma once
// The driver's adapter for the unit converter ("--window converter").

#include "core/convert/converter_model.h"
#include "keys/window_adapter.h"

namespace numeralia::keys {

class ConverterAdapter : public WindowAdapter {
public:
    explicit ConverterAdapter(SharedState& shared) : model_(shared) {}

    // "unit:N" (or "unidadN") clicks unit button N (0 to 34); a line equal to the caption of
    // a unit button of the magnitude on show clicks that button ("Kilómetros"); "menu:ENTRY"
    // chooses a "Magnitud" menu entry ("menu:Densidad", "menu:Intensidad"); "EXP"; "R1" to
    // "R3".
    std::string perform(std::string_view line) override;
    void writeState(JsonObject& json) const override;

private:
    convert::ConverterModel model_;
};

}  // namespace numeralia::keys
