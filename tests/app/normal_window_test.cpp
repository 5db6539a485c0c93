// The Normal window: its keys, displays and menus, its keyboard, the "Modo" switch between
// the two calculator windows, and the Normal model reopened by the next run of the program.

#include <QPushButton>
#include <QToolButton>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/calc_status_bar.h"
#include "app/calc/normal_window.h"
#include "app/calc/scientific_window.h"
#include "app/shell/printing.h"
#include "app/shell/program_menu_window.h"
#include "app/shell/window_catalog.h"
#include "core/calc/key_catalog.h"
#include "calc_window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;
using calc::CalculatorKind;
using calc::KeyId;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QString shown(const QLineEdit* box) { return box ? box->text() : QStringLiteral("<none>"); }

}  // namespace

class NormalWindowTest : public CalcWindowTest<NormalWindow> {
    Q_OBJECT

    // A program with every window registered; its calculator windows come from the registry.
    struct FullProgram : Program {
        FullProgram() { registerWindows(context); }
        CalculatorWindow* calculator(WindowId id) const {
            return qobject_cast<CalculatorWindow*>(windows.existing(id));
        }
    };

    static void chooseMode(QWidget* calculator, const char* entry) {
        QAction* action = findAction(calculator, QString::fromUtf8(entry));
        QVERIFY2(action && action->isEnabled(), entry);
        action->trigger();
        flushDeletes();
    }

  private slots:
    void init() { openWindow(); }
    void cleanup() { window.reset(); }

    void opensWithItsKeysAndDisplaysOnly() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Numeralia v2.5   (Normal)"));
        QCOMPARE(qs(p.state.calculatorModel), QStringLiteral("normalita"));
        QCOMPARE(numero(), QStringLiteral("0"));
        QCOMPARE(displays().ivas->text(), QStringLiteral("16 %"));
        for (const char* absent : {"dcm", "angulo", "m4"})
            QVERIFY2(window->findChild<QLineEdit*>(absent) == nullptr, absent);
        for (const char* present : {"numero", "result", "func", "ivas", "m1", "m2", "m3"})
            QVERIFY2(window->findChild<QLineEdit*>(present)->isVisible(), present);

        // A button for every key of the model and for no other; none overlaps another.
        QList<QRect> placed;
        for (const calc::KeyInfo& info : calc::allKeys()) {
            QPushButton* b = key(info.id);
            QCOMPARE(b != nullptr, calc::kindHasKey(CalculatorKind::Normal, info.id));
            if (!b) continue;
            QVERIFY2(b->isVisible(), info.name.data());
            const QRect r(b->mapTo(window.get(), QPoint(0, 0)), b->size());
            for (const QRect& other : placed) QVERIFY2(!r.intersects(other), info.name.data());
            placed << r;
        }
        QCOMPARE(placed.size(), 51);

        // The Normal model's tool tips on every key, its own words where they differ.
        for (const calc::KeyInfo& info : calc::allKeys()) {
            if (key(info.id))
                QCOMPARE(key(info.id)->toolTip(), qs(calc::keyToolTip(CalculatorKind::Normal, info.id)));
        }
        QCOMPARE(key(KeyId::percent)->toolTip(), QStringLiteral("Porcentaje"));
        QCOMPARE(key(KeyId::squareRoot)->toolTip(), QStringLiteral("Raiz Cuadrada.  {F5}"));
        QCOMPARE(key(KeyId::music)->text(), QStringLiteral("música"));
        QCOMPARE(key(KeyId::music)->toolTip(), QString());
        QCOMPARE(key(KeyId::pi)->text(), QStringLiteral("π"));

