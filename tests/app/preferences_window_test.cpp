#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "app/shell/program_menu_window.h"
#include "app/shell/window_catalog.h"
#include "window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

class PreferencesWindowTest : public QObject {
    Q_OBJECT

    Program p;
    QWidget* window = nullptr;

    QLineEdit* box(const char* name) { return child<QLineEdit>(window, name); }
    QString label(const char* name) { return child<QLabel>(window, name)->text(); }
    QCheckBox* soundSwitch() { return child<QCheckBox>(window, "Check1"); }
    void press(const char* name) { child<QPushButton>(window, name)->click(); }

private slots:
    void initTestCase() { registerWindows(p.context); }

    void init() {
        p.reset();
        p.state.currencyName1 = "dólar";
        p.state.currencyName2 = "yen";
        p.state.exchangeFactor = Variant::fromNumber(150.25);
        p.state.soundOn = 0;
        window = p.windows.show(WindowId::Preferences);
        QVERIFY(window);
    }

    void opensOnceWithTheSharedValues() {
        QCOMPARE(window->windowTitle(), QString("Preferencias"));
        QCOMPARE(p.windows.show(WindowId::Preferences), window);
        QCOMPARE(box("Text1")->text(), QString("dólar"));
        QCOMPARE(box("Text2")->text(), QString("yen"));
        QCOMPARE(box("valor")->text(), QString("150,25"));
        QCOMPARE(label("Label1"), QString("1 dólar ="));
        QCOMPARE(label("Label2"), QString("yen"));
        QCOMPARE(soundSwitch()->text(), QString("Activar Sonidos del Programa"));
        QVERIFY(!soundSwitch()->isChecked());
        soundSwitch()->click();  // acts at once
        QCOMPARE(p.state.soundOn, std::int16_t{1});
        soundSwitch()->click();
        QCOMPARE(p.state.soundOn, std::int16_t{0});
    }

    void typedNamesAreStoredInLowerCase() {
        box("Text1")->clear();
        QTest::keyClicks(box("Text1"), "EURO");
        QCOMPARE(p.state.currencyName1, std::string("euro"));
        QCOMPARE(label("Label1"), QString("1 euro ="));
        QCOMPARE(box("Text1")->text(), QString("EURO"));
        leaveBox(box("Text1"));
        QCOMPARE(box("Text1")->text(), QString("euro"));
        box("Text2")->selectAll();
        QTest::keyClicks(box("Text2"), "Pesetas");
        QCOMPARE(p.state.currencyName2, std::string("pesetas"));
        QCOMPARE(label("Label2"), QString("pesetas"));
    }

    void factorIsReadWithEitherDecimalMark_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point") << "1.5" << 1.5 << "1,5";
        QTest::newRow("not a number") << "mucho" << 150.25 << "150,25";
    }
    void factorIsReadWithEitherDecimalMark() {
        QFETCH(QString, typed);
        QFETCH(double, stored);
        QFETCH(QString, shown);
        typeInto(box("valor"), typed);
        QCOMPARE(p.state.exchangeFactor, Variant::fromNumber(stored));
        QCOMPARE(box("valor")->text(), shown);
    }

    // The values the buttons restore are the preferences model's tests; here the boxes, labels
    // and switch must show them and the window must go.
    void originalesThenCancelarRestores() {
        press("Command1");
        QCOMPARE(box("Text1")->text(), QString("euro"));
        QCOMPARE(box("valor")->text(), QString("166,386"));
        QCOMPARE(label("Label1"), QString("1 euro ="));
        QCOMPARE(label("Label2"), QString("pts"));
        QVERIFY(soundSwitch()->isChecked());

        press("Command3");
        flushDeletes();
        QVERIFY(!p.windows.existing(WindowId::Preferences));
        QCOMPARE(p.state.currencyName1, std::string("dólar"));
    }

    void guardarMovesTheRestorePoint() {
        press("Command1");
        press("Command2");
        QVERIFY(p.windows.existing(WindowId::Preferences));
        box("Text1")->selectAll();
        QTest::keyClicks(box("Text1"), "Libra");
        press("Command3");
        QCOMPARE(p.state.currencyName1, std::string("euro"));
        QCOMPARE(p.state.exchangeFactor, Variant::fromNumber(166.386));
    }

    void closingOtherwiseKeepsTheValues() {
        box("Text2")->selectAll();
        QTest::keyClicks(box("Text2"), "PTS");
        box("valor")->selectAll();
        QTest::keyClicks(box("valor"), "2.5");  // still being typed when the window closes
        window->close();
        QCOMPARE(p.state.currencyName2, std::string("pts"));
        QCOMPARE(p.state.exchangeFactor, Variant::fromNumber(2.5));
    }

    // Preferences changed in one run are there in the next one when the program ends
    // through the Program menu.
    void preferencesOutliveTheRunThroughTheProgramMenu() {
        QTemporaryDir dir;
        {
            Program run;
            registerWindows(run.context);
            auto* menu = new ProgramMenuWindow(run.context, dir.path());
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->show();
            window = run.windows.show(WindowId::Preferences);
            press("Command1");
            box("Text1")->selectAll();
            QTest::keyClicks(box("Text1"), "DÓLAR");
            typeInto(box("valor"), "1.08");
            soundSwitch()->click();
            QVERIFY(menu->close());
            flushDeletes();
            QVERIFY(!run.windows.existing(WindowId::Preferences));
        }
        Program next;
        ProgramMenuWindow menu(next.context, dir.path());
        QCOMPARE(next.state.currencyName1, std::string("dólar"));
        QCOMPARE(next.state.currencyName2, std::string("pts"));
        QCOMPARE(next.state.exchangeFactor, Variant::fromNumber(1.08));
        QCOMPARE(next.state.soundOn, std::int16_t{0});
    }
};

QTEST_MAIN(PreferencesWindowTest)
#include "preferences_window_test.moc"
