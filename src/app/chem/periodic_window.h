#pragma once
// "Tabla Periodica": the key grid, the element sheet and the menus of energy units, notes,
// help and printing.

#include <QElapsedTimer>
#include <QMainWindow>

#include "app/shell/app_context.h"
#include "core/chem/element_search.h"
#include "core/chem/periodic_model.h"

class QAction;

namespace numeralia::app {

class ElementGrid;
class ElementSheetView;
class IdentityCard;
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

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QWidget* buildBottomStrip();
    void clickElement(int z);

    AppContext& context_;
    chem::PeriodicTableModel model_;
    chem::ElementTypeAhead typeAhead_;
    QElapsedTimer clock_;
    ElementGrid* grid_ = nullptr;
    IdentityCard* card_ = nullptr;
    ElementSheetView* sheet_ = nullptr;
    SvgPicture* sound_ = nullptr;
    QAction* calories_ = nullptr;
    QAction* joules_ = nullptr;
    bool focusedOnce_ = false;
};

}  // namespace numeralia::app
