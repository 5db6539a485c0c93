// The calculator's Help window: opened once from "A&yuda" of both calculators and by F1 where
// no key claims it; its replica is the Scientific window itself, every element of which has a
// text; clicks only explain (two clicks leave the second text) and change no state; the
// search finds, explains and flashes; CTRL + F reaches the search field.

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "app/calc/calc_help_replica.h"
#include "app/calc/calc_help_window.h"
#include "app/calc/normal_window.h"
#include "app/calc/scientific_window.h"
#include "app/shell/picture_box.h"
#include "core/calc/calc_help.h"
#include "core/calc/key_catalog.h"
#include "calc_window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;
using calc::HelpKind;
using calc::KeyId;

namespace {

// The entries of a menu bar that act (no separators, no submenus), submenus included.
QList<QAction*> menuEntries(const QList<QAction*>& actions) {
    QList<QAction*> entries;
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        if (a->menu()) {
            entries += menuEntries(a->menu()->actions());
        } else {
            entries << a;
        }
    }
    return entries;
}

// The widgets of a calculator window that show something and can be clicked: the displays,
// the lists, the pictures and the status bar's panels.
QList<QWidget*> displayWidgets(QWidget* window) {
    QList<QWidget*> found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const bool shows = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w) ||
                           qobject_cast<QComboBox*>(w) || qobject_cast<PictureBox*>(w) ||
                           qobject_cast<QStatusBar*>(w->parentWidget());
        if (shows) found << w;
    }
    return found;
}

// The help text of a display widget: its own or that of the nearest named ancestor.
std::string displayText(QWidget* widget, QWidget* window) {
    for (QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        const std::string text = calc::displayHelpText(w->objectName().toStdString());
        if (!text.empty()) return text;
    }
    return {};
}

// Where a key sits: its grid cell and span in the panel that holds it.
QString cellOf(QPushButton* button) {
    auto* grid = button->parentWidget() ? qobject_cast<QGridLayout*>(button->parentWidget()->layout())
                                        : nullptr;
    if (!grid) return button->parentWidget()->objectName();
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(button), &row, &column, &rows, &columns);
    return QStringLiteral("%1 %2,%3 %4x%5")
        .arg(button->parentWidget()->objectName())
        .arg(row)
        .arg(column)
        .arg(rows)
        .arg(columns);
}

}  // namespace

class CalcHelpWindowTest : public QObject {
    Q_OBJECT

    Program p;
    std::unique_ptr<CalcHelpWindow> help;

    void openHelp() {
        help = std::make_unique<CalcHelpWindow>(p.context);
        QVERIFY(activate(help.get()));
    }
    QPushButton* replicaKey(KeyId id) const { return help->replica().window().keypad().button(id); }
    void clickReplica(KeyId id) {
        QPushButton* key = replicaKey(id);
        QVERIFY2(key, calc::keyInfo(id).name.data());
        QTest::mouseClick(key, Qt::LeftButton);
    }
    QString textOf(KeyId id) const { return QString::fromStdString(calc::keyHelpText(id)); }

  private slots:
    void init() { p.reset(); }
    void cleanup() {
        help.reset();
        p.closeWindows();
    }

    void opensOnceFromTheMenuOfBothCalculators() {
        p.windows.registerWindow(WindowId::Help, [this] { return new CalcHelpWindow(p.context); });
        for (const bool normal : {false, true}) {
            std::unique_ptr<CalculatorWindow> calc;
            if (normal) {
                calc = std::make_unique<NormalWindow>(p.context);
            } else {
                calc = std::make_unique<ScientificWindow>(p.context);
            }
            QAction* entry = findAction(calc.get(), QStringLiteral("A&yuda"));
            QVERIFY(entry && entry->isEnabled());
            entry->trigger();
            QWidget* shown = p.windows.existing(WindowId::Help);
            QVERIFY(shown && shown->isVisible());
            QCOMPARE(shown->windowTitle(), QStringLiteral("Ayuda Calculadora"));
            entry->trigger();
            QCOMPARE(p.windows.existing(WindowId::Help), shown);  // one window only
            QCOMPARE(p.windows.existing(WindowId::Help)->isModal(), false);
            p.windows.close(WindowId::Help);
            flushDeletes();
            QVERIFY(!p.windows.existing(WindowId::Help));
        }
    }

