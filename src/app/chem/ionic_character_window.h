#pragma once
// "Ca&racter Iónico": the percentage of ionic character of a single bond against the
// electronegativity difference, as a table of figures and as a curve.

#include <QWidget>

#include "app/shell/app_context.h"

namespace numeralia::app {

class IonicCharacterWindow : public QWidget {
    Q_OBJECT
public:
    explicit IonicCharacterWindow(AppContext& context, QWidget* parent = nullptr);
};

}  // namespace numeralia::app
