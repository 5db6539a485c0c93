#pragma once
// "Ayuda Conversion de Unidades": how to use the unit converter.

#include "app/info/help_window.h"

namespace numeralia::app {

class ConverterHelpWindow : public HelpWindow {
    Q_OBJECT
public:
    explicit ConverterHelpWindow(QWidget* parent = nullptr);
};

}  // namespace numeralia::app
