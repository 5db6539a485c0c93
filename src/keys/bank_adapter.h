#pragma once
// The driver's adapter for the Bank operations window ("--window bank").

#include <string>
#include <vector>

#include "core/bank/bank_model.h"
#include "keys/scripted_platform.h"
#include "keys/window_adapter.h"

namespace numeralia::keys {

class BankAdapter : public WindowAdapter {
  public:
    BankAdapter(SharedState& shared, SoundPlayer& sounds) : model_(shared, sounds, dialogs_) {}

    // Keypad captions "0" to "9", ".", "C"; "Capital  Base" (or "Capital"), "Interés (%)",
    // "Tiempo", "Aport. Mensual", "Incr. Anual (%)", "Calcular"; "F1" to "F5" and "F12";
    // "Años", "Meses"; "type:TEXT" types characters on the keyboard; "menu:ENTRY" chooses a
    // "Tipo Operación" entry ("menu:Planes de Ahorro"); "answer:yes" or "answer:no" answers
    // the payment-timing question of the next calculations (yes, payments at the end of the
    // month, until told otherwise).
    std::string perform(std::string_view line) override;
    void writeState(JsonObject& json) const override;

  private:
    ScriptedDialogs dialogs_;
    bank::BankModel model_;
};

}  // namespace numeralia::keys
