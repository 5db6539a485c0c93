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

QAction* disabledEntry(QMenu* menu, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setEnabled(false);
    return action;
}

}  // namespace

void buildScientificMenus(QMenuBar* bar, AppContext& context, const CalcMenuActions& actions) {
    QMenu* file = bar->addMenu(QStringLiteral("&Archivo"));
    // The statistics files and chart come with the statistics keys.
    disabledEntry(file, QStringLiteral("Abrir Est."));
    disabledEntry(file, QStringLiteral("Gráfico-EST."));
    disabledEntry(file, QStringLiteral("Guardar Est."));
    file->addSeparator();
    QMenu* print = file->addMenu(QStringLiteral("Imprimir"));
    disabledEntry(print, QStringLiteral("Estadística"));
    QAction* history = print->addAction(QStringLiteral("Historial"));
    QObject::connect(history, &QAction::triggered, history, actions.printHistory);
    file->addSeparator();
    QMenu* mode = file->addMenu(QStringLiteral("Modo"));
    QAction* normal = mode->addAction(QStringLiteral("Normal"));
    normal->setEnabled(context.windows.isRegistered(WindowId::Normal));
    QObject::connect(normal, &QAction::triggered, normal, actions.modeNormal);
    QAction* scientific = mode->addAction(QStringLiteral("Científica"));
    QObject::connect(scientific, &QAction::triggered, scientific, actions.modeScientific);
    windowEntry(file, QStringLiteral("Preferencias"), context, WindowId::Preferences, {}, false);

    QMenu* programs = bar->addMenu(QStringLiteral("&Programas"));
    windowEntry(programs, QStringLiteral("Alarma"), context, WindowId::Alarm,
                QKeySequence(Qt::CTRL | Qt::Key_A));
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

}  // namespace numeralia::app
