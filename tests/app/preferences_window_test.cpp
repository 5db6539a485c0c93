#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "../core/fake_platform.h"
#include "app/shell/app_context.h"
#include "app/shell/program_menu_window.h"
#include "app/shell/window_catalog.h"

using namespace numeralia;
using namespace numeralia::app;

namespace {

void leaveBox(QWidget* box) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

}  // namespace

class PreferencesWindowTest : public QObject {
    Q_OBJECT

    SharedState state;
    testing::FakeSoundPlayer sounds;
    testing::FakeDialogs dialogs;
    WindowRegistry windows;
    AppContext context{state, sounds, dialogs, windows};

    QWidget* open() { return windows.show(WindowId::Preferences); }
    template <typename T>
    T* child(QWidget* window, const char* name) {
        T* w = window->findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }
    void closeAndForget() {
        windows.close(WindowId::Preferences);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void initTestCase() { registerWindows(context); }

    void init() {
        state = SharedState{};
        state.currencyName1 = "dólar";
        state.currencyName2 = "yen";
        state.exchangeFactor = Variant::fromNumber(150.25);
        state.soundOn = 0;
    }

    void cleanup() { closeAndForget(); }

    void opensOnceWithTheSharedValues() {
        QWidget* window = open();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Preferencias"));
        QCOMPARE(windows.show(WindowId::Preferences), window);
        QCOMPARE(child<QLineEdit>(window, "Text1")->text(), QString("dólar"));
        QCOMPARE(child<QLineEdit>(window, "Text2")->text(), QString("yen"));
        QCOMPARE(child<QLineEdit>(window, "valor")->text(), QString("150,25"));
        QCOMPARE(child<QLabel>(window, "Label1")->text(), QString("1 dólar ="));
        QCOMPARE(child<QLabel>(window, "Label2")->text(), QString("yen"));
        QCOMPARE(child<QCheckBox>(window, "Check1")->text(), QString("Activar Sonidos del Programa"));
        QVERIFY(!child<QCheckBox>(window, "Check1")->isChecked());
    }

    void typedNamesAreStoredInLowerCase() {
        QWidget* window = open();
        auto* text1 = child<QLineEdit>(window, "Text1");
        text1->clear();
        QTest::keyClicks(text1, "EURO");
        QCOMPARE(state.currencyName1, std::string("euro"));
        QCOMPARE(child<QLabel>(window, "Label1")->text(), QString("1 euro ="));
        QCOMPARE(text1->text(), QString("EURO"));
        leaveBox(text1);
        QCOMPARE(text1->text(), QString("euro"));

        auto* text2 = child<QLineEdit>(window, "Text2");
        text2->selectAll();
        QTest::keyClicks(text2, "Pesetas");
        QCOMPARE(state.currencyName2, std::string("pesetas"));
        QCOMPARE(child<QLabel>(window, "Label2")->text(), QString("pesetas"));
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
        QWidget* window = open();
        auto* valor = child<QLineEdit>(window, "valor");
        valor->selectAll();
        QTest::keyClick(valor, Qt::Key_Delete);
        QTest::keyClicks(valor, typed);
        leaveBox(valor);
        QCOMPARE(state.exchangeFactor, Variant::fromNumber(stored));
        QCOMPARE(valor->text(), shown);
    }

    void soundSwitchActsAtOnce() {
        QWidget* window = open();
        auto* check = child<QCheckBox>(window, "Check1");
        check->click();
        QCOMPARE(state.soundOn, std::int16_t{1});
        check->click();
        QCOMPARE(state.soundOn, std::int16_t{0});
    }

    void originalesThenCancelarRestores() {
        QWidget* window = open();
        child<QPushButton>(window, "Command1")->click();
        QCOMPARE(state.currencyName1, std::string("euro"));
        QCOMPARE(state.currencyName2, std::string("pts"));
        QCOMPARE(state.exchangeFactor, Variant::fromNumber(166.386));
        QCOMPARE(state.soundOn, std::int16_t{1});
        QCOMPARE(child<QLineEdit>(window, "valor")->text(), QString("166,386"));
        QCOMPARE(child<QLabel>(window, "Label1")->text(), QString("1 euro ="));
        QCOMPARE(child<QLabel>(window, "Label2")->text(), QString("pts"));
        QVERIFY(child<QCheckBox>(window, "Check1")->isChecked());

        child<QPushButton>(window, "Command3")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!windows.existing(WindowId::Preferences));
        QCOMPARE(state.currencyName1, std::string("dólar"));
        QCOMPARE(state.currencyName2, std::string("yen"));
        QCOMPARE(state.exchangeFactor, Variant::fromNumber(150.25));
        QCOMPARE(state.soundOn, std::int16_t{0});
    }

    void guardarMovesTheRestorePoint() {
        QWidget* window = open();
        child<QPushButton>(window, "Command1")->click();
        child<QPushButton>(window, "Command2")->click();
        QVERIFY(windows.existing(WindowId::Preferences));
        auto* text1 = child<QLineEdit>(window, "Text1");
        text1->selectAll();
        QTest::keyClicks(text1, "Libra");
        child<QPushButton>(window, "Command3")->click();
        QCOMPARE(state.currencyName1, std::string("euro"));
        QCOMPARE(state.exchangeFactor, Variant::fromNumber(166.386));
    }

    void closingOtherwiseKeepsTheValues() {
        QWidget* window = open();
        auto* text2 = child<QLineEdit>(window, "Text2");
        text2->selectAll();
        QTest::keyClicks(text2, "PTS");
        auto* valor = child<QLineEdit>(window, "valor");
        valor->selectAll();
        QTest::keyClicks(valor, "2.5");  // still being typed when the window closes
        window->close();
        QCOMPARE(state.currencyName2, std::string("pts"));
        QCOMPARE(state.exchangeFactor, Variant::fromNumber(2.5));
    }

    // Preferences changed in one run are there in the next one when the program ends
    // through the Program menu.
    void preferencesOutliveTheRunThroughTheProgramMenu() {
        QTemporaryDir dir;
        {
            SharedState run;
            WindowRegistry registry;
            AppContext program{run, sounds, dialogs, registry};
            registerWindows(program);
            auto* menu = new ProgramMenuWindow(program, dir.path());
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->show();
            QWidget* window = registry.show(WindowId::Preferences);
            child<QPushButton>(window, "Command1")->click();
            auto* text1 = child<QLineEdit>(window, "Text1");
            text1->selectAll();
            QTest::keyClicks(text1, "DÓLAR");
            auto* valor = child<QLineEdit>(window, "valor");
            valor->selectAll();
            QTest::keyClicks(valor, "1.08");
            leaveBox(valor);
            child<QCheckBox>(window, "Check1")->click();
            QVERIFY(menu->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!registry.existing(WindowId::Preferences));
        }
        SharedState next;
        WindowRegistry registry;
        AppContext program{next, sounds, dialogs, registry};
        ProgramMenuWindow menu(program, dir.path());
        QCOMPARE(next.currencyName1, std::string("dólar"));
        QCOMPARE(next.currencyName2, std::string("pts"));
        QCOMPARE(next.exchangeFactor, Variant::fromNumber(1.08));
        QCOMPARE(next.soundOn, std::int16_t{0});
    }
};

QTEST_MAIN(PreferencesWindowTest)
#include "preferences_window_test.moc"
