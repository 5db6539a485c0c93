#pragma once
// What the keys "S.Ec" and "Tem" ask of the user. The model decides what is asked, checks
// the answers and computes the results; the front end only shows the question (a Qt dialog),
// the core tests and the driver answer it from data.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/calc/linear_system.h"

namespace numeralia::calc {

// One choice out of a short list ("Tem": which conversion). The front end offers the
// choices numbered from 1, so that one digit picks one.
struct ChoiceQuestion {
    std::string title;
    std::string prompt;
    std::vector<std::string> choices;
    std::size_t initial = 0;  // the choice selected when the question opens
};

class SolverDialogs {
  public:
    virtual ~SolverDialogs() = default;
    // The index of the choice taken, or nothing when the user cancelled.
    virtual std::optional<std::size_t> askChoice(const ChoiceQuestion& question) = 0;
    // "S.Ec": the number of equations (kFewestEquations to kMostEquations, changed with
    // resizedForm) and a grid of n rows of n coefficients and one independent term,
    // prefilled with initial. A dialog accepts the form only when firstBadField finds
    // nothing (badFieldMessage says what is wrong). The form, or nothing when cancelled.
    virtual std::optional<LinearSystemForm> askLinearSystem(const std::string& title,
                                                            const LinearSystemForm& initial) = 0;
};

// The answer of a window without dialogs: every question is cancelled.
class NoSolverDialogs : public SolverDialogs {
  public:
    std::optional<std::size_t> askChoice(const ChoiceQuestion&) override { return std::nullopt; }
    std::optional<LinearSystemForm> askLinearSystem(const std::string&,
                                                    const LinearSystemForm&) override {
        return std::nullopt;
    }
};

}  // namespace numeralia::calc
