#pragma once
// The About window ("Acerca de..."): the program's name, version and a few words about it.

#include <QWidget>

#include "app/shell/app_context.h"

namespace numeralia::app {

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(AppContext& context, QWidget* parent = nullptr);
};

}  // namespace numeralia::app
