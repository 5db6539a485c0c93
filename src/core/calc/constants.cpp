#include "core/calc/constants.h"

#include "core/text/number_text.h"

#include <array>

namespace numeralia::calc {

namespace {

constexpr std::array<PhysicalConstant, 16> table{{
    {"F", "F", "Constante de Faraday", 96485.33212331, "C/mol"},
    {"G", "G", "Constante gravitacional", 6.67430E-11, "N·m²/kg²"},
    {"NA", "NA", "Número de Avogadro", 6.02214076E23, "mol⁻¹"},
    {"R", "R", "Constante del gas ideal", 8.31446261815324, "J/(mol·K)"},
    // R·273,15 K / 101,325 kPa
    {"Vm", "Vm", "Volumen molar del gas ideal (CNTP)", 0.0224139695450141, "m³/mol"},
    {"c", "c", "Velocidad de la luz en el vacío", 299792458.0, "m/s"},
    {"e", "e", "Carga elemental", 1.602176634E-19, "C"},
    {"g", "g", "Aceleración de la gravedad", 9.80665, "m/s²"},
    {"h", "h", "Constante de Plank", 6.62607015E-34, "J·s"},
    {"k", "k", "Constante de Boltzmann", 1.380649E-23, "J/K"},
    {"u", "u", "Unidad de masa atómica", 1.66053906892E-27, "kg"},
    {"me", "me", "Masa del electrón en reposo", 9.1093837139E-31, "kg"},
    {"Eo", "Eo", "Permitividad del vacío", 8.8541878188E-12, "F/m"},
    {"R∞", "R∞", "Constante de Rydberg", 10973731.568157, "m⁻¹"},
    {"µb", "µb", "Magnetón de Bohr", 9.2740100657E-24, "J/T"},
    // 1/(4π·ε0)
    {"K", "K", "Constante de la Ley de Coulomb", 8.9875517862E9, "N·m²/C²"},
}};

}  // namespace

std::span<const PhysicalConstant> physicalConstants() { return table; }

const PhysicalConstant* findConstant(std::string_view symbol) {
    for (const PhysicalConstant& c : table) {
        if (symbol == c.symbol) return &c;
    }
    return nullptr;
}

std::string constantToolTip(const PhysicalConstant& c) {
    return std::string(c.description) + " = " + text::generalText(c.value) + " " + c.unit;
}

std::string_view constantToolTip(std::string_view symbol) {
    static const std::array<std::string, table.size()> tips = [] {
        std::array<std::string, table.size()> t;
        for (std::size_t i = 0; i < table.size(); ++i) t[i] = constantToolTip(table[i]);
        return t;
    }();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (symbol == table[i].symbol) return tips[i];
    }
    return {};
}

}  // namespace numeralia::calc