    void f1OpensHelpWhereNoKeyClaimsIt() {
        p.windows.registerWindow(WindowId::Help, [this] { return new CalcHelpWindow(p.context); });
        {
            ScientificWindow scientific(p.context);
            QVERIFY(activate(&scientific));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);  // "log"
            QCOMPARE(scientific.displays().func->text(), QStringLiteral("log"));
            QCOMPARE(scientific.displays().numero->text(), QStringLiteral("1"));
            QVERIFY(!p.windows.existing(WindowId::Help));
        }
        NormalWindow normal(p.context);
        QVERIFY(activate(&normal));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QWidget* shown = p.windows.existing(WindowId::Help);
        QVERIFY(shown && shown->isVisible());
        QCOMPARE(normal.displays().func->text(), QString());  // no key ran
    }

    void theReplicaIsTheScientificLayout() {
        ScientificWindow calc(p.context);
        openHelp();
        int compared = 0;
        for (const calc::KeyInfo& info : calc::allKeys()) {
            QPushButton* real = calc.keypad().button(info.id);
            QPushButton* drawn = replicaKey(info.id);
            QCOMPARE(drawn != nullptr, real != nullptr);
            if (!real) continue;
            QCOMPARE(cellOf(drawn), cellOf(real));
            // The currency keys show the names of the currencies, the program's in the
            // calculator, the factory ones in the replica.
            if (info.id != KeyId::currencyTo1 && info.id != KeyId::currencyTo2)
                QCOMPARE(drawn->text(), real->text());
            ++compared;
        }
        QVERIFY(compared > 100);
        // Every key can be clicked, also those the number mode disables in the calculator.
        QVERIFY(!calc.keypad().button(KeyId::hexDigitA)->isEnabled());
        QVERIFY(replicaKey(KeyId::hexDigitA)->isEnabled());
    }

    void clicksExplainEverythingAndChangeNothing() {
        p.state.calculatorModel = "normalita";
        p.state.memory2 = 7.5;
        p.state.vatRate = Variant::fromNumber(21);
        p.state.currencyName1 = "dólar";
        for (WindowId id : {WindowId::About, WindowId::Preferences, WindowId::Alarm,
                            WindowId::Converter, WindowId::Bank, WindowId::Periodic,
                            WindowId::Lottery, WindowId::Normal, WindowId::Scientific})
            p.registerPlain(id);
        const SharedState before = p.state;
        openHelp();
        QVERIFY(help->text().isEmpty());
        ScientificWindow& drawn = help->replica().window();
        // The replica shows a calculator just opened, not the program's memories.
        QCOMPARE(drawn.displays().memories[1]->text(), QStringLiteral("0"));

        // Every key, display and menu entry of the Scientific window has its text, each
        // click leaving its own text only.
        const QList<QPushButton*> keys = drawn.findChildren<QPushButton*>();
        int scientificKeys = 0;
        for (const calc::KeyInfo& info : calc::allKeys())
            scientificKeys += drawn.model().hasKey(info.id) ? 1 : 0;
        QCOMPARE(keys.size(), scientificKeys);
        for (QPushButton* key : keys) {
            QTest::mouseClick(key, Qt::LeftButton);
            QCOMPARE(help->text(), textOf(*calc::keyByName(key->objectName().toStdString())));
            QVERIFY2(!help->text().isEmpty(), qPrintable(key->objectName()));
        }
        const QList<QWidget*> displays = displayWidgets(&drawn);
        QVERIFY(displays.size() >= 20);
        for (QWidget* display : displays) {
            QWidget* target = display;
            if (auto* view = qobject_cast<QAbstractItemView*>(display)) target = view->viewport();
            if (auto* box = qobject_cast<QComboBox*>(display); box && box->lineEdit())
                target = box->lineEdit();
            help->explain(*calc::findHelpElement(HelpKind::Key, "plus"));
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
            QVERIFY2(!displayText(display, &drawn).empty(), qPrintable(display->objectName()));
            QCOMPARE(help->text(), QString::fromStdString(displayText(display, &drawn)));
            // Nor does a display open its copy and paste menu.
            QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(target, &menuAsked);
            QVERIFY2(drawn.findChildren<QMenu*>(QStringLiteral("contextMenu")).isEmpty(),
                     qPrintable(display->objectName()));
        }
        const QList<QAction*> entries = menuEntries(drawn.menuBar()->actions());
        QVERIFY(entries.size() >= 15);
        for (QAction* entry : entries) {
            QVERIFY2(entry->isEnabled(), qPrintable(entry->text()));
            entry->trigger();
            QVERIFY2(!help->text().isEmpty(), qPrintable(entry->text()));
            QCOMPARE(help->text(),
                     QString::fromStdString(calc::menuHelpText(entry->text().toStdString())));
        }

        // Nothing ran: the replica's displays are as they opened, no window opened, nothing
        // was asked, played or stored.
        QCOMPARE(drawn.displays().numero->text(), QStringLiteral("0"));
        QCOMPARE(drawn.displays().result->text(), QStringLiteral("0"));
        QCOMPARE(drawn.displays().func->text(), QString());
        QCOMPARE(drawn.displays().angulo->text(), QStringLiteral("deg"));
        QVERIFY(replicaKey(KeyId::modeDeg)->isChecked());
        QVERIFY(!replicaKey(KeyId::modeRad)->isChecked());
        QVERIFY(replicaKey(KeyId::decimalMode)->isChecked());
        QVERIFY(findAction(&drawn, QStringLiteral("Científica"))->isChecked());
        QVERIFY(!findAction(&drawn, QStringLiteral("Normal"))->isChecked());
        for (int id = 0; id < kWindowCount; ++id)
            QVERIFY2(!p.windows.existing(static_cast<WindowId>(id)), qPrintable(QString::number(id)));
        QVERIFY(p.dialogs.messages.empty());
        QVERIFY(p.files.titles.empty());
        QVERIFY(p.sounds.played.empty());
        QCOMPARE(p.state.calculatorModel, before.calculatorModel);
        QCOMPARE(p.state.memory2, before.memory2);
        QVERIFY(p.state.vatRate == before.vatRate);
        QCOMPARE(p.state.currencyName1, before.currencyName1);
        QCOMPARE(p.state.statCountX, before.statCountX);
    }

    void menuShortcutsDoNotActInTheHelpWindow() {
        p.registerPlain(WindowId::Converter);
        openHelp();
        QTest::keyClick(help.get(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(help.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!p.windows.existing(WindowId::Converter));
        QVERIFY(help->text().isEmpty());
    }

    void searchFindsExplainsAndFlashes() {
        openHelp();
        clickReplica(KeyId::plus);  // the focus is in the drawing
        QTest::keyClick(help.get(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), help->searchField());

        QTest::keyClicks(help->searchField(), QStringLiteral("raiz cubica"));
        QVERIFY(help->results()->isVisible());
        QVERIFY(help->results()->count() >= 1);
        QVERIFY(help->results()->item(0)->text().startsWith(QStringLiteral("x¹/ ³")));
        QTest::keyClick(help->searchField(), Qt::Key_Return);
        QCOMPARE(help->text(), textOf(KeyId::cubeRoot));
        QCOMPARE(help->flashing(), replicaKey(KeyId::cubeRoot));
        QTRY_VERIFY_WITH_TIMEOUT(help->flashing() == nullptr, 3000);
        QCOMPARE(replicaKey(KeyId::cubeRoot)->styleSheet(), QString());  // back as it was

        // Down moves into the list, and each element shown in turn.
        help->searchField()->clear();
        QTest::keyClicks(help->searchField(), QStringLiteral("memoria 2"));
        QTest::keyClick(help->searchField(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), help->results());
        QCOMPARE(help->text(), QStringLiteral("Esta ventana muestra el contenido de la Memoria 2"));
        QTest::keyClick(help->results(), Qt::Key_Down);
        QVERIFY(help->text() != QStringLiteral("Esta ventana muestra el contenido de la Memoria 2"));

        // A menu entry flashes the menu bar; nothing found leaves the text as it was.
        help->searchField()->clear();
        QTest::keyClicks(help->searchField(), QStringLiteral("acerca"));
        QTest::keyClick(help->searchField(), Qt::Key_Return);
        QCOMPARE(help->flashing(), help->replica().window().menuBar());
        const QString shown = help->text();
        help->searchField()->clear();
        QTest::keyClicks(help->searchField(), QStringLiteral("zzzq"));
        QCOMPARE(help->results()->count(), 0);
        QTest::keyClick(help->searchField(), Qt::Key_Return);
        QCOMPARE(help->text(), shown);
        QTest::keyClick(help->searchField(), Qt::Key_Escape);
        QVERIFY(help->searchField()->text().isEmpty());
        QVERIFY(!help->results()->isVisible());
    }
};

QTEST_MAIN(CalcHelpWindowTest)
#include "calc_help_window_test.moc"
