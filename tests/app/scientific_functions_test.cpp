// The Scientific window's function panel: every key of the panel is shown, symbol captions
// show their glyphs, the number mode greys the keys it disables, "hyp" and the mode options
// stay lit, and the capital letters type hexadecimal digits in hexadecimal mode.
// With NUMERALIA_SCREENSHOT set to a file name the window is saved there as a picture.

#include <QPushButton>
#include <QtTest>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/function_keypad.h"
#include "app/calc/scientific_window.h"
#include "app/shell/app_context.h"
#include "app/shell/window_registry.h"
#include "core/calc/key_catalog.h"

using namespace numeralia;
using namespace numeralia::app;
using calc::KeyId;

namespace {

struct SilentSounds : SoundPlayer {
    void playWave(const std::string&, bool) override {}
};

struct NoDialogs : Dialogs {
    void inform(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
};

}  // namespace

class ScientificFunctionsTest : public QObject {
    Q_OBJECT

    SharedState state;
    SilentSounds sounds;
    NoDialogs dialogs;
    WindowRegistry windows;
    AppContext context{state, sounds, dialogs, windows};
    std::unique_ptr<ScientificWindow> window;

    QPushButton* button(KeyId id) const { return window->keypad().button(id); }
    void click(KeyId id) {
        QPushButton* b = button(id);
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QString numero() const { return window->displays().numero->text(); }

  private slots:
    void init() {
        state = SharedState{};
        window = std::make_unique<ScientificWindow>(context);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void everyPanelKeyIsShownWithItsCaption() {
        for (const KeySlot& slot : functionPanelLayout()) {
            QPushButton* b = button(slot.id);
            QVERIFY2(b && b->isVisible(), calc::keyInfo(slot.id).name.data());
        }
        QCOMPARE(button(KeyId::pi)->text(), QStringLiteral("π"));
        QCOMPARE(button(KeyId::twoPi)->text(), QStringLiteral("2π"));
        QCOMPARE(button(KeyId::constRydberg)->text(), QStringLiteral("ℜ∞"));
        QCOMPARE(button(KeyId::constBohrMagneton)->text(), QStringLiteral("µb"));
        QCOMPARE(button(KeyId::constLight)->toolTip(),
                 QStringLiteral("Velocidad de la luz en el vacío = 299792458 m/s"));
        // No two keys of the window overlap.
        QList<QRect> placed;
        for (const calc::KeyInfo& key : calc::allKeys()) {
            QPushButton* b = button(key.id);
            if (!b || !b->isVisible()) continue;
            const QRect r(b->mapTo(window.get(), QPoint(0, 0)), b->size());
            for (const QRect& other : placed) QVERIFY2(!r.intersects(other), key.name.data());
            placed << r;
        }
    }

    void clicksComputeAndShowTheFlags() {
        click(KeyId::digit3);
        click(KeyId::digit0);
        click(KeyId::sine);
        QCOMPARE(numero(), QStringLiteral("0,5"));
        click(KeyId::hyperbolic);
        QVERIFY(button(KeyId::hyperbolic)->isChecked());
        click(KeyId::cosine);
        QVERIFY(!button(KeyId::hyperbolic)->isChecked());
        QVERIFY(button(KeyId::modeDeg)->isChecked());
        click(KeyId::modeRad);
        QCOMPARE(window->displays().angulo->text(), QStringLiteral("rad"));
        QVERIFY(button(KeyId::modeRad)->isChecked());
        QVERIFY(!button(KeyId::modeDeg)->isChecked());
        click(KeyId::toDeg);  // a conversion key never lights
        QVERIFY(!button(KeyId::toDeg)->isChecked());
    }

    void hexadecimalModeGreysKeysAndTypesLetters() {
        QVERIFY(button(KeyId::decimalMode)->isChecked());
        QVERIFY(!button(KeyId::hexDigitA)->isEnabled());
        click(KeyId::hexadecimalMode);
        QVERIFY(button(KeyId::hexadecimalMode)->isChecked());
        QVERIFY(!button(KeyId::decimalMode)->isChecked());
        QVERIFY(button(KeyId::hexDigitA)->isEnabled());
        for (KeyId id :
             {KeyId::sine, KeyId::pi, KeyId::decimalPoint, KeyId::currencyTo2, KeyId::constLight}) {
            QVERIFY2(!button(id)->isEnabled(), calc::keyInfo(id).name.data());
        }
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1FA"));
        QCOMPARE(numero(), QStringLiteral("&h1FA"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("o"));
        QCOMPARE(numero(), QStringLiteral("772"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("a"));  // small a is still AC
        QCOMPARE(numero(), QStringLiteral("0"));
        click(KeyId::decimalMode);
        QVERIFY(button(KeyId::sine)->isEnabled());
        QVERIFY(!button(KeyId::hexDigitF)->isEnabled());
    }

    void functionKeysFromTheKeyboard() {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("100"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(numero(), QStringLiteral("2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9,
                        Qt::ShiftModifier);  // arc sine of 2
        QCOMPARE(window->displays().result->text(), QStringLiteral("Error: | x | > 1"));
    }

    void screenshot() {
        const QByteArray file = qgetenv("NUMERALIA_SCREENSHOT");
        if (file.isEmpty()) QSKIP("set NUMERALIA_SCREENSHOT to save the window");
        click(KeyId::hexadecimalMode);
        click(KeyId::decimalMode);
        click(KeyId::digit1);
        click(KeyId::digit2);
        click(KeyId::toDegreesMinutesSeconds);
        click(KeyId::hyperbolic);
        window->resize(window->sizeHint());
        QTest::qWait(50);
        QVERIFY(window->grab().save(QString::fromLocal8Bit(file)));
    }
};

QTEST_MAIN(ScientificFunctionsTest)
#include "scientific_functions_test.moc"
