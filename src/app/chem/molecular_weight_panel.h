#pragma once
// The molecular-weight calculator of the Periodic table window: the formula line, the mass
// and subscript fields and the keys "0" to "9", "=", "C" and "Salir"; beside it a field where
// a formula is typed, with its molar mass and its composition by mass.

#include <QWidget>
#include <functional>

#include "core/chem/periodic_model.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace numeralia::app {

class MolecularWeightPanel : public QWidget {
    Q_OBJECT
public:
    // `changed` is called after every key, for the window to refresh itself.
    MolecularWeightPanel(chem::PeriodicTableModel& model, std::function<void()> changed,
                         QWidget* parent = nullptr);

    void refresh();
    QLineEdit* typedFormula() const { return typed_; }

private:
    QWidget* buildKeys();
    QWidget* buildTypedFormula();
    void showTypedFormula();

    chem::PeriodicTableModel& model_;
    std::function<void()> changed_;
    QLineEdit* formula_ = nullptr;
    QLineEdit* mass_ = nullptr;
    QLineEdit* subscript_ = nullptr;
    QLineEdit* typed_ = nullptr;
    QLabel* typedMass_ = nullptr;
    QLabel* typedError_ = nullptr;
    QTableWidget* composition_ = nullptr;
};

}  // namespace numeralia::app
