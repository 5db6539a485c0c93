#pragma once
// "Ayuda Simulador Loto": how to use the Lottery simulator.

#include "app/info/help_window.h"

namespace numeralia::app {

class LotteryHelpWindow : public HelpWindow {
    Q_OBJECT
  public:
    explicit LotteryHelpWindow(QWidget* parent = nullptr);
};

}  // namespace numeralia::app
