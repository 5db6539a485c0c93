#pragma once
// The displays of a calculator window: main display, info line, function label, decimals,
// angle, VAT, memory boxes, the error picture and the key history list. They show the
// model's state; the window lays them out. The Normal model has no decimals or angle
// display and no box for M4: those stay nullptr there.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <array>

#include "core/calc/calculator_kind.h"
#include "core/calc/calculator_state.h"

namespace numeralia::app {

class SvgPicture;

class CalcDisplays : public QObject {
    Q_OBJECT
  public:
    CalcDisplays(calc::CalculatorKind kind, QWidget* parent);

    // Shows the state; the history list is rebuilt only when its entries changed.
    void refresh(const calc::CalculatorState& state);

    QLineEdit* numero = nullptr;
    QLineEdit* result = nullptr;
    QLineEdit* func = nullptr;
    QLineEdit* dcm = nullptr;
    QLineEdit* angulo = nullptr;
    QLineEdit* ivas = nullptr;
    std::array<QLineEdit*, 4> memories{};
    SvgPicture* image3 = nullptr;
    QComboBox* history = nullptr;  // Combo1

    // A caption beside a small display ("Función", "Dec.").
    static QLabel* caption(const QString& text, QWidget* parent);
    // What the error face tells a screen reader: the error on show, or that there is none.
    static QString errorDescription(const calc::CalculatorState& state);

  signals:
    // The user picked an entry of the history list.
    void historyEntryChosen(int index);

  private:
    void refreshHistory(const calc::CalculatorState& state);
    std::size_t shownEntries_ = 0;
    QString shownLast_;
};

}  // namespace numeralia::app