        // On activation the currency keys take the names; their tool tips stay as they are.
        p.state.currencyName1 = "euro";
        p.state.currencyName2 = "pts";
        p.state.exchangeFactor = Variant::fromNumber(166.386);
        p.state.transitLabel3 = "Capital";
        QVERIFY(activateAgain(window.get()));
        QCOMPARE(key(KeyId::currencyTo2)->text(), QStringLiteral("pts"));
        QCOMPARE(key(KeyId::currencyTo1)->text(), QStringLiteral("euro"));
        QCOMPARE(key(KeyId::currencyTo2)->toolTip(), QStringLiteral("Conversor de Moneda-1 a Moneda-2"));
        QCOMPARE(key(KeyId::currencyTo1)->toolTip(), QStringLiteral("Conversor de Moneda-2 a Moneda-1"));
        QCOMPARE(key(KeyId::transit3)->toolTip(), QStringLiteral("Capital"));
        QCOMPARE(window->status().currency->text(), QStringLiteral("1 euro = 166,386 pts"));
    }

    // Typed characters, then one key with modifiers (0: none), and the displays they leave:
    // the window presses through the Normal model's tables (which the keyboard tests check
    // row by row).
    void keyboardPressesOnlyTheNormalKeys_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("func");
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
        QTest::newRow("2+3/4 Enter") << "2+3/4" << int(Qt::Key_Return) << none << "1,25" << "=";
        QTest::newRow("X does nothing") << "12*3X" << 0 << none << "3" << "x";
        QTest::newRow("F1 does nothing") << "100" << int(Qt::Key_F1) << none << "100" << "";
        QTest::newRow("F5 square root") << "16" << int(Qt::Key_F5) << none << "4" << "sqr";
        QTest::newRow("F6 square") << "3" << int(Qt::Key_F6) << shift << "9" << "";
        QTest::newRow("p") << "p" << 0 << none << "3,14159265358979" << "";
        QTest::newRow("Ctrl+V") << "116" << int(Qt::Key_V) << ctrl << "100" << "-IVA";
        QTest::newRow("backspace") << "12<" << int(Qt::Key_Backspace) << none << "12" << "corr";
    }
    void keyboardPressesOnlyTheNormalKeys() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, numero);
        QFETCH(QString, func);
        type(typed);
        if (key != 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(this->numero(), numero);
        if (!func.isEmpty()) QCOMPARE(displays().func->text(), func);
    }

    void backspaceLeavesTheFocusWhereItIs() {
        click(KeyId::digit4);
        type(QStringLiteral("56"));
        QCOMPARE(QApplication::focusWidget(), key(KeyId::equals));
        key(KeyId::digit7)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QCOMPARE(numero(), QStringLiteral("45"));
        QCOMPARE(QApplication::focusWidget(), key(KeyId::digit7));
        type(QStringLiteral("+"));  // any other key hands it to "="
        QCOMPARE(QApplication::focusWidget(), key(KeyId::equals));
    }

    void menusHoldTheNormalEntries() {
        for (const char* absent : {"Abrir Est.", "Gráfico-EST.", "Guardar Est.", "Estadística"})
            QVERIFY2(findAction(window.get(), QString::fromUtf8(absent)) == nullptr, absent);
        QAction* normal = findAction(window.get(), QStringLiteral("Normal"));
        QAction* scientific = findAction(window.get(), QStringLiteral("Científica"));
        QVERIFY(normal->isCheckable() && normal->isChecked() && normal->isEnabled());
        QVERIFY(!scientific->isChecked());
        QVERIFY(!scientific->isEnabled());  // no Scientific window registered in this program
        QAction* alarm = window->findChild<QAction*>(QStringLiteral("alarmacalc2"));
        QVERIFY(alarm && alarm->text() == QStringLiteral("Alarma") && !alarm->isEnabled());

        // "Normal" here only records the model.
        p.state.calculatorModel = "avanzada";
        normal->trigger();
        QCOMPARE(qs(p.state.calculatorModel), QStringLiteral("normalita"));
        QVERIFY(window->isVisible() && normal->isChecked());

        click(KeyId::digit8);
        PdfFolder pdf;
        findAction(window.get(), QStringLiteral("Historial"))->trigger();
        QCOMPARE(pdf.files().size(), 1);
    }

    // "Modo": the window closes and the other model opens fresh in its place; the shared
    // state stays (what it holds after a switch is the model tests' concern; here the
    // windows must show it and leave it alone).
    void switchingThereAndBackKeepsTheSharedState() {
        FullProgram program;
        SharedState& shared = program.state;
        shared.transitValue2 = 250;
        shared.statDataX = {1, 2};
        shared.statCountX = 2;
        QWidget* first = program.windows.show(WindowId::Scientific);
        first->move(140, 90);
        const QPoint place = first->pos();
        auto* scientific = program.calculator(WindowId::Scientific);
        for (KeyId id : {KeyId::digit1, KeyId::memoryAdd1, KeyId::digit2, KeyId::memoryAdd2,
                         KeyId::digit3, KeyId::memoryAdd3, KeyId::digit4, KeyId::memoryAdd4,
                         KeyId::digit2, KeyId::digit1, KeyId::vatSetRate, KeyId::digit9, KeyId::plus})
            scientific->runKey(id);

        chooseMode(scientific, "Normal");
        QVERIFY(program.windows.existing(WindowId::Scientific) == nullptr);
        auto* normal = program.calculator(WindowId::Normal);
        QVERIFY(normal && normal->isVisible());
        QCOMPARE(normal->pos(), place);
        QCOMPARE(qs(shared.calculatorModel), QStringLiteral("normalita"));
        QCOMPARE(normal->displays().numero->text(), QStringLiteral("0"));
        QCOMPARE(normal->displays().history->count(), 0);
        QCOMPARE(normal->displays().ivas->text(), QStringLiteral("21 %"));
        QCOMPARE(shown(normal->displays().memories[2]), QStringLiteral("3"));
        QVERIFY(findAction(normal, QStringLiteral("Normal"))->isChecked());
        normal->runKey(KeyId::transit2);

        chooseMode(normal, "Normal");  // stays, unchanged
        QCOMPARE(program.calculator(WindowId::Normal), normal);
        QCOMPARE(normal->displays().numero->text(), QStringLiteral("250"));

        normal->move(200, 120);
        const QPoint second = normal->pos();
        chooseMode(normal, "Científica");
        QVERIFY(program.windows.existing(WindowId::Normal) == nullptr);
        scientific = program.calculator(WindowId::Scientific);
        QVERIFY(scientific && scientific->isVisible());
        QCOMPARE(scientific->pos(), second);
        QCOMPARE(qs(shared.calculatorModel), QStringLiteral("avanzada"));
        QCOMPARE(scientific->displays().numero->text(), QStringLiteral("0"));
        QCOMPARE(scientific->displays().history->count(), 0);
        // M4 and the statistics, which the Normal window lacks, outlive it.
        QCOMPARE(shown(scientific->displays().memories[3]), QStringLiteral("4"));
        QVERIFY(findAction(scientific, QStringLiteral("Científica"))->isChecked());
        QCOMPARE(shared.statDataX, (std::vector<double>{1, 2}));
        QCOMPARE(shared.statCountX, std::int16_t(2));
    }

    // The real start-up and shut-down path, twice on one program folder.
    void closingWithTheNormalModelOpenReopensItNextRun() {
        QTemporaryDir folder;
        {
            FullProgram run;
            auto* menu = new ProgramMenuWindow(run.context, folder.path());
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->show();
            QTest::mouseClick(child<QToolButton>(menu, "Command1"), Qt::LeftButton);
            auto* scientific = run.calculator(WindowId::Scientific);
            QVERIFY(scientific);
            scientific->runKey(KeyId::digit6);
            scientific->runKey(KeyId::memoryAdd2);
            chooseMode(scientific, "Normal");
            QVERIFY(run.calculator(WindowId::Normal));
            QVERIFY(menu->close());
            flushDeletes();
            QVERIFY(run.windows.existing(WindowId::Normal) == nullptr);
        }
        QVERIFY(readAll(folder.filePath("pref")).startsWith("16,0,6,0,0,0,0,0,,,,,,,\"normalita\",0"));
        {
            FullProgram run;
            auto* menu = new ProgramMenuWindow(run.context, folder.path());
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->show();
            QTest::mouseClick(child<QToolButton>(menu, "Command1"), Qt::LeftButton);
            QVERIFY(run.windows.existing(WindowId::Scientific) == nullptr);
            auto* normal = run.calculator(WindowId::Normal);
            QVERIFY(normal && normal->isVisible());
            QCOMPARE(normal->displays().memories[1]->text(), QStringLiteral("6"));
            QVERIFY(menu->close());
            flushDeletes();
        }
    }

};

QTEST_MAIN(NormalWindowTest)
#include "normal_window_test.moc"
