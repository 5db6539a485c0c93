// Plane and solid angle, area, volume and wave number.

#include "core/convert/unit_data.h"

namespace numeralia::convert {

namespace {

using namespace def;

constexpr Unit kPlaneAngleUnits[] = {
    {"Revoluciones / Vueltas {rev}", revolution, "rev"},
    {"Cuadrantes (90°)", pi / 2, "quadrant"},
    {"Sextantes (60°)", pi / 3, "1|6 circle"},
    {"Octantes (45°)", pi / 4, "1|8 circle"},
    {"Signos (30°)", pi / 6, "sign"},
    {"Rumbos (1/32 de vuelta)", revolution / 32, "pointangle"},
    {"Horas de ángulo (15°) {h}", 15 * degree, "15 degree"},
    {"¤ Radianes {rad}", 1, "radian"},
    {"Grados {°}", degree, "degree"},
    {"Gones / Grados centesimales {gon}", gon, "gon"},
    {"Miliradianes {mrad}", 0.001, "milliradian"},
    {"Milésimas artilleras (1/6400)", revolution / 6400, "milangle"},
    {"Minutos de arco {'}", arcMinute, "arcmin"},
    {"Minutos centesimales {c}", gon / 100, "centigon"},
    {"Segundos de arco {\"}", arcSecond, "arcsec"},
    {"Microrradianes {µrad}", 1e-6, "microradian"},
    {"Segundos centesimales {cc}", gon / 10000, "0.0001 gon"},
    {"Milisegundos de arco {mas}", arcSecond / 1000, "milliarcsec"},
};

constexpr Unit kSolidAngleUnits[] = {
    {"Esferas {4π sr}", 4 * pi, "sphere"},
    {"Hemisferios {2π sr}", 2 * pi, "hemisphere"},
    {"Octantes esféricos {π/2 sr}", pi / 2, "sphere/8"},
    {"¤ Estereorradianes {sr}", 1, "sr"},
    {"Radianes² {rad²}", 1, "radian^2"},
    {"Miliestereorradianes {msr}", 0.001, "millisr"},
    {"Grados² {deg²}", degree * degree, "degree^2"},
    {"Gones² {gon²}", gon * gon, "gon^2"},
    {"Microestereorradianes {µsr}", 1e-6, "microsr"},
    {"Minutos de arco² {arcmin²}", arcMinute * arcMinute, "arcmin^2"},
    {"Segundos de arco² {arcsec²}", arcSecond * arcSecond, "arcsec^2"},
};

constexpr Unit kAreaUnits[] = {
    {"Kilómetros² {km²}", 1e6, "km^2"},
    {"Hectáreas {ha}", 1e4, "hectare"},
    {"Áreas {a}", 100, "are"},
    {"¤ Metros² {m²}", 1, "m^2"},
    {"Centiáreas {ca}", 1, "centiare"},
    {"Decímetros² {dm²}", 0.01, "dm^2"},
    {"Centímetros² {cm²}", 1e-4, "cm^2"},
    {"Milímetros² {mm²}", 1e-6, "mm^2"},
    {"Micras² {µm²}", 1e-12, "micron^2"},
    {"Barns {b}", 1e-28, "barn"},
    {"Mils circulares {cmil}", pi / 4 * (inch / 1000) * (inch / 1000), "circularmil"},
    {"Pulgadas² {in²}", inch * inch, "in^2"},
    {"Pies² {ft²}", foot * foot, "ft^2"},
    {"Yardas² {yd²}", yard * yard, "yd^2"},
    {"Rods² / Percas {rd²}", (5.5 * yard) * (5.5 * yard), "rod^2"},
    {"Cadenas² {ch²}", (22 * yard) * (22 * yard), "chain^2"},
    {"Roods {ro}", 1210 * yard * yard, "rood"},
    {"Acres {ac}", 4840 * yard * yard, "acre"},
    {"Millas² {mi²}", mile * mile, "mile^2"},
    {"Townships (36 mi²)", 36 * mile * mile, "township"},
    {"Varas² castellanas", vara * vara, "vara_es^2"},
    {"Estadales²", estadal * estadal, "estadal_es^2"},
    {"Celemines de tierra", 48 * estadal * estadal, "celemin_tierra_es"},
    {"Aranzadas (400 estadales²)", 400 * estadal * estadal, "aranzada_es"},
    {"Fanegas de tierra (576 est.²)", 576 * estadal * estadal, "fanega_tierra_es"},
};

constexpr double cubicInch = inch * inch * inch;

constexpr Unit kVolumeUnits[] = {
    {"Kilómetros³ {km³}", 1e9, "km^3"},
    {"¤ Metros³ {m³}", 1, "m^3"},
    {"Hectolitros {hL}", 0.1, "hl"},
    {"Decímetros³ {dm³}", 0.001, "dm^3"},
    {"Litros {L}", 0.001, "l"},
    {"Decilitros {dL}", 1e-4, "dl"},
    {"Centilitros {cL}", 1e-5, "cl"},
    {"Centímetros³ {cm³}", 1e-6, "cm^3"},
    {"Mililitros {mL}", 1e-6, "ml"},
    {"Milímetros³ {mm³}", 1e-9, "mm^3"},
    {"Microlitros {µL}", 1e-9, "microliter"},
    {"Pulgadas³ {in³}", cubicInch, "in^3"},
    {"Pies³ {ft³}", foot * foot * foot, "ft^3"},
    {"Yardas³ {yd³}", yard * yard * yard, "yd^3"},
    {"Acres-pie {ac·ft}", 4840 * yard * yard * foot, "acrefoot"},
    {"Barriles de petróleo {bbl}", 42 * usGallon, "bbl"},
    {"Bushels US {bu}", 2150.42 * cubicInch, "bushel"},
    {"Galones US secos {dry gal}", 268.8025 * cubicInch, "drygallon"},
    {"Galones US {gal}", usGallon, "usgallon"},
    {"Cuartos US {qt}", usGallon / 4, "quart"},
    {"Pintas US {pt}", usGallon / 8, "pint"},
    {"Tazas US {cup}", usGallon / 16, "cup"},
    {"Onzas líquidas US {fl oz}", usGallon / 128, "floz"},
    {"Cucharadas US {tbsp}", usGallon / 256, "tablespoon"},
    {"Cucharaditas US {tsp}", usGallon / 768, "teaspoon"},
    {"Bushels imperiales {bu UK}", 8 * imperialGallon, "brbushel"},
    {"Galones imperiales {gal UK}", imperialGallon, "brgallon"},
    {"Cuartos imperiales {qt UK}", imperialGallon / 4, "brquart"},
    {"Pintas imperiales {pt UK}", imperialGallon / 8, "brpint"},
    {"Onzas líquidas imp. {fl oz UK}", imperialGallon / 160, "brfloz"},
    {"Fanegas de áridos", 0.055501, "fanega_aridos_es"},
    {"Celemines", 0.055501 / 12, "celemin_es"},
    {"Cántaras / Arrobas de vino", 0.016133, "cantara_es"},
    {"Azumbres", 0.016133 / 8, "azumbre_es"},
    {"Cuartillos", 0.016133 / 32, "cuartillo_es"},
};

constexpr Unit kWaveNumberUnits[] = {
    {"Por ángstrom {Å⁻¹}", 1e10, "1/angstrom"},
    {"Por nanómetro {nm⁻¹}", 1e9, "1/nm"},
    {"Por micra {µm⁻¹}", 1e6, "1/micron"},
    {"Por milímetro {mm⁻¹}", 1000, "1/mm"},
    {"Kaysers / Por centímetro {cm⁻¹}", 100, "kayser"},
    {"Por pulgada {in⁻¹}", 1 / inch, "1/inch"},
    {"Por decímetro {dm⁻¹}", 10, "1/dm"},
    {"Por pie {ft⁻¹}", 1 / foot, "1/ft"},
    {"Por yarda {yd⁻¹}", 1 / yard, "1/yd"},
    {"¤ Por metro {m⁻¹}", 1, "1/m"},
    {"Dioptrías {dpt}", 1, "diopter"},
    {"Por kilómetro {km⁻¹}", 0.001, "1/km"},
    {"Por milla {mi⁻¹}", 1 / mile, "1/mile"},
};

}  // namespace

const Magnitude kPlaneAngle{"Angulo", "Bidimensional", "Angulo Plano", "1", "radian",
                            kPlaneAngleUnits};
const Magnitude kSolidAngle{"Angulo", "Angulo Sólido", "Angulo Sólido", "1", "sr",
                            kSolidAngleUnits};
const Magnitude kArea{"", "Superfície", "Superficie", "L^2", "m^2", kAreaUnits};
const Magnitude kVolume{"", "Volumen", "Volumen", "L^3", "m^3", kVolumeUnits};
const Magnitude kWaveNumber{"", "Número de Onda", "Número de Onda", "L^-1", "1/m",
                            kWaveNumberUnits};

}  // namespace numeralia::convert
