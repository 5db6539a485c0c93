#pragma once
// "Ayuda Simulador Loto": how to use the Lottery simulator.

#include <QWidget>

namespace numeralia::app {

class LotteryHelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit LotteryHelpWindow(QWidget* parent = nullptr);
};

}  // namespace numeralia::app
