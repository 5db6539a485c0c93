#pragma once
// "Ayuda Operaciones Bancarias": how to use the Bank operations window.

#include "app/info/help_window.h"

namespace numeralia::app {

class BankHelpWindow : public HelpWindow {
    Q_OBJECT
  public:
    explicit BankHelpWindow(QWidget* parent = nullptr);
};

}  // namespace numeralia::app
