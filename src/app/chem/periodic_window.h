#pragma once
// "Tabla Periodica": the key grid, the element sheet and the menus of energy units, notes,
// help and printing.

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>

#include "app/shell/app_context.h"
#include "core/chem/element_search.h"
#include "core/chem/periodic_model.h"

class QAction;
class QVBoxLayout;

namespace numeralia::app {

class ElementGrid;
class ElementSheetView;
class IdentityCard;
class MolecularWeightPanel;
class SeriesWindow;
class SpectrumWindow;
class SvgPicture;

class PeriodicWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit PeriodicWindow(AppContext& context, QWidget* parent = nullptr);

    chem::PeriodicTableModel& model() { return model_; }
    ElementGrid* grid() const { return grid_; }
    // Shows the model's state in every widget.
    void refresh();
    // Prints the image of the whole window; returns the PDF path when there is no printer.
    QString printWindow();
    // Prints the element sheet ("Imprimir", "Elemento"); the same.
    QString printElement();
    // The calculator's panel, once the calculator has been started.
    MolecularWeightPanel* calculatorPanel() const { return calculator_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QWidget* buildAboutStrip();
    bool typeIntoCalculator(QKeyEvent* event);
    template <typename Window>
    void showOwnWindow(QPointer<Window>& window);
    void clickElement(int z);

    AppContext& context_;
    chem::PeriodicTableModel model_;
    chem::ElementTypeAhead typeAhead_;
    QElapsedTimer clock_;
    ElementGrid* grid_ = nullptr;
    IdentityCard* card_ = nullptr;
    ElementSheetView* sheet_ = nullptr;
    QAction* soundAction_ = nullptr;
    QWidget* about_ = nullptr;
    QVBoxLayout* page_ = nullptr;
    MolecularWeightPanel* calculator_ = nullptr;
    QPointer<SpectrumWindow> spectrum_;
    QPointer<SeriesWindow> series_;
    QAction* calories_ = nullptr;
    QAction* joules_ = nullptr;
    bool focusedOnce_ = false;
};

}  // namespace numeralia::app
