#pragma once
// The driver's adapter for the calculator windows (Scientific and Normal model).

#include <optional>

#include "core/calc/calculator_model.h"
#include "keys/scripted_platform.h"
#include "keys/solver_script.h"
#include "keys/window_adapter.h"

namespace numeralia::keys {

class CalculatorAdapter : public WindowAdapter {
  public:
    CalculatorAdapter(SharedState& shared, SoundPlayer& sounds, calc::CalculatorKind kind);

    // A key id or caption; "type:TEXT"; "keydown:NAME+shift+ctrl+alt"; "select:N" picks
    // entry N (from 0) of the key history; "menu:Normal" and "menu:Científica" choose an
    // entry of the "Modo" menu (a different model closes this one and opens fresh);
    // "open:PATH" and "save:PATH" run "Abrir Est." and "Guardar Est." with that file;
    // "answer:yes" or "answer:no" answers the questions that follow; the answers to the
    // dialogs of "S.Ec" and "Tem" of solver_script.h.
    std::string perform(std::string_view line) override;
    void writeState(JsonObject& json) const override;

    const calc::CalculatorModel& model() const { return *model_; }

  private:
    std::string pressKey(std::string_view line);
    std::string type(std::string_view text);
    std::string keyDown(std::string_view chord);
    std::string select(std::string_view index);
    std::string menu(std::string_view entry);
    std::string statisticsFile(std::string_view line);
    void writeStatistics(JsonObject& json) const;

    // The model of the window open now, with the script's answers to its dialogs.
    void openModel(calc::CalculatorKind kind);

    SharedState& shared_;
    SoundPlayer& sounds_;
    SolverScript solverScript_;
    std::optional<calc::CalculatorModel> model_;
    ScriptedDialogs dialogs_;
    ScriptedFileDialogs files_;
};

}  // namespace numeralia::keys
