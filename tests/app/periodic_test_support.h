#pragma once
// The Periodic table window as the program opens it (through the window registry), and the
// ways the tests reach its fields, element keys and menus.

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "app/chem/element_grid.h"
#include "app/chem/periodic_window.h"
#include "app/shell/window_catalog.h"
#include "core/chem/elements.h"
#include "window_test_support.h"

namespace numeralia::testing {

struct PeriodicFixture {
    Program p;
    app::PeriodicWindow* window = nullptr;

    // Call from each test's init().
    void openWindow() {
        p.reset();
        app::registerWindows(p.context);
        window = static_cast<app::PeriodicWindow*>(p.windows.show(app::WindowId::Periodic));
        QVERIFY(window != nullptr);
        QVERIFY(activate(window));
    }
    QString field(const char* name) const { return child<QLineEdit>(window, name)->text(); }
    QString label(const char* name) const { return child<QLabel>(window, name)->text(); }
    void click(const char* symbol) {
        QTest::mouseClick(window->grid()->key(chem::elementBySymbol(symbol).value()), Qt::LeftButton);
    }
    // An enabled entry of the window's menus.
    void menu(const QString& text) {
        QAction* action = findAction(window, text);
        QVERIFY2(action != nullptr && action->isEnabled(), qPrintable(text));
        action->trigger();
    }
};

}  // namespace numeralia::testing
