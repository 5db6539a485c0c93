#pragma once
// The driver's adapter for the Preferences window: with --folder and --save it sets the
// currency names, the exchange factor and the sound switch of a settings file.

#include "core/calc/preferences_model.h"
#include "keys/window_adapter.h"

namespace numeralia::keys {

class PreferencesAdapter : public WindowAdapter {
public:
    explicit PreferencesAdapter(SharedState& shared) : model_(shared) {}

    // "Text1:TEXT", "Text2:TEXT", "valor:TEXT" type TEXT into the box (replacing what it
    // held); "leave:Text1" (Text2, valor) moves the focus out of the box; "Check1:1" or
    // "Check1:0"; "Originales", "Guardar", "Cancelar" (or Command1 to Command3). After
    // "Cancelar" the window is closed and takes no more lines.
    std::string perform(std::string_view line) override;
    void writeState(JsonObject& json) const override;

private:
    PreferencesModel model_;
    bool closed_ = false;
};

}  // namespace numeralia::keys
