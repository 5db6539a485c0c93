#pragma once
// "Ayuda Tabla Periódica": how to use the Periodic table window.

#include "app/info/help_window.h"

namespace numeralia::app {

class PeriodicHelpWindow : public HelpWindow {
    Q_OBJECT
public:
    explicit PeriodicHelpWindow(QWidget* parent = nullptr);
};

}  // namespace numeralia::app
