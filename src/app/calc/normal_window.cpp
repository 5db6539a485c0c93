#include "app/calc/normal_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"

namespace numeralia::app {

using calc::KeyId;

NormalWindow::NormalWindow(AppContext& context)
    : CalculatorWindow(context, calc::CalculatorKind::Normal, normalLayout()) {
    buildNormalMenus(menuBar(), context_, menuActions());
    finish(buildDisplayPanel(), buildBody());
}

QWidget* NormalWindow::buildDisplayPanel() {
    // Small displays: Función and VAT, then música.
    auto* labels = new QHBoxLayout;
    addFunctionLabel(labels);
    addSmallDisplay(labels, QStringLiteral("IVA"), displays().ivas, 70);
    labels->addStretch(1);
    addDisplayKeys(labels, {KeyId::music});
    return CalculatorWindow::buildDisplayPanel(labels);
}

QWidget* NormalWindow::buildBody() {
    // Two columns: memories over the function keys, the main keys over VAT and currency.
    auto* body = new QWidget;
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);

    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    placeMemoryDisplays();
    left->addWidget(keypad().panel(KeySection::Memories));
    left->addWidget(keypad().panel(KeySection::Functions), 1);
    row->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    right->addWidget(keypad().panel(KeySection::Main), 1);
    right->addWidget(keypad().panel(KeySection::Vat));
    row->addLayout(right, 1);
    return body;
}

}  // namespace numeralia::app
