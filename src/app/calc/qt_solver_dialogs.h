#pragma once
// The dialogs of "S.Ec" and "Tem" with Qt: they show what the model asks and hand back what
// the user chose or typed; the model checks the answer and computes. Both are modal over
// the calculator and work from the keyboard alone.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <vector>

#include "core/calc/solver_dialogs.h"

class QGridLayout;

namespace numeralia::app {

class QtSolverDialogs : public calc::SolverDialogs {
  public:
    explicit QtSolverDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<std::size_t> askChoice(const calc::ChoiceQuestion& question) override;
    std::optional<calc::LinearSystemForm> askLinearSystem(
        const std::string& title, const calc::LinearSystemForm& initial) override;

  private:
    QWidget* parent_;
};

// One choice out of a numbered list: a digit picks its choice at once, the arrows and
// Enter pick the one selected, Escape cancels.
class ChoiceDialog : public QDialog {
    Q_OBJECT
  public:
    ChoiceDialog(const calc::ChoiceQuestion& question, QWidget* parent);
    int chosen() const { return list_->currentRow(); }
    QListWidget* list() const { return list_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QListWidget* list_ = nullptr;
};

// The grid of a system of linear equations: the number of equations, then one row per
// equation with its coefficients and its independent term. Accepting refuses a field that
// is not a number: the message names it and the field takes the focus.
class LinearSystemDialog : public QDialog {
    Q_OBJECT
  public:
    LinearSystemDialog(const std::string& title, const calc::LinearSystemForm& initial,
                       QWidget* parent);
    // The form as typed now.
    calc::LinearSystemForm form() const;
    QSpinBox* sizeBox() const { return size_; }
    QLineEdit* field(int row, int column) const;
    QLabel* problem() const { return problem_; }

    void accept() override;

  private:
    void showForm(const calc::LinearSystemForm& form);

    QSpinBox* size_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QWidget* gridHolder_ = nullptr;
    QLabel* problem_ = nullptr;
    int shownSize_ = 0;
    std::vector<QLineEdit*> fields_;  // row after row, n + 1 a row
};

}  // namespace numeralia::app
