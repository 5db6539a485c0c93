#pragma once
// "Ayuda Operaciones Bancarias": how to use the Bank operations window.

#include <QWidget>

namespace numeralia::app {

class BankHelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit BankHelpWindow(QWidget* parent = nullptr);
};

}  // namespace numeralia::app
