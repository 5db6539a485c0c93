#pragma once
// The Normal model of the calculator: "Numeralia v2.5   (Normal)", a smaller pocket
// calculator with the keys both models have plus powers, roots, 1/x and π; three memories in
// view. It runs the same model code as the Scientific window (CalculatorWindow).

#include "app/calc/calculator_window.h"

namespace numeralia::app {

class NormalWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit NormalWindow(AppContext& context);

  private:
    QWidget* buildDisplayPanel();
    QWidget* buildBody();
};

}  // namespace numeralia::app
