#pragma once
// The Program menu: six picture buttons that open the sub-programs, and a picture that
// opens the About window.

#include <array>
#include <string_view>

#include "core/shell/shared_state.h"

namespace numeralia {

// What a control of the Program menu opens.
enum class MenuTarget {
    Calculator,  // the model used last, see calculatorTarget
    ScientificModel,
    NormalModel,
    PeriodicTable,
    Bank,
    Lottery,
    Converter,
    Alarm,
    About,
};

struct MenuButton {
    std::string_view name;     // Command1 ... Command6
    std::string_view toolTip;  // the only text the button shows
    MenuTarget target;
};

inline constexpr std::string_view kProgramMenuCaption = "NUMERALIA  -  Menú de Programas";

inline constexpr std::array<MenuButton, 6> kProgramMenuButtons{{
    {"Command1", "Calculadora", MenuTarget::Calculator},
    {"Command2", "Tabla Periodica", MenuTarget::PeriodicTable},
    {"Command3", "Operaciones Bancarias", MenuTarget::Bank},
    {"Command4", "Simulador Loto", MenuTarget::Lottery},
    {"Command5", "Conversión de Unidades", MenuTarget::Converter},
    {"Command6", "Alarma", MenuTarget::Alarm},
}};

// The calculator model the calculator button opens: the Normal model when calculatorModel
// is exactly "normalita", the Scientific model for anything else (empty included).
MenuTarget calculatorTarget(const SharedState& state);

}  // namespace numeralia
