#pragma once
// The driver's part of the equation solvers: the dialogs of "S.Ec" and "Tem" answered from
// script lines, and the blue display and tool state in the JSON.
//
//   sec:N            the next "S.Ec" dialog is answered with N equations (2 to 10)
//   sec:row:CELLS    fills the next row of that answer: the coefficients and the independent
//                    term, separated by blanks or ";" (a cell may use "," or "." as decimal
//                    mark); rows not given keep what the dialog offered
//   sec:cancel       the next "S.Ec" dialog is cancelled
//   tem:XY           the next "Tem" dialog converts from scale X to scale Y (K, C or F:
//                    tem:CK is Celsius to Kelvin)
//   tem:cancel       the next "Tem" dialog is cancelled
// A dialog without an answer from the script is accepted as it opens (the last system, the
// conversion chosen last), as Enter would accept it.

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/calculator_state.h"
#include "core/calc/solver_dialogs.h"
#include "keys/json_writer.h"

namespace numeralia::keys {

class SolverScript : public calc::SolverDialogs {
  public:
    // Whether the line is one of the lines above.
    static bool handles(std::string_view line);
    // Performs such a line; an error message for a malformed one, empty on success.
    std::string perform(std::string_view line);
    void writeState(const calc::CalculatorState& state, JsonObject& json) const;

    std::optional<std::size_t> askChoice(const calc::ChoiceQuestion& question) override;
    std::optional<calc::LinearSystemForm> askLinearSystem(
        const std::string& title, const calc::LinearSystemForm& initial) override;

  private:
    // One answer to an "S.Ec" dialog: cancelled, or a size and rows typed.
    struct SystemAnswer {
        bool cancel = false;
        int size = 0;  // 0: the size the dialog offered
        std::vector<std::vector<std::string>> rows;
    };
    std::string performSystem(std::string_view rest);
    std::string performTemperature(std::string_view rest);

    std::deque<SystemAnswer> systems_;
    std::deque<std::optional<std::size_t>> choices_;
    std::vector<std::string> questions_;  // the prompts and titles of the dialogs shown
};

}  // namespace numeralia::keys
