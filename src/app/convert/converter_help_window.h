#pragma once
// "Ayuda Conversion de Unidades": how to use the unit converter.

#include <QWidget>

namespace numeralia::app {

class ConverterHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit ConverterHelpWindow(QWidget* parent = nullptr);
};

}  // namespace numeralia::app
