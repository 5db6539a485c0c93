// The length table. Its values are the converter's own, kept as they have always been shown:
// rounded astronomical units, the printer's point, the old fathom and a cubit of 45.72 m.

#include "core/convert/unit_data.h"

namespace numeralia::convert {

namespace {

constexpr Unit kUnits[] = {
    {"Año Luz {Ly}", 9.46055e15, "lightyear"},
    {"U. Astronómicas {AU}", 1.49598e11, "au"},
    {"Kilómetros", 1000, "km"},
    {"Hectómetros", 100, "hm"},
    {"Decámetros", 10, "dam"},
    {"¤ Metros {m}", 1, "m"},
    {"Decímetros", 0.1, "dm"},
    {"Centímetros", 0.01, "cm"},
    {"Milímetros", 0.001, "mm"},
    {"Micras {µm}", 1e-6, "micron"},
    {"Nanometros {nm} (Milimicras)", 1e-9, "nm"},
    {"Angstroms {Å}", 1e-10, "angstrom"},
    {"Picometros (Micromicras)", 1e-12, "pm"},
    {"fermis (femtometros)", 1e-15, "fermi"},
    {"Points", 0.0003514598, "printerspoint"},
    {"Inches {in}", 0.3048 / 12, "inch"},
    {"Palms", 0.0762, "3 inch"},
    {"Hands", 0.1016, "hand"},
    {"Spans", 0.2286, "9 inch"},
    {"Feet {ft}", 0.3048, "ft"},
    {"Paces", 0.762, "pace"},
    {"Yards {yd}", 3 * 0.3048, "yd"},
    {"Fathoms {fath}", 1.828804, "fathom"},
    {"Rods {rd}", 10.0584 / 2, "rod"},
    {"Ropes", 6.096, "20 ft"},
    {"Cubits", 45.72, "18 inch"},
    {"Furlongs {fur}", 201.168, "furlong"},
    {"Miles {mi}", 1609.344, "mile"},
    {"Miles (naut,Int)", 1852, "nmi"},
    {"Miles (naut,Ing)", 1853.184, "brnauticalmile"},
    {"Leagues", 4828.032, "league"},
    {"Leagues (naut)", 5556, "3 nmi"},
    {"Parsecs {pc}", 3.083e16, "parsec"},
    {"Estadales", 3.343, "estadal_es"},
    {"Varas", 0.83575, "vara_es"},
};

}  // namespace

const Magnitude kLength{"", "Longitud", "Longitud", "L", "m", kUnits};

}  // namespace numeralia::convert
