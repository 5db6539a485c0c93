// Accelerations, force, energy, power and pressure.

#include "core/convert/unit_data.h"

namespace numeralia::convert {

namespace {

using namespace def;

constexpr Unit kLinearAccelerationUnits[] = {
    {"Kilómetros/segundo² {km/s²}", 1000, "km/s^2"},
    {"Kilómetros/hora/segundo {km/h/s}", 1000 / hour, "km/hr/s"},
    {"Kilómetros/hora² {km/h²}", 1000 / (hour * hour), "km/hr^2"},
    {"¤ Metros/segundo² {m/s²}", 1, "m/s^2"},
    {"Metros/minuto² {m/min²}", 1 / (minute * minute), "m/min^2"},
    {"Decímetros/segundo² {dm/s²}", 0.1, "dm/s^2"},
    {"Centímetros/segundo² {cm/s²}", 0.01, "cm/s^2"},
    {"Milímetros/segundo² {mm/s²}", 0.001, "mm/s^2"},
    {"Gales {Gal}", 0.01, "galileo"},
    {"Miligales {mGal}", 1e-5, "mGal"},
    {"Microgales {µGal}", 1e-8, "microGal"},
    {"Gravedad normal {g}", gravity, "gravity"},
    {"Miligravedades {mg}", gravity / 1000, "0.001 gravity"},
    {"Pulgadas/segundo² {in/s²}", inch, "in/s^2"},
    {"Pies/segundo² {ft/s²}", foot, "ft/s^2"},
    {"Pies/minuto² {ft/min²}", foot / (minute * minute), "ft/min^2"},
    {"Pies/hora/segundo {ft/h/s}", foot / hour, "ft/hr/s"},
    {"Yardas/segundo² {yd/s²}", yard, "yd/s^2"},
    {"Millas/segundo² {mi/s²}", mile, "mile/s^2"},
    {"Millas/hora/segundo {mph/s}", mile / hour, "mph/s"},
    {"Millas/hora² {mi/h²}", mile / (hour * hour), "mile/hr^2"},
    {"Nudos/segundo {kn/s}", nauticalMile / hour, "knot/s"},
};

constexpr Unit kAngularAccelerationUnits[] = {
    {"Revoluciones/segundo² {rev/s²}", revolution, "rev/s^2"},
    {"R.p.m./segundo {rpm/s}", revolution / minute, "rpm/s"},
    {"Revoluciones/minuto² {rev/min²}", revolution / (minute * minute), "rev/min^2"},
    {"Revoluciones/hora² {rev/h²}", revolution / (hour * hour), "rev/hr^2"},
    {"¤ Radianes/segundo² {rad/s²}", 1, "radian/s^2"},
    {"Radianes/minuto² {rad/min²}", 1 / (minute * minute), "radian/min^2"},
    {"Radianes/hora² {rad/h²}", 1 / (hour * hour), "radian/hr^2"},
    {"Miliradianes/segundo² {mrad/s²}", 0.001, "milliradian/s^2"},
    {"Grados/segundo² {°/s²}", degree, "degree/s^2"},
    {"Grados/minuto² {°/min²}", degree / (minute * minute), "degree/min^2"},
    {"Grados/hora² {°/h²}", degree / (hour * hour), "degree/hr^2"},
    {"Gones/segundo² {gon/s²}", gon, "gon/s^2"},
    {"Minutos de arco/segundo² {'/s²}", arcMinute, "arcmin/s^2"},
    {"Segundos de arco/segundo² {\"/s²}", arcSecond, "arcsec/s^2"},
};

constexpr Unit kForceUnits[] = {
    {"Meganewtons {MN}", 1e6, "MN"},
    {"Kilonewtons {kN}", 1000, "kN"},
    {"¤ Newtons {N}", 1, "N"},
    {"Milinewtons {mN}", 0.001, "mN"},
    {"Micronewtons {µN}", 1e-6, "microN"},
    {"Kilogramos·metro/segundo²", 1, "kg m/s^2"},
    {"Dinas {dyn}", 1e-5, "dyne"},
    {"Kilodinas {kdyn}", 0.01, "kilodyne"},
    {"Sthènes {sn}", 1000, "sthene"},
    {"Toneladas-fuerza {tf}", 1000 * gravity, "tonne force"},
    {"Kilopondios {kp, kgf}", kilogramForce, "kgf"},
    {"Gramos-fuerza {gf}", gravity / 1000, "gram force"},
    {"Miligramos-fuerza {mgf}", gravity / 1e6, "milligram force"},
    {"Kips {kip}", 1000 * poundForce, "kip"},
    {"Libras-fuerza {lbf}", poundForce, "lbf"},
    {"Onzas-fuerza {ozf}", ounce * gravity, "ounce force"},
    {"Poundals {pdl}", pound * foot, "poundal"},
    {"Toneladas cortas-fuerza {tonf US}", 2000 * poundForce, "shortton force"},
    {"Toneladas largas-fuerza {tonf UK}", 2240 * poundForce, "longton force"},
};

constexpr Unit kEnergyUnits[] = {
    {"Gigajulios {GJ}", 1e9, "GJ"},
    {"Megajulios {MJ}", 1e6, "MJ"},
    {"Kilojulios {kJ}", 1000, "kJ"},
    {"¤ Julios {J}", 1, "J"},
    {"Milijulios {mJ}", 0.001, "mJ"},
    {"Ergios {erg}", 1e-7, "erg"},
    {"Vatios-segundo {W·s}", 1, "W s"},
    {"Vatios-hora {Wh}", hour, "W hr"},
    {"Kilovatios-hora {kWh}", 1000 * hour, "kW hr"},
    {"Megavatios-hora {MWh}", 1e6 * hour, "MW hr"},
    {"Calorías {cal}", calorieTh, "cal_th"},
    {"Calorías (IT) {cal_IT}", calorieIT, "cal_IT"},
    {"Calorías (15 °C) {cal₁₅}", 4.1858, "cal_15"},
    {"Kilocalorías {kcal}", 1000 * calorieTh, "kilocal_th"},
    {"Kilocalorías (IT) {kcal_IT}", 1000 * calorieIT, "kilocal_IT"},
    {"Kilográmetros {kgf·m}", kilogramForce, "kgf m"},
    {"Litros-atmósfera {L·atm}", atmosphere / 1000, "l atm"},
    {"Caballos de vapor-hora {CV·h}", metricHorsepower * hour, "metrichorsepower hr"},
    {"Caballos-hora {hp·h}", horsepower * hour, "hp hr"},
    {"Pies-libra fuerza {ft·lbf}", foot * poundForce, "ft lbf"},
    {"Pulgadas-libra fuerza {in·lbf}", inch * poundForce, "inch lbf"},
    {"BTU {BTU}", btuIT, "btu_IT"},
    {"BTU termoquímicas {BTU_th}", btuTh, "btu_th"},
    {"Termias US {thm}", 105480400, "UStherm"},
    {"Termias CE {thm EC}", 105506000, "ECtherm"},
    {"Quads {quad}", 1e15 * btuIT, "quad"},
    {"Toneladas de TNT {t TNT}", 1e9 * calorieTh, "ton tnt"},
    {"Toneladas equiv. petróleo {tep}", 1e10 * calorieIT, "tonoil"},
    {"Electronvoltios {eV}", elementaryCharge, "eV"},
    {"Kiloelectronvoltios {keV}", 1e3 * elementaryCharge, "keV"},
    {"Megaelectronvoltios {MeV}", 1e6 * elementaryCharge, "MeV"},
    {"Gigaelectronvoltios {GeV}", 1e9 * elementaryCharge, "GeV"},
    {"Hartrees {Eh}", 4.3597447222071e-18, "hartree"},
};

constexpr Unit kPowerUnits[] = {
    {"Teravatios {TW}", 1e12, "TW"},
    {"Gigavatios {GW}", 1e9, "GW"},
    {"Megavatios {MW}", 1e6, "MW"},
    {"Kilovatios {kW}", 1000, "kW"},
    {"¤ Vatios {W}", 1, "W"},
    {"Milivatios {mW}", 0.001, "mW"},
    {"Microvatios {µW}", 1e-6, "microW"},
    {"Julios/segundo {J/s}", 1, "J/s"},
    {"Ergios/segundo {erg/s}", 1e-7, "erg/s"},
    {"Caballos de vapor {CV}", metricHorsepower, "metrichorsepower"},
    {"Caballos mecánicos {hp}", horsepower, "hp"},
    {"Caballos eléctricos {hp(E)}", 746, "electrichorsepower"},
    {"Caballos hidráulicos {hp(W)}", 746.043, "waterhorsepower"},
    {"Caballos de caldera {hp(S)}", 9809.5, "boilerhorsepower"},
    {"Kilográmetros/segundo {kgf·m/s}", kilogramForce, "kgf m/s"},
    {"Calorías/segundo {cal/s}", calorieTh, "cal_th/s"},
    {"Kilocalorías/hora {kcal/h}", 1000 * calorieIT / hour, "kilocal_IT/hr"},
    {"Pies-libra/segundo {ft·lbf/s}", foot * poundForce, "ft lbf/s"},
    {"Pies-libra/minuto {ft·lbf/min}", foot * poundForce / minute, "ft lbf/min"},
    {"BTU/segundo {BTU/s}", btuIT, "btu_IT/s"},
    {"BTU/minuto {BTU/min}", btuIT / minute, "btu_IT/min"},
    {"BTU/hora {BTU/h}", btuIT / hour, "btu_IT/hr"},
    {"Toneladas de refrigeración {TR}", 12000 * btuIT / hour, "tonrefrigeration"},
};

constexpr Unit kPressureUnits[] = {
    {"Gigapascales {GPa}", 1e9, "GPa"},
    {"Megapascales {MPa}", 1e6, "MPa"},
    {"Newtons/milímetro² {N/mm²}", 1e6, "N/mm^2"},
    {"Kilopascales {kPa}", 1000, "kPa"},
    {"Hectopascales {hPa}", 100, "hPa"},
    {"¤ Pascales {Pa}", 1, "Pa"},
    {"Newtons/metro² {N/m²}", 1, "N/m^2"},
    {"Bares {bar}", 1e5, "bar"},
    {"Milibares {mbar}", 100, "mbar"},
    {"Barias / Dinas/cm² {Ba}", 0.1, "barye"},
    {"Piezas {pz}", 1000, "pieze"},
    {"Atmósferas {atm}", atmosphere, "atm"},
    {"Atmósferas técnicas {at, kp/cm²}", 1e4 * gravity, "at"},
    {"Kilopondios/metro² {kp/m²}", gravity, "kgf/m^2"},
    {"Torrs {Torr}", atmosphere / 760, "torr"},
    {"Milímetros de mercurio {mmHg}", mercuryHead / 1000, "mmHg"},
    {"Centímetros de mercurio {cmHg}", mercuryHead / 100, "cm Hg"},
    {"Pulgadas de mercurio {inHg}", mercuryHead * inch, "inHg"},
    {"Milímetros de agua {mmH₂O}", waterHead / 1000, "mmH2O"},
    {"Centímetros de agua {cmH₂O}", waterHead / 100, "cm water"},
    {"Metros de agua {mH₂O}", waterHead, "m water"},
    {"Pulgadas de agua {inH₂O}", waterHead * inch, "inH2O"},
    {"Pies de agua {ftH₂O}", waterHead * foot, "ft water"},
    {"Libras/pie² {psf}", poundForce / (foot * foot), "lbf/ft^2"},
    {"Libras/pulgada² {psi}", poundForce / (inch * inch), "psi"},
    {"Kilolibras/pulgada² {ksi}", 1000 * poundForce / (inch * inch), "ksi"},
    {"Toneladas cortas/pie² {tonf/ft²}", 2000 * poundForce / (foot * foot), "shortton force/ft^2"},
};

}  // namespace

const Magnitude kLinearAcceleration{"Aceleración", "Aceleración Lineal", "Aceleración Lineal",
                                    "L T^-2", "m/s^2", kLinearAccelerationUnits};
const Magnitude kAngularAcceleration{"Aceleración", "Aceleración Angular", "Aceleración Angular",
                                     "T^-2", "radian/s^2", kAngularAccelerationUnits};
const Magnitude kForce{"", "Fuerza", "Fuerza", "M L T^-2", "N", kForceUnits};
const Magnitude kEnergy{"", "Energía", "Energía", "M L^2 T^-2", "J", kEnergyUnits};
const Magnitude kPower{"", "Potencia", "Potencia", "M L^2 T^-3", "W", kPowerUnits};
const Magnitude kPressure{"", "Presión", "Presión", "M L^-1 T^-2", "Pa", kPressureUnits};

}  // namespace numeralia::convert
