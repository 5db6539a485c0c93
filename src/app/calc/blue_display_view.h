#pragma once
// The blue auxiliary display of the Scientific window: two lists side by side (the
// rectangular form or the data on the left, the polar form or the results on the right)
// with the "C" key that clears them. Hidden until the model first writes to it.

#include <QFrame>
#include <QListWidget>
#include <QPushButton>

#include "core/calc/solver_state.h"

namespace numeralia::app {

class BlueDisplayView : public QFrame {
    Q_OBJECT
  public:
    // clearKey is the keypad's "C" of the blue display; the view places it beside the lists.
    BlueDisplayView(QPushButton* clearKey, QWidget* parent);

    void refresh(const calc::BlueDisplay& shown);

    QListWidget* rectangular = nullptr;
    QListWidget* polar = nullptr;
};

}  // namespace numeralia::app
