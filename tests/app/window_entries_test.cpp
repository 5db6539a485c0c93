// Every way the program opens a window: the Program menu's buttons and picture, and the
// entries of both calculators' menus with their shortcuts. Each opens the window it names,
// and a second time the same window; a sub-program comes back from the task bar, the
// Preferences, Help and About windows are shown as they are.

#include <QToolButton>
#include <functional>

#include "app/shell/program_menu_window.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_catalog.h"
#include "window_test_support.h"

using namespace numeralia;
using namespace numeralia::app;
using namespace numeralia::testing;

class WindowEntriesTest : public QObject {
    Q_OBJECT

    Program p;

    // Opens the window twice, minimising it between, then closes it.
    void expectOpens(const std::function<void()>& open, WindowId id, const QString& what) {
        const bool restored = id != WindowId::Preferences && id != WindowId::Help && id != WindowId::About;
        open();
        QWidget* shown = p.windows.existing(id);
        QVERIFY2(shown && shown->isVisible(), qPrintable(what));
        shown->showMinimized();
        open();
        QVERIFY2(p.windows.existing(id) == shown, qPrintable(what));
        QVERIFY2(!(shown->windowState() & Qt::WindowMinimized) == restored, qPrintable(what));
        p.windows.close(id);
        flushDeletes();
    }

  private slots:
    void init() {
        p.reset();
        registerWindows(p.context);
    }

    void programMenuButtons() {
        QTemporaryDir dir;
        ProgramMenuWindow menu(p.context, dir.path());
        menu.show();
        const std::pair<const char*, WindowId> rows[] = {
            {"Command1", WindowId::Scientific}, {"Command2", WindowId::Periodic},
            {"Command3", WindowId::Bank},       {"Command4", WindowId::Lottery},
            {"Command5", WindowId::Converter},  {"Command6", WindowId::Alarm},
        };
        for (const auto& [name, id] : rows) {
            auto* button = child<QToolButton>(&menu, name);
            expectOpens([button] { QTest::mouseClick(button, Qt::LeftButton); }, id, name);
        }
        auto* logo = child<SvgPicture>(&menu, "Image6");
        expectOpens([logo] { QTest::mouseClick(logo, Qt::LeftButton); }, WindowId::About, "Image6");
    }

    void calculatorMenuEntries_data() {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("opens");
        QTest::addColumn<QKeySequence>("shortcut");
        const std::tuple<const char*, WindowId, QKeySequence> rows[] = {
            {"Preferencias", WindowId::Preferences, {}},
            {"Alarma", WindowId::Alarm, QKeySequence(Qt::CTRL | Qt::Key_A)},
            {"Conversión", WindowId::Converter, QKeySequence(Qt::CTRL | Qt::Key_C)},
            {"Operaciones Bancarias", WindowId::Bank, QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"Tabla Periodica", WindowId::Periodic, QKeySequence(Qt::CTRL | Qt::Key_T)},
            {"Simulador Loto", WindowId::Lottery, QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"A&yuda", WindowId::Help, {}},
            {"A&cerca de...", WindowId::About, {}},
        };
        for (const WindowId calculator : {WindowId::Normal, WindowId::Scientific}) {
            for (const auto& [entry, id, shortcut] : rows) {
                QTest::addRow("%s %s", calculator == WindowId::Normal ? "Normal" : "Científica", entry)
                    << static_cast<int>(calculator) << QString::fromUtf8(entry) << static_cast<int>(id)
                    << shortcut;
            }
        }
    }
    void calculatorMenuEntries() {
        QFETCH(int, calculator);
        QFETCH(QString, entry);
        QFETCH(int, opens);
        QFETCH(QKeySequence, shortcut);
        QWidget* window = p.windows.show(static_cast<WindowId>(calculator));
        QAction* action = findAction(window, entry);
        QVERIFY(action && action->isEnabled());
        QCOMPARE(action->shortcut(), shortcut);
        expectOpens([action] { action->trigger(); }, static_cast<WindowId>(opens), entry);
    }
};

QTEST_MAIN(WindowEntriesTest)
#include "window_entries_test.moc"
