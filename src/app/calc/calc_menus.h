#pragma once
// The menu bars of the calculator windows. Entries whose window does not exist yet are
// disabled.

#include <QMenuBar>
#include <functional>

#include "app/shell/app_context.h"

namespace numeralia::app {

// An entry whose action is empty stays disabled.
struct CalcMenuActions {
    std::function<void()> printHistory;
    std::function<void()> openStatistics;   // "Abrir Est."
    std::function<void()> showChart;        // "Gráfico-EST."
    std::function<void()> saveStatistics;   // "Guardar Est."
    std::function<void()> printStatistics;  // "Imprimir", "Estadística"
    std::function<void()> modeNormal;      // "Modo", "Normal"
    std::function<void()> modeScientific;  // "Modo", "Científica"
};

// The Scientific model's menus: Archivo (statistics files and chart, Imprimir, Modo,
// Preferencias), Programas, Entretenimiento, Ayuda, Acerca de.
void buildScientificMenus(QMenuBar* bar, AppContext& context, const CalcMenuActions& actions);

// The Normal model's menus: the same without the statistics entries.
void buildNormalMenus(QMenuBar* bar, AppContext& context, const CalcMenuActions& actions);

}  // namespace numeralia::app
