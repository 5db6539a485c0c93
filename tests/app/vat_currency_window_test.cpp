// The VAT and currency keys in the Scientific window, and what the window shows after the
// Preferences window changed the currencies.

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/calc_status_bar.h"
#include "app/calc/scientific_window.h"
#include "../core/fake_platform.h"
#include "app/shell/app_context.h"
#include "app/shell/window_catalog.h"

using namespace numeralia;
using namespace numeralia::app;
using calc::KeyId;

namespace {

QAction* findAction(QWidget* root, const QString& text) {
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

void typeInto(QWidget* window, const char* name, const QString& text) {
    auto* box = window->findChild<QLineEdit*>(name);
    QVERIFY2(box, name);
    box->selectAll();
    QTest::keyClicks(box, text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

}  // namespace

class VatCurrencyWindowTest : public QObject {
    Q_OBJECT

    SharedState state;
    testing::FakeSoundPlayer sounds;
    testing::FakeDialogs dialogs;
    WindowRegistry windows;
    AppContext context{state, sounds, dialogs, windows};
    ScientificWindow* calculator = nullptr;

    QPushButton* key(KeyId id) const { return calculator->keypad().button(id); }
    QString numero() const { return calculator->displays().numero->text(); }
    void typeKeys(const QString& text) { QTest::keyClicks(calculator, text); }

private slots:
    void initTestCase() { registerWindows(context); }

    void init() {
        state = SharedState{};
        calculator = qobject_cast<ScientificWindow*>(windows.show(WindowId::Scientific));
        QVERIFY(calculator);
        QVERIFY(QTest::qWaitForWindowActive(calculator));
    }

    void cleanup() {
        windows.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void firstRunKeysReadWell() {
        QCOMPARE(key(KeyId::currencyTo2)->text(), QString("moneda 2"));
        QCOMPARE(key(KeyId::currencyTo1)->text(), QString("moneda 1"));
        QCOMPARE(key(KeyId::currencyTo2)->toolTip(), QString("Conversor a moneda 2.  {Q}"));
        QCOMPARE(calculator->status().currency->text(),
                 QString("Cambio de moneda sin definir (Archivo, Preferencias)"));
        QCOMPARE(calculator->displays().ivas->text(), QString("16 %"));
    }

    void preferencesShowInTheCalculatorOnceItIsActiveAgain() {
        QAction* entry = findAction(calculator, "Preferencias");
        QVERIFY(entry && entry->isEnabled());
        entry->trigger();
        QWidget* prefs = windows.existing(WindowId::Preferences);
        QVERIFY(prefs && prefs->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(prefs));
        typeInto(prefs, "Text1", "EURO");
        typeInto(prefs, "Text2", "Pts");
        typeInto(prefs, "valor", "166.386");
        QCOMPARE(state.currencyName1, std::string("euro"));
        QCOMPARE(state.exchangeFactor, Variant::fromNumber(166.386));
        prefs->close();

        windows.show(WindowId::Scientific);
        QVERIFY(QTest::qWaitForWindowActive(calculator));
        QCOMPARE(key(KeyId::currencyTo2)->text(), QString("pts"));
        QCOMPARE(key(KeyId::currencyTo1)->text(), QString("euro"));
        QCOMPARE(key(KeyId::currencyTo2)->toolTip(), QString("Conversor a pts.  {Q}"));
        QCOMPARE(key(KeyId::currencyTo1)->toolTip(), QString("Conversor a euro.  {W}"));
        QCOMPARE(calculator->status().currency->text(), QString("1 euro = 166,386 pts"));

        typeKeys("1q");
        QCOMPARE(numero(), QString("166,386"));
        QCOMPARE(calculator->displays().func->text(), QString("a pts"));
        QTest::mouseClick(key(KeyId::currencyTo1), Qt::LeftButton);
        QCOMPARE(numero(), QString("1"));
        QCOMPARE(calculator->displays().func->text(), QString("a euro"));
    }

    void longNamesKeepTheKeypadAsItIs() {
        const int width = calculator->width();
        const int keyWidth = key(KeyId::currencyTo2)->width();
        state.currencyName2 = "dólares estadounidenses de los Estados Unidos de América";
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(calculator, &activation);
        QCoreApplication::processEvents();
        QCOMPARE(calculator->width(), width);
        QCOMPARE(key(KeyId::currencyTo2)->width(), keyWidth);
        const QString caption = key(KeyId::currencyTo2)->text();
        QVERIFY2(caption.startsWith("dólares") && caption.endsWith(QChar(0x2026)),
                 qPrintable(caption));
        QCOMPARE(key(KeyId::currencyTo2)->toolTip(),
                 QString("Conversor a dólares estadounidenses de los Estados Unidos de América.  {Q}"));
    }

    void vatKeysFromTheKeyboard_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("func");
        QTest::newRow("V") << "100" << int(Qt::NoModifier) << "16" << "IVA";
        QTest::newRow("Shift+V") << "100" << int(Qt::ShiftModifier) << "116" << "+IVA";
        QTest::newRow("Ctrl+V") << "116" << int(Qt::ControlModifier) << "100" << "-IVA";
        QTest::newRow("Ctrl+Shift+V") << "100" << int(Qt::ControlModifier | Qt::ShiftModifier)
                                      << "16" << "IVA";
    }
    void vatKeysFromTheKeyboard() {
        QFETCH(QString, typed);
        QFETCH(int, modifiers);
        QFETCH(QString, numero);
        QFETCH(QString, func);
        typeKeys(typed);
        QTest::keyClick(calculator, Qt::Key_V, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(this->numero(), numero);
        QCOMPARE(calculator->displays().func->text(), func);
    }

    void newRateShowsInTheVatDisplay() {
        typeKeys("21");
        QTest::mouseClick(key(KeyId::vatSetRate), Qt::LeftButton);
        QCOMPARE(calculator->displays().ivas->text(), QString("21 %"));
        typeKeys("101");
        QTest::mouseClick(key(KeyId::vatSetRate), Qt::LeftButton);
        QCOMPARE(calculator->displays().result->text(), QString("Error: IVA superior al 100 %"));
        QCOMPARE(calculator->displays().ivas->text(), QString("21 %"));
        QCOMPARE(state.vatRate, Variant::fromNumber(21));
    }
};

QTEST_MAIN(VatCurrencyWindowTest)
#include "vat_currency_window_test.moc"
