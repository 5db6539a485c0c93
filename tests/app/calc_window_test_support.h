#pragma once
// What the tests of the two calculator windows share: a program with fake sounds and dialogs,
// the window under test, and clicking, typing and reading its displays.

#include <QPushButton>
#include <memory>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "core/calc/key_catalog.h"
#include "window_test_support.h"

namespace numeralia::testing {

template <class Window>
class CalcWindowTest : public QObject {
  protected:
    Program p;
    std::unique_ptr<Window> window;

    // A fresh program and window, active.
    void openWindow() {
        p.reset();
        window = std::make_unique<Window>(p.context);
        QVERIFY(activate(window.get()));
    }

    QPushButton* key(calc::KeyId id) const { return window->keypad().button(id); }
    void click(calc::KeyId id) {
        QVERIFY2(key(id), calc::keyInfo(id).name.data());
        QTest::mouseClick(key(id), Qt::LeftButton);
    }
    const app::CalcDisplays& displays() const { return window->displays(); }
    QString numero() const { return displays().numero->text(); }
    static void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
};

}  // namespace numeralia::testing
