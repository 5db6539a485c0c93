#pragma once
// What the equation solvers and number tools of the Scientific model show and remember: the
// blue auxiliary display, the operands of the complex conversion and of the tools entered
// in several presses, and what the dialogs of "S.Ec" and "Tem" offer next time.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calc/linear_system.h"

namespace numeralia::calc {

// The blue auxiliary display: two lists side by side, hidden until a tool first writes to
// them. The complex conversion writes the rectangular form on the left and the polar form on
// the right; the other tools write their data on the left and their results on the right.
struct BlueDisplay {
    bool visible = false;
    std::vector<std::string> rectangular;  // left list
    std::vector<std::string> polar;        // right list
    bool operator==(const BlueDisplay&) const = default;
};

// A tool whose operands are entered in several presses of its key.
enum class SolverEntry { None, Quadratic, Division };

struct SolverState {
    BlueDisplay blue;

    // The complex conversion "(x,y)" and "m,Ø": 1 once a first operand is stored; the first
    // operands of the two keys (x, and the modulus) as display texts, unset when not given.
    // The second operand is never stored: it completes the conversion at once.
    std::int16_t complexStep = 0;
    std::optional<std::string> complexX, complexModulus;

    // "abc" and "Div": the tool being entered and the operands accepted so far.
    SolverEntry entry = SolverEntry::None;
    std::vector<double> operands;

    // The system "S.Ec" offers next, and the conversion "Tem" offers first.
    LinearSystemForm lastSystem;
    std::size_t lastTemperature = 0;
};

}  // namespace numeralia::calc
