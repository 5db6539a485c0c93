#include "app/calc/scientific_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"

namespace numeralia::app {

using calc::KeyId;

ScientificWindow::ScientificWindow(AppContext& context)
    : CalculatorWindow(context, calc::CalculatorKind::Scientific, scientificLayout()) {
    buildScientificMenus(menuBar(), context_, menuActions());
    finish(buildDisplayPanel(), buildBody());
}

QWidget* ScientificWindow::buildDisplayPanel() {
    // Small displays: Función, decimals, angle, VAT, then SET and musica.
    auto* labels = new QHBoxLayout;
    addFunctionLabel(labels);
    addSmallDisplay(labels, QStringLiteral("Dec."), displays().dcm, 44);
    addSmallDisplay(labels, QString(), displays().angulo, 52);
    addSmallDisplay(labels, QStringLiteral("IVA"), displays().ivas, 70);
    labels->addStretch(1);
    addDisplayKeys(labels, {KeyId::setDecimals, KeyId::music});
    return CalculatorWindow::buildDisplayPanel(labels);
}

QWidget* ScientificWindow::buildBody() {
    auto* body = new QWidget;
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);

    // The scientific keys fill a grid of 6 columns here.
    QFrame* functions = keypad().panel(KeySection::Functions);
    functions->setMinimumWidth(6 * 62 + 16);
    row->addWidget(functions, 6);

    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    placeMemoryDisplays();
    right->addWidget(keypad().panel(KeySection::Memories));
    right->addWidget(keypad().panel(KeySection::Main), 1);
    right->addWidget(keypad().panel(KeySection::Vat));
    row->addLayout(right, 5);
    return body;
}

}  // namespace numeralia::app
