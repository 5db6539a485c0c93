#pragma once
// The keys of a calculator window: one push button per key of its layout table, grouped in
// panels. The keypad only reports which key was clicked; the window runs the model.

#include <QFrame>
#include <QGridLayout>
#include <QObject>
#include <QPushButton>
#include <array>
#include <span>

#include "app/calc/keypad_layout.h"
#include "core/calc/calculator_kind.h"
#include "core/calc/key_id.h"

namespace numeralia::app {

class CalcKeypad : public QObject {
    Q_OBJECT
  public:
    // Builds the buttons of the layout rows whose key the model has, with the model's
    // captions and tool tips.
    CalcKeypad(std::span<const KeySlot> layout, calc::CalculatorKind kind, QWidget* parent);

    // The panel of a section, with its grid (the Displays section has no panel: the window
    // places those buttons itself).
    QFrame* panel(KeySection section) const;
    QGridLayout* grid(KeySection section) const;

    // The button of a key, or nullptr when the window does not have it.
    QPushButton* button(calc::KeyId id) const;

  signals:
    void keyClicked(calc::KeyId id);

  private:
    std::array<QFrame*, kKeySectionCount> panels_{};
    std::array<QPushButton*, calc::kKeyCount> buttons_{};
};

}  // namespace numeralia::app
