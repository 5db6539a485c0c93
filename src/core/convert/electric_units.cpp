// Electrical and magnetic magnitudes. The cgs units come in two systems: electromagnetic
// ("ab", exact powers of ten) and electrostatic ("stat", through the speed of light).

#include "core/convert/unit_data.h"

namespace numeralia::convert {

namespace {

using namespace def;

constexpr double c = speedOfLight;

constexpr Unit kCapacitanceUnits[] = {
    {"Abfaradios (uem) {abF}", 1e9, "abfarad"},
    {"Kilofaradios {kF}", 1000, "kF"},
    {"¤ Faradios {F}", 1, "F"},
    {"Culombios/voltio {C/V}", 1, "C/V"},
    {"Milifaradios {mF}", 0.001, "mF"},
    {"Microfaradios {µF}", 1e-6, "microF"},
    {"Nanofaradios {nF}", 1e-9, "nF"},
    {"Picofaradios {pF}", 1e-12, "pF"},
    {"Estatfaradios (ues) {statF}", 1e5 / (c * c), "statfarad"},
    {"Femtofaradios {fF}", 1e-15, "fF"},
};

constexpr Unit kChargeUnits[] = {
    {"Faradays {F}", elementaryCharge * avogadro, "faraday"},
    {"Kiloculombios {kC}", 1000, "kC"},
    {"Amperios-hora {A·h}", hour, "A hr"},
    {"Amperios-minuto {A·min}", minute, "A min"},
    {"Abculombios (uem) {abC}", 10, "abcoulomb"},
    {"Miliamperios-hora {mA·h}", hour / 1000, "mA hr"},
    {"¤ Culombios {C}", 1, "C"},
    {"Amperios-segundo {A·s}", 1, "A s"},
    {"Miliculombios {mC}", 0.001, "mC"},
    {"Microculombios {µC}", 1e-6, "microC"},
    {"Nanoculombios {nC}", 1e-9, "nC"},
    {"Estatculombios (ues) {statC}", 0.1 / c, "statcoulomb"},
    {"Picoculombios {pC}", 1e-12, "pC"},
    {"Cargas elementales {e}", elementaryCharge, "e"},
};

constexpr Unit kConductanceUnits[] = {
    {"Abmhos (uem) {abS}", 1e9, "abmho"},
    {"Kilosiemens {kS}", 1000, "kS"},
    {"¤ Siemens {S}", 1, "S"},
    {"Mhos {℧}", 1, "mho"},
    {"Amperios/voltio {A/V}", 1, "A/V"},
    {"Milisiemens {mS}", 0.001, "mS"},
    {"Cuantos de conductancia {G₀}",
     2 * elementaryCharge * elementaryCharge / planck, "2 e^2/h"},
    {"Microsiemens {µS}", 1e-6, "microS"},
    {"Micromhos {µ℧}", 1e-6, "micromho"},
    {"Nanosiemens {nS}", 1e-9, "nS"},
    {"Estatmhos (ues) {statS}", 1e5 / (c * c), "statmho"},
};

constexpr Unit kInductanceUnits[] = {
    {"Estathenrios (ues) {statH}", c * c * 1e-5, "stathenry"},
    {"Kilohenrios {kH}", 1000, "kH"},
    {"¤ Henrios {H}", 1, "H"},
    {"Webers/amperio {Wb/A}", 1, "Wb/A"},
    {"Ohmios-segundo {Ω·s}", 1, "ohm s"},
    {"Milihenrios {mH}", 0.001, "mH"},
    {"Microhenrios {µH}", 1e-6, "microH"},
    {"Nanohenrios {nH}", 1e-9, "nH"},
    {"Abhenrios (uem) {abH}", 1e-9, "abhenry"},
    {"Picohenrios {pH}", 1e-12, "picohenry"},
};

constexpr Unit kCurrentUnits[] = {
    {"Megaamperios {MA}", 1e6, "MA"},
    {"Kiloamperios {kA}", 1000, "kA"},
    {"Abamperios / Biots (uem) {abA}", 10, "abampere"},
    {"¤ Amperios {A}", 1, "A"},
    {"Culombios/segundo {C/s}", 1, "C/s"},
    {"Miliamperios {mA}", 0.001, "mA"},
    {"Microamperios {µA}", 1e-6, "microA"},
    {"Nanoamperios {nA}", 1e-9, "nA"},
    {"Estatamperios (ues) {statA}", 0.1 / c, "statampere"},
    {"Picoamperios {pA}", 1e-12, "pA"},
};

constexpr Unit kPotentialUnits[] = {
    {"Megavoltios {MV}", 1e6, "MV"},
    {"Kilovoltios {kV}", 1000, "kV"},
    {"Estatvoltios (ues) {statV}", c * 1e-6, "statvolt"},
    {"¤ Voltios {V}", 1, "V"},
    {"Vatios/amperio {W/A}", 1, "W/A"},
    {"Julios/culombio {J/C}", 1, "J/C"},
    {"Milivoltios {mV}", 0.001, "mV"},
    {"Microvoltios {µV}", 1e-6, "microV"},
    {"Nanovoltios {nV}", 1e-9, "nV"},
    {"Abvoltios (uem) {abV}", 1e-8, "abvolt"},
};

constexpr Unit kResistanceUnits[] = {
    {"Estatohmios (ues) {statΩ}", c * c * 1e-5, "statohm"},
    {"Gigaohmios {GΩ}", 1e9, "Gohm"},
    {"Megaohmios {MΩ}", 1e6, "Mohm"},
    {"Constantes de von Klitzing {R_K}",
     planck / (elementaryCharge * elementaryCharge), "h/e^2"},
    {"Kiloohmios {kΩ}", 1000, "kohm"},
    {"¤ Ohmios {Ω}", 1, "ohm"},
    {"Voltios/amperio {V/A}", 1, "V/A"},
    {"Miliohmios {mΩ}", 0.001, "mohm"},
    {"Microohmios {µΩ}", 1e-6, "microohm"},
    {"Abohmios (uem) {abΩ}", 1e-9, "abohm"},
};

// 1 oersted = 1000/(4 pi) A/m.
constexpr double oersted = 1000 / (4 * pi);

constexpr Unit kMagneticFieldStrengthUnits[] = {
    {"Kilooersteds {kOe}", 1000 * oersted, "kilooersted"},
    {"Kiloamperios/metro {kA/m}", 1000, "kA/m"},
    {"Amperios/milímetro {A/mm}", 1000, "A/mm"},
    {"Amperios/centímetro {A/cm}", 100, "A/cm"},
    {"Oersteds {Oe}", oersted, "oersted"},
    {"Gilberts/centímetro {Gb/cm}", oersted, "gilbert/cm"},
    {"Amperios-vuelta/pulgada {At/in}", 1 / inch, "A/inch"},
    {"Amperios-vuelta/pie {At/ft}", 1 / foot, "A/ft"},
    {"¤ Amperios/metro {A/m}", 1, "A/m"},
    {"Amperios-vuelta/metro {At/m}", 1, "A/m"},
    {"Milioersteds {mOe}", oersted / 1000, "millioersted"},
    {"Miliamperios/metro {mA/m}", 0.001, "mA/m"},
};

constexpr Unit kMagneticFluxUnits[] = {
    {"Kilowebers {kWb}", 1000, "kWb"},
    {"¤ Webers {Wb}", 1, "Wb"},
    {"Voltios-segundo {V·s}", 1, "V s"},
    {"Teslas·metro² {T·m²}", 1, "T m^2"},
    {"Miliwebers {mWb}", 0.001, "mWb"},
    {"Megamaxwells {MMx}", 0.01, "megamaxwell"},
    {"Microwebers {µWb}", 1e-6, "microWb"},
    {"Kilomaxwells {kMx}", 1e-5, "kilomaxwell"},
    {"Nanowebers {nWb}", 1e-9, "nWb"},
    {"Maxwells / Líneas {Mx}", 1e-8, "maxwell"},
    {"Gauss·centímetro² {G·cm²}", 1e-8, "gauss cm^2"},
    {"Cuantos de flujo {Φ₀}", planck / (2 * elementaryCharge), "h/(2 e)"},
};

}  // namespace

const Magnitude kCapacitance{"Electricidad", "Capacidad Eléctrica", "Capacidad Eléctrica",
                             "M^-1 L^-2 T^4 I^2", "F", kCapacitanceUnits};
const Magnitude kCharge{"Electricidad", "Carga Eléctrica", "Carga Eléctrica", "T I", "C",
                        kChargeUnits};
const Magnitude kConductance{"Electricidad", "Conductancia Eléctrica", "Conductancia Eléctrica",
                             "M^-1 L^-2 T^3 I^2", "S", kConductanceUnits};
const Magnitude kInductance{"Electricidad", "Inductancia Eléctrica", "Inductancia Eléctrica",
                            "M L^2 T^-2 I^-2", "H", kInductanceUnits};
const Magnitude kCurrent{"Electricidad", "Intensidad Eléctrica", "Intensidad Eléctrica", "I",
                         "A", kCurrentUnits};
const Magnitude kPotential{"Electricidad", "Potencial Eléctrico", "Potencial Eléctrico",
                           "M L^2 T^-3 I^-1", "V", kPotentialUnits};
const Magnitude kResistance{"Electricidad", "Resistencia Eléctrica", "Resistencia Eléctrica",
                            "M L^2 T^-3 I^-2", "ohm", kResistanceUnits};
const Magnitude kMagneticFieldStrength{"Magnetismo", "Intensidad", "Intensidad Magnética",
                                       "L^-1 I", "A/m", kMagneticFieldStrengthUnits};
const Magnitude kMagneticFlux{"Magnetismo", "Flujo Magnético", "Flujo Magnético",
                              "M L^2 T^-2 I^-1", "Wb", kMagneticFluxUnits};

}  // namespace numeralia::convert
