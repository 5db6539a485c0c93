#include "app/calc/calc_menus.h"

#include <QAction>
#include <QMenu>

namespace numeralia::app {

namespace {

// An entry that shows a window (in the normal state unless told otherwise); disabled while
// that window does not exist.
QAction* windowEntry(QMenu* menu, const QString& text, AppContext& context, WindowId id,
                     const QKeySequence& shortcut = {}, bool normalState = true) {
    QAction* action = menu->addAction(text);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    action->setEnabled(context.windows.isRegistered(id));
    QObject::connect(action, &QAction::triggered, action,
                     [&context, id, normalState] { context.windows.show(id, normalState); });
    return action;
}

// An entry that runs an action of the window; disabled while the window has none.
QAction* actionEntry(QMenu* menu, const QString& text, const std::function<void()>& run) {
    QAction* action = menu->addAction(text);
    action->setEnabled(static_cast<bool>(run));
    if (run) QObject::connect(action, &QAction::triggered, action, run);
    return action;
}

// "Historial" in the "Imprimir" submenu.
void addHistoryPrinting(QMenu* print, const CalcMenuActions& actions) {
    actionEntry(print, QStringLiteral("Historial"), actions.printHistory);
}

// "Modo" (the entry of the window's own model checked) and "Preferencias".
void addModeAndPreferences(QMenu* file, AppContext& context, const CalcMenuActions& actions,
                           WindowId current) {
    QMenu* mode = file->addMenu(QStringLiteral("Modo"));
    const std::pair<const char*, WindowId> entries[] = {{"Normal", WindowId::Normal},
                                                        {"Científica", WindowId::Scientific}};
    for (const auto& [text, id] : entries) {
        QAction* entry = mode->addAction(QString::fromUtf8(text));
        entry->setCheckable(true);
        entry->setChecked(id == current);
        entry->setEnabled(id == current || context.windows.isRegistered(id));
        const std::function<void()>& choose =
            id == WindowId::Normal ? actions.modeNormal : actions.modeScientific;
        // The check mark stays on the window's own model whatever is chosen.
        QObject::connect(entry, &QAction::triggered, entry, [entry, checked = id == current, choose] {
            entry->setChecked(checked);
            choose();
        });
    }
    windowEntry(file, QStringLiteral("Preferencias"), context, WindowId::Preferences, {}, false);
}

// Programas (its alarm entry named as given), Entretenimiento, Ayuda and Acerca de.
void addProgramMenus(QMenuBar* bar, AppContext& context, const char* alarmName) {
    QMenu* programs = bar->addMenu(QStringLiteral("&Programas"));
    QAction* alarm = windowEntry(programs, QStringLiteral("Alarma"), context, WindowId::Alarm,
                                 QKeySequence(Qt::CTRL | Qt::Key_A));
    alarm->setObjectName(alarmName);
    windowEntry(programs, QStringLiteral("Conversión"), context, WindowId::Converter,
                QKeySequence(Qt::CTRL | Qt::Key_C));
    windowEntry(programs, QStringLiteral("Operaciones Bancarias"), context, WindowId::Bank,
                QKeySequence(Qt::CTRL | Qt::Key_O));
    windowEntry(programs, QStringLiteral("Tabla Periodica"), context, WindowId::Periodic,
                QKeySequence(Qt::CTRL | Qt::Key_T));

    QMenu* fun = bar->addMenu(QStringLiteral("&Entretenimiento"));
    windowEntry(fun, QStringLiteral("Simulador Loto"), context, WindowId::Lottery,
                QKeySequence(Qt::CTRL | Qt::Key_S));

    // Ayuda and Acerca de act at once: entries of the bar itself.
    QAction* help = bar->addAction(QStringLiteral("A&yuda"));
    help->setEnabled(context.windows.isRegistered(WindowId::Help));
    QObject::connect(help, &QAction::triggered, help,
                     [&context] { context.windows.show(WindowId::Help); });
    QAction* about = bar->addAction(QStringLiteral("A&cerca de..."));
    about->setEnabled(context.windows.isRegistered(WindowId::About));
    QObject::connect(about, &QAction::triggered, about,
                     [&context] { context.windows.show(WindowId::About); });
}

}  // namespace

void buildScientificMenus(QMenuBar* bar, AppContext& context, const CalcMenuActions& actions) {
    QMenu* file = bar->addMenu(QStringLiteral("&Archivo"));
    actionEntry(file, QStringLiteral("Abrir Est."), actions.openStatistics);
    actionEntry(file, QStringLiteral("Gráfico-EST."), actions.showChart);
    actionEntry(file, QStringLiteral("Guardar Est."), actions.saveStatistics);
    file->addSeparator();
    QMenu* print = file->addMenu(QStringLiteral("Imprimir"));
    actionEntry(print, QStringLiteral("Estadística"), actions.printStatistics);
    addHistoryPrinting(print, actions);
    file->addSeparator();
    addModeAndPreferences(file, context, actions, WindowId::Scientific);
    addProgramMenus(bar, context, "alarmacalc");
}

void buildNormalMenus(QMenuBar* bar, AppContext& context, const CalcMenuActions& actions) {
    QMenu* file = bar->addMenu(QStringLiteral("&Archivo"));
    addHistoryPrinting(file->addMenu(QStringLiteral("Imprimir")), actions);
    file->addSeparator();
    addModeAndPreferences(file, context, actions, WindowId::Normal);
    addProgramMenus(bar, context, "alarmacalc2");
}

}  // namespace numeralia::app
