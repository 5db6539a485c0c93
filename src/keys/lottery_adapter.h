#pragma once
// The driver's adapter for the Lottery simulator window ("--window lottery").

#include <memory>
#include <string>

#include "core/lotto/lotto_model.h"
#include "keys/scripted_platform.h"
#include "keys/window_adapter.h"

namespace numeralia::keys {

class LotteryAdapter : public WindowAdapter {
  public:
    LotteryAdapter(SharedState& shared, SoundPlayer& sounds)
        : model_(shared, sounds, dialogs_, files_) {}

    // Size keys "6" to "11" ("c", the "7" key of manual mode); "cell:N" clicks the number N
    // (1 to 49); "Seleccionar" (or "Cerrar Ventana"); "menu:ENTRY" chooses a menu entry
    // ("menu:Modo Automático", "menu:Sorteo Simulado"); "input:TEXT" is the answer of the
    // next input box and "input-cancel" cancels it; "answer:yes" or "answer:no" answers the
    // questions that follow; "file:PATH" is the file the next file dialog chooses.
    std::string perform(std::string_view line) override;
    void writeState(JsonObject& json) const override;
    bool setSeed(std::uint64_t seed) override;

  private:
    ScriptedDialogs dialogs_;
    ScriptedFileDialogs files_;
    lotto::LottoModel model_;
    std::unique_ptr<SeededRandomSource> seeded_;
};

}  // namespace numeralia::keys
