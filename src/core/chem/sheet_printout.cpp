#include "core/chem/sheet_printout.h"

namespace numeralia::chem {

SheetPrintout sheetPrintout(const PeriodicTableModel& model) {
    const ElementSheet& s = model.sheet();
    const EnergyLabels& units = model.energyLabels();
    SheetPrintout page;
    page.credit = "Numeralia - Tabla Periódica.  Propiedades físicas y químicas de los elementos.";
    page.name = s.nombres;
    page.large = {{{" Símbolo:  ", s.simbolos},
                   {" Número Atómico:", s.z},
                   {" Peso Atómico:", s.pesos}}};
    page.properties = {
        {"Valencias. (la más estable):", s.valencias},
        {"Punto de Fusión (C):", s.fusiones},
        {"Punto de Ebullición (C):", s.ebulliciones},
        {"Densidad (g/ml):", s.densidades},
        {"Volumen Atómico (W/D):", s.volumenes},
        {"Radio Atómico (Å):", s.radioas},
        {"Radio Covalente (Å):", s.radiocs},
        {"Radio Iónico (Å):", s.radiois},
        {"Estructura Electrónica:", s.electrones},
        {"Electronegatividad (Pauling):", s.electronegs},
        {"Sistema Cristalino:", s.sistemas},
        {"Carácter Acido-Básico:", s.caracteres},
        {"1ª Energía de Ionización " + units.energias + ":", s.energias},
        {"Calor Específico " + units.calores + ":", s.calores},
        {"Calor de Fusión " + units.calorfs + ":", s.calorfs},
        {"Calor de Vaporización " + units.calorvs + ":", s.calorvs},
        {"Conductancia Eléctrica (miliOhmios):", s.conduces},
        {"Conductividad Térmica " + units.condutes + ":", s.condutes},
    };
    return page;
}

}  // namespace numeralia::chem
