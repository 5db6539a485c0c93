#pragma once
// The Scientific model of the calculator: "Numeralia v2.5   (Científica)". The window shows
// the model's state and runs the model's action for every click and mapped key; it computes
// nothing itself. What it shares with the Normal model lives in CalculatorWindow.

#include "app/calc/calculator_window.h"

namespace numeralia::app {

class ScientificWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit ScientificWindow(AppContext& context);

  private:
    QWidget* buildDisplayPanel();
    QWidget* buildBody();
};

}  // namespace numeralia::app
