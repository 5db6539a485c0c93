#pragma once
// "Notas": the ten footnotes that the marks of the element sheet refer to.

#include <QWidget>

namespace numeralia::app {

class NotesWindow : public QWidget {
    Q_OBJECT
public:
    explicit NotesWindow(QWidget* parent = nullptr);
};

}  // namespace numeralia::app
