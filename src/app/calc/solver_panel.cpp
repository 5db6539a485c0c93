#include "app/calc/solver_panel.h"

#include "app/calc/blue_display_view.h"
#include "app/calc/calc_keypad.h"

namespace numeralia::app {

namespace {

using calc::KeyId;
using S = KeySection;
using K = KeyStyle;

constexpr KeySlot kSolverPanel[] = {
    // Coordinates, equations and whole numbers.
    {KeyId::complexRectangular, S::Solvers, 0, 0, K::Function},
    {KeyId::complexPolar, S::Solvers, 0, 1, K::Function},
    {KeyId::quadraticEquation, S::Solvers, 0, 2, K::Function},
    {KeyId::integerDivision, S::Solvers, 0, 3, K::Function},
    {KeyId::factorization, S::Solvers, 0, 4, K::Function},
    // Counting, then the linear systems.
    {KeyId::variations, S::Solvers, 1, 0, K::Memory},
    {KeyId::variationsWithRepetition, S::Solvers, 1, 1, K::Memory},
    {KeyId::combinations, S::Solvers, 1, 2, K::Memory},
    {KeyId::combinationsWithRepetition, S::Solvers, 1, 3, K::Memory},
    {KeyId::linearSystem, S::Solvers, 1, 4, K::Function},
    // Interpolation, magnetic moment, temperatures and the two reserved keys.
    {KeyId::interpolation, S::Solvers, 2, 0, K::Vat},
    {KeyId::magneticMoment, S::Solvers, 2, 1, K::Vat},
    {KeyId::temperature, S::Solvers, 2, 2, K::Vat},
    {KeyId::reserved1, S::Solvers, 2, 3, K::Plain},
    {KeyId::reserved2, S::Solvers, 2, 4, K::Plain},
    // Beside the blue display.
    {KeyId::blueDisplayClear, S::Displays, 0, 0, K::Clear},
};

}  // namespace

std::span<const KeySlot> solverPanelLayout() { return kSolverPanel; }

SolverPanel::SolverPanel(const CalcKeypad& keypad, QWidget* parent)
    : QObject(parent), keys_(keypad.panel(KeySection::Solvers)) {
    blue_ = new BlueDisplayView(keypad.button(KeyId::blueDisplayClear), parent);
    if (QGridLayout* grid = keypad.grid(KeySection::Solvers)) {
        for (int c = 0; c < 5; ++c) grid->setColumnStretch(c, 1);
    }
}

void SolverPanel::refresh(const calc::CalculatorState& state) {
    blue_->refresh(state.solver.blue);
}

}  // namespace numeralia::app
