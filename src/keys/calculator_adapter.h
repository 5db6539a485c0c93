#pragma once
// The driver's adapter for the calculator windows (Scientific and Normal model).

#include "core/calc/calculator_model.h"
#include "keys/window_adapter.h"

namespace numeralia::keys {

class CalculatorAdapter : public WindowAdapter {
  public:
    CalculatorAdapter(SharedState& shared, SoundPlayer& sounds, calc::CalculatorKind kind);

    // A key id or caption; "type:TEXT"; "keydown:NAME+shift+ctrl+alt"; "select:N" picks
    // entry N (from 0) of the key history.
    std::string perform(std::string_view line) override;
    void writeState(JsonObject& json) const override;

    const calc::CalculatorModel& model() const { return model_; }

  private:
    std::string pressKey(std::string_view line);
    std::string type(std::string_view text);
    std::string keyDown(std::string_view chord);
    std::string select(std::string_view index);

    calc::CalculatorModel model_;
};

}  // namespace numeralia::keys
