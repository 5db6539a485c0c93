// The Scientific window: its keys and the keyboard reach the calculator, the displays, lit
// keys and status bar follow it, and the Preferences window's currencies show on activation.
// With NUMERALIA_SCREENSHOT set to a file name the window is saved there as a picture.

#include <QPushButton>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/calc_status_bar.h"
#include "app/calc/function_keypad.h"
#include "app/calc/history_printing.h"
#include "app/calc/scientific_window.h"
#include "app/shell/printing.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_catalog.h"
#include "core/calc/key_catalog.h"
#include "calc_window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;
using calc::KeyId;

class ScientificWindowTest : public CalcWindowTest<ScientificWindow> {
    Q_OBJECT

    void activation() {
        QEvent event(QEvent::ActivationChange);
        QApplication::sendEvent(window.get(), &event);
    }

  private slots:
    void init() { openWindow(); }
    void cleanup() { window.reset(); }

    void opensWithItsCaptionsDisplaysAndTips() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Numeralia v2.5   (Científica)"));
        QCOMPARE(numero(), QStringLiteral("0"));
        QCOMPARE(displays().dcm->text(), QStringLiteral("15"));
        QCOMPARE(displays().angulo->text(), QStringLiteral("deg"));
        QCOMPARE(displays().ivas->text(), QStringLiteral("16 %"));
        QVERIFY(displays().history->isHidden());
        QCOMPARE(qs(p.state.calculatorModel), QStringLiteral("avanzada"));
        QCOMPARE(key(KeyId::currencyTo2)->text(), QString("moneda 2"));
        QCOMPARE(key(KeyId::currencyTo1)->text(), QString("moneda 1"));
        QCOMPARE(window->status().currency->text(), QString("Cambio de moneda sin definir (Archivo, Preferencias)"));
        QCOMPARE(key(KeyId::currencyTo2)->toolTip(), QString("Conversor a moneda 2.  {Q}"));
        QCOMPARE(key(KeyId::equals)->toolTip(), QStringLiteral("{ENTER}"));
        QCOMPARE(key(KeyId::allClear)->toolTip(), QStringLiteral("Borrado.  {A}"));
        QCOMPARE(key(KeyId::memoryAdd2)->toolTip(), QStringLiteral("Sumar a M2.  {SHIFT+2}"));
        QCOMPARE(displays().memories[3]->toolTip(), QStringLiteral("Valor actual de la Memoria 4"));
        QCOMPARE(key(KeyId::constRydberg)->text(), QStringLiteral("ℜ∞"));
    }

    // (No two keys overlap: the statistics test checks it with every panel shown.)
    void everyPanelKeyIsShown() {
        for (const KeySlot& slot : functionPanelLayout())
            QVERIFY2(key(slot.id) && key(slot.id)->isVisible(), calc::keyInfo(slot.id).name.data());
    }

    void clicksThenEnterPressesEquals() {
        click(KeyId::digit2);
        click(KeyId::plus);
        click(KeyId::digit3);
        QCOMPARE(numero(), QStringLiteral("3"));
        QCOMPARE(QApplication::focusWidget(), key(KeyId::equals));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(numero(), QStringLiteral("5"));
        QCOMPARE(displays().func->text(), QStringLiteral("="));
    }

    // Typed characters, then one key with modifiers (0: none); an empty expectation is not checked.
    void keyboardReachesTheKeys_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("func");
        QTest::addColumn<QString>("result");
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
        QTest::newRow("Enter") << "12*3" << int(Qt::Key_Enter) << none << "36" << "=" << "";
        QTest::newRow("sign") << "2,5<" << 0 << none << "-2,5" << "" << "";
        QTest::newRow("sign, backspace") << "2,5<" << int(Qt::Key_Backspace) << none << "2,5" << "" << "";
        QTest::newRow("V") << "100" << int(Qt::Key_V) << none << "16" << "IVA" << "";
        QTest::newRow("Shift+V") << "100" << int(Qt::Key_V) << shift << "116" << "+IVA" << "";
        QTest::newRow("Ctrl+V") << "116" << int(Qt::Key_V) << ctrl << "100" << "-IVA" << "";
        QTest::newRow("Ctrl+Shift+V") << "100" << int(Qt::Key_V) << (ctrl | shift) << "16" << "IVA" << "";
        QTest::newRow("F1") << "100" << int(Qt::Key_F1) << none << "2" << "" << "";
        QTest::newRow("Shift+F9") << "2" << int(Qt::Key_F9) << shift << "" << "" << "Error: | x | > 1";
    }
    void keyboardReachesTheKeys() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, numero);
        QFETCH(QString, func);
        QFETCH(QString, result);
        type(typed);
        if (key != 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (!numero.isEmpty()) QCOMPARE(this->numero(), numero);
        if (!func.isEmpty()) QCOMPARE(displays().func->text(), func);
        if (!result.isEmpty()) QCOMPARE(displays().result->text(), result);
    }

    void shiftOneAddsToTheFirstMemory() {
        type(QStringLiteral("7"));
        // What a US keyboard reports for Shift+1.
        QTest::sendKeyEvent(QTest::Press, QApplication::focusWidget(), Qt::Key_Exclam,
                            QStringLiteral("!"), Qt::ShiftModifier);
        QCOMPARE(displays().memories[0]->text(), QStringLiteral("7"));
        QCOMPARE(p.state.memory1, 7.0);
        QCOMPARE(numero(), QStringLiteral("7"));  // nothing typed into the display
    }

    void divisionByZeroShowsTheCriticalFace() {
        p.state.soundOn = 1;
        for (KeyId id : {KeyId::digit5, KeyId::divide, KeyId::digit0, KeyId::equals}) click(id);
        QCOMPARE(numero(), QStringLiteral("0"));
        QCOMPARE(displays().result->text(), QStringLiteral("Error: Parada crítica"));
        QCOMPARE(displays().image3->source(), QStringLiteral(":/pictures/face_critical.svg"));
        QCOMPARE(p.sounds.played.size(), std::size_t(1));
        QCOMPARE(p.sounds.played[0].file, std::string("pato.wav"));
        click(KeyId::digit4);
        QCOMPARE(displays().image3->source(), QStringLiteral(":/pictures/face_normal.svg"));
        QCOMPARE(displays().result->text(), QStringLiteral("0"));
    }

    void functionKeysLightTheirFlags() {
        click(KeyId::hyperbolic);
        QVERIFY(key(KeyId::hyperbolic)->isChecked());
        click(KeyId::cosine);
        QVERIFY(!key(KeyId::hyperbolic)->isChecked());
        QVERIFY(key(KeyId::modeDeg)->isChecked());
        click(KeyId::modeRad);
        QCOMPARE(displays().angulo->text(), QStringLiteral("rad"));
        QVERIFY(key(KeyId::modeRad)->isChecked() && !key(KeyId::modeDeg)->isChecked());
        click(KeyId::toDeg);  // a conversion key never lights
        QVERIFY(!key(KeyId::toDeg)->isChecked());
    }

    void hexadecimalModeGreysKeysAndTypesLetters() {
        QVERIFY(key(KeyId::decimalMode)->isChecked());
        QVERIFY(!key(KeyId::hexDigitA)->isEnabled());
        click(KeyId::hexadecimalMode);
        QVERIFY(key(KeyId::hexadecimalMode)->isChecked() && !key(KeyId::decimalMode)->isChecked());
        QVERIFY(key(KeyId::hexDigitA)->isEnabled());
        for (KeyId id : {KeyId::sine, KeyId::pi, KeyId::decimalPoint, KeyId::currencyTo2, KeyId::constLight})
            QVERIFY2(!key(id)->isEnabled(), calc::keyInfo(id).name.data());
        type(QStringLiteral("1FA"));
        QCOMPARE(numero(), QStringLiteral("&h1FA"));
        type(QStringLiteral("a"));  // small a is still AC
        QCOMPARE(numero(), QStringLiteral("0"));
        click(KeyId::decimalMode);
        QVERIFY(key(KeyId::sine)->isEnabled());
        QVERIFY(!key(KeyId::hexDigitF)->isEnabled());
    }

    void historyListFollowsTheModelAndPrints() {
        click(KeyId::digit4);
        click(KeyId::digit2);
        click(KeyId::historyToggle);
        QVERIFY(displays().history->isVisible());
        QCOMPARE(displays().history->count(), 2);
        QCOMPARE(displays().history->itemText(1), QStringLiteral("42"));
        emit displays().history->activated(0);
        QCOMPARE(numero(), QStringLiteral("4"));
        QVERIFY(displays().history->isHidden());

        {
            PdfFolder pdf;
            findAction(window.get(), QStringLiteral("Historial"))->trigger();
            QVERIFY2(pdf.text().contains(QStringLiteral("42")), qPrintable(pdf.text()));
        }
        const QString html = historyDocumentHtml(
            {QStringLiteral("12"), QStringLiteral("                  +"), QStringLiteral("a<b")},
            QStringLiteral("hoy"));
        QVERIFY(html.contains(QStringLiteral("Historial")));
        QVERIFY(html.contains(QStringLiteral("                  +\n")));
        QVERIFY(html.contains(QStringLiteral("a&lt;b")));

        click(KeyId::historyClear);
        QCOMPARE(displays().history->count(), 0);
    }

    // A long currency name is cut short on its key and leaves the keypad as it is.
    void activationRefreshesTipsCaptionsAndStatusBar() {
        const int width = window->width();
        const int keyWidth = key(KeyId::currencyTo2)->width();
        p.state.transitLabel2 = "Mensualidad";
        p.state.currencyName1 = "euro";
        p.state.currencyName2 = "dólares estadounidenses de los Estados Unidos de América";
        p.state.exchangeFactor = Variant::fromNumber(166.386);
        activation();
        QCoreApplication::processEvents();
        QCOMPARE(key(KeyId::transit2)->toolTip(), QStringLiteral("Mensualidad"));
        QVERIFY(window->status().currency->text().startsWith(QStringLiteral("1 euro = 166,386 dólares")));
        QVERIFY(window->status().sound->isHidden());
        QCOMPARE(window->width(), width);
        QCOMPARE(key(KeyId::currencyTo2)->width(), keyWidth);
        const QString caption = key(KeyId::currencyTo2)->text();
        QVERIFY2(caption.startsWith("dólares") && caption.endsWith(QChar(0x2026)), qPrintable(caption));
        QCOMPARE(key(KeyId::currencyTo2)->toolTip(),
                 QString("Conversor a dólares estadounidenses de los Estados Unidos de América.  {Q}"));
    }

    void newRateShowsInTheVatDisplay() {
        type("21");
        click(KeyId::vatSetRate);
        QCOMPARE(displays().ivas->text(), QString("21 %"));
        type("101");
        click(KeyId::vatSetRate);
        QCOMPARE(displays().result->text(), QString("Error: IVA superior al 100 %"));
        QCOMPARE(displays().ivas->text(), QString("21 %"));
    }

    void menusFollowTheProgramsThatExist() {
        QVERIFY(findAction(window.get(), QStringLiteral("Historial"))->isEnabled());
        QAction* alarm = findAction(window.get(), QStringLiteral("Alarma"));
        QVERIFY(alarm && !alarm->isEnabled());  // no Alarm window registered here
        p.state.calculatorModel = "normalita";
        findAction(window.get(), QStringLiteral("Científica"))->trigger();
        QCOMPARE(qs(p.state.calculatorModel), QStringLiteral("avanzada"));
    }

    void preferencesShowInTheCalculatorOnceItIsActiveAgain() {
        Program program;
        registerWindows(program.context);
        auto* calculator = qobject_cast<ScientificWindow*>(program.windows.show(WindowId::Scientific));
        QVERIFY(calculator && activate(calculator));
        findAction(calculator, "Preferencias")->trigger();
        QWidget* prefs = program.windows.existing(WindowId::Preferences);
        QVERIFY(prefs && activate(prefs));
        typeInto(child<QLineEdit>(prefs, "Text1"), "EURO");
        typeInto(child<QLineEdit>(prefs, "Text2"), "Pts");
        typeInto(child<QLineEdit>(prefs, "valor"), "166.386");
        prefs->close();

        program.windows.show(WindowId::Scientific);
        QVERIFY(QTest::qWaitForWindowActive(calculator));
        QCOMPARE(calculator->keypad().button(KeyId::currencyTo1)->text(), QString("euro"));
        QCOMPARE(calculator->status().currency->text(), QString("1 euro = 166,386 pts"));
        QTest::keyClicks(calculator, "1q");
        QCOMPARE(calculator->displays().numero->text(), QString("166,386"));
    }

    void screenshot() {
        const QByteArray file = qgetenv("NUMERALIA_SCREENSHOT");
        if (file.isEmpty()) QSKIP("set NUMERALIA_SCREENSHOT to save the window");
        for (KeyId id : {KeyId::hexadecimalMode, KeyId::decimalMode, KeyId::digit1, KeyId::digit2,
                         KeyId::toDegreesMinutesSeconds, KeyId::hyperbolic})
            click(id);
        window->resize(window->sizeHint());
        QTest::qWait(50);
        QVERIFY(window->grab().save(QString::fromLocal8Bit(file)));
    }
};

QTEST_MAIN(ScientificWindowTest)
#include "scientific_window_test.moc"
