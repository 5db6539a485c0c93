// Mass, density, absorbed dose and viscosity.

#include "core/convert/unit_data.h"

namespace numeralia::convert {

namespace {

using namespace def;

// The slug: the mass that 1 lbf accelerates at 1 ft/s².
constexpr double slug = poundForce / foot;

constexpr Unit kMassUnits[] = {
    {"Toneladas {t}", 1000, "tonne"},
    {"Toneladas largas (UK) {ton UK}", 2240 * pound, "longton"},
    {"Toneladas cortas (US) {ton US}", 2000 * pound, "shortton"},
    {"Quintales métricos {q}", 100, "quintal"},
    {"Quintales largos (UK) {cwt UK}", 112 * pound, "longhundredweight"},
    {"Quintales cortos (US) {cwt US}", 100 * pound, "shorthundredweight"},
    {"Slugs {slug}", slug, "slug"},
    {"U. técnicas de masa {UTM}", gravity, "hyl"},
    {"Stones {st}", 14 * pound, "stone"},
    {"¤ Kilogramos {kg}", 1, "kg"},
    {"Hectogramos {hg}", 0.1, "hectogram"},
    {"Decagramos {dag}", 0.01, "dag"},
    {"Gramos {g}", 0.001, "g"},
    {"Decigramos {dg}", 1e-4, "dg"},
    {"Centigramos {cg}", 1e-5, "cg"},
    {"Miligramos {mg}", 1e-6, "mg"},
    {"Microgramos {µg}", 1e-9, "microgram"},
    {"Libras {lb}", pound, "lb"},
    {"Libras troy {lb t}", 5760 * grain, "troypound"},
    {"Onzas {oz}", ounce, "oz"},
    {"Onzas troy {oz t}", 480 * grain, "troyounce"},
    {"Dracmas {dr}", ounce / 16, "dram"},
    {"Pennyweights {dwt}", 24 * grain, "pennyweight"},
    {"Quilates {ct}", 0.0002, "carat"},
    {"Granos {gr}", grain, "grain"},
    {"Unidades de masa atómica {u}", 1.66053906660e-27, "u"},
    {"Quintales castellanos", 100 * castilianPound, "quintal_es"},
    {"Arrobas castellanas", 25 * castilianPound, "arroba_es"},
    {"Libras castellanas", castilianPound, "libra_es"},
    {"Onzas castellanas", castilianPound / 16, "onza_es"},
    {"Adarmes", castilianPound / 256, "adarme_es"},
};

constexpr Unit kDensityUnits[] = {
    {"Toneladas/metro³ {t/m³}", 1000, "tonne/m^3"},
    {"Kilogramos/litro {kg/L}", 1000, "kg/l"},
    {"Kilogramos/decímetro³ {kg/dm³}", 1000, "kg/dm^3"},
    {"Gramos/centímetro³ {g/cm³}", 1000, "g/cm^3"},
    {"Gramos/mililitro {g/mL}", 1000, "g/ml"},
    {"¤ Kilogramos/metro³ {kg/m³}", 1, "kg/m^3"},
    {"Gramos/litro {g/L}", 1, "g/l"},
    {"Miligramos/centímetro³ {mg/cm³}", 1, "mg/cm^3"},
    {"Gramos/metro³ {g/m³}", 0.001, "g/m^3"},
    {"Miligramos/litro {mg/L}", 0.001, "mg/l"},
    {"Microgramos/metro³ {µg/m³}", 1e-9, "microgram/m^3"},
    {"Libras/pulgada³ {lb/in³}", pound / (inch * inch * inch), "lb/in^3"},
    {"Libras/pie³ {lb/ft³}", pound / (foot * foot * foot), "lb/ft^3"},
    {"Libras/yarda³ {lb/yd³}", pound / (yard * yard * yard), "lb/yd^3"},
    {"Libras/galón US {lb/gal}", pound / usGallon, "lb/usgallon"},
    {"Libras/galón imp. {lb/gal UK}", pound / imperialGallon, "lb/brgallon"},
    {"Onzas/pulgada³ {oz/in³}", ounce / (inch * inch * inch), "oz/in^3"},
    {"Onzas/pie³ {oz/ft³}", ounce / (foot * foot * foot), "oz/ft^3"},
    {"Onzas/galón US {oz/gal}", ounce / usGallon, "oz/usgallon"},
    {"Onzas/galón imp. {oz/gal UK}", ounce / imperialGallon, "oz/brgallon"},
    {"Granos/galón US {gr/gal}", grain / usGallon, "grain/usgallon"},
    {"Slugs/pie³ {slug/ft³}", slug / (foot * foot * foot), "slug/ft^3"},
    {"Toneladas cortas/yarda³", 2000 * pound / (yard * yard * yard), "shortton/yd^3"},
    {"Toneladas largas/yarda³", 2240 * pound / (yard * yard * yard), "longton/yd^3"},
};

constexpr Unit kAbsorbedDoseUnits[] = {
    {"Kilograys {kGy}", 1000, "kGy"},
    {"Calorías/gramo {cal/g}", 1000 * calorieTh, "cal_th/g"},
    {"Kilorads {krad}", 10, "kilorad"},
    {"¤ Grays {Gy}", 1, "Gy"},
    {"Julios/kilogramo {J/kg}", 1, "J/kg"},
    {"Centigrays {cGy}", 0.01, "cGy"},
    {"Rads {rad}", 0.01, "rad"},
    {"Miligrays {mGy}", 0.001, "mGy"},
    {"Milirads {mrad}", 1e-5, "millirad"},
    {"Ergios/gramo {erg/g}", 1e-4, "erg/g"},
    {"Micrograys {µGy}", 1e-6, "microGy"},
    {"Nanograys {nGy}", 1e-9, "nGy"},
};

constexpr Unit kKinematicViscosityUnits[] = {
    {"¤ Metros²/segundo {m²/s}", 1, "m^2/s"},
    {"Miriastokes {mySt}", 1, "myriastokes"},
    {"Pies²/segundo {ft²/s}", foot * foot, "ft^2/s"},
    {"Decímetros²/segundo {dm²/s}", 0.01, "dm^2/s"},
    {"Pulgadas²/segundo {in²/s}", inch * inch, "in^2/s"},
    {"Metros²/hora {m²/h}", 1 / hour, "m^2/hr"},
    {"Stokes {St}", 1e-4, "stokes"},
    {"Pies²/hora {ft²/h}", foot * foot / hour, "ft^2/hr"},
    {"Centistokes {cSt}", 1e-6, "centistokes"},
    {"Milímetros²/segundo {mm²/s}", 1e-6, "mm^2/s"},
    {"Pulgadas²/hora {in²/h}", inch * inch / hour, "in^2/hr"},
};

constexpr Unit kDynamicViscosityUnits[] = {
    {"Reyns {reyn}", poundForce / (inch * inch), "reyn"},
    {"Libras-fuerza·s/pie² {lbf·s/ft²}", poundForce / (foot * foot), "lbf s/ft^2"},
    {"Slugs/pie·segundo {slug/(ft·s)}", slug / foot, "slug/ft/s"},
    {"Kilopondios·s/metro² {kp·s/m²}", gravity, "kgf s/m^2"},
    {"Libras/pie·segundo {lb/(ft·s)}", pound / foot, "lb/ft/s"},
    {"¤ Pascales·segundo {Pa·s}", 1, "Pa s"},
    {"Newtons·segundo/metro² {N·s/m²}", 1, "N s/m^2"},
    {"Poiseuilles {Pl}", 1, "poiseuille"},
    {"Poises {P}", 0.1, "poise"},
    {"Dinas·segundo/cm² {dyn·s/cm²}", 0.1, "dyne s/cm^2"},
    {"Gramos/centímetro·segundo", 0.1, "g/cm/s"},
    {"Milipascales·segundo {mPa·s}", 0.001, "mPa s"},
    {"Centipoises {cP}", 0.001, "centipoise"},
    {"Libras/pie·hora {lb/(ft·h)}", pound / foot / hour, "lb/ft/hr"},
    {"Micropascales·segundo {µPa·s}", 1e-6, "microPa s"},
    {"Micropoises {µP}", 1e-7, "micropoise"},
};

}  // namespace

const Magnitude kMass{"", "Masa", "Masa", "M", "kg", kMassUnits};
const Magnitude kDensity{"", "Densidad", "Densidad", "M L^-3", "kg/m^3", kDensityUnits};
const Magnitude kAbsorbedDose{"Radiación", "Dosis Absorbida", "Dosis Absorbida", "L^2 T^-2",
                              "Gy", kAbsorbedDoseUnits};
const Magnitude kKinematicViscosity{"Viscosidad", "Cinemática", "Viscosidad Cinemática",
                                    "L^2 T^-1", "m^2/s", kKinematicViscosityUnits};
const Magnitude kDynamicViscosity{"Viscosidad", "Dinámica", "Viscosidad Dinámica",
                                  "M L^-1 T^-1", "Pa s", kDynamicViscosityUnits};

}  // namespace numeralia::convert
