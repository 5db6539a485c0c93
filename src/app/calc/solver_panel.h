#pragma once
// The equation solvers and number tools of the Scientific window: their keys (the keypad's
// Solvers panel, a grid of five columns) and the blue auxiliary display with its "C" key.
// Clicks go through the keypad like every other key; the panel only shows the model's state.

#include <QObject>
#include <span>

#include "app/calc/keypad_layout.h"
#include "core/calc/calculator_state.h"

class QFrame;

namespace numeralia::app {

class BlueDisplayView;
class CalcKeypad;

std::span<const KeySlot> solverPanelLayout();

class SolverPanel : public QObject {
    Q_OBJECT
  public:
    SolverPanel(const CalcKeypad& keypad, QWidget* parent);

    QFrame* keys() const { return keys_; }
    BlueDisplayView* blueDisplay() const { return blue_; }
    void refresh(const calc::CalculatorState& state);

  private:
    QFrame* keys_ = nullptr;
    BlueDisplayView* blue_ = nullptr;
};

}  // namespace numeralia::app
