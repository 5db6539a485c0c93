// Time, frequency and velocities.

#include "core/convert/unit_data.h"

namespace numeralia::convert {

namespace {

using namespace def;

constexpr double gregorianYear = 365.2425 * day;

constexpr Unit kTimeUnits[] = {
    {"Milenios", 1000 * gregorianYear, "1000 gregorianyear"},
    {"Siglos", 100 * gregorianYear, "100 gregorianyear"},
    {"Décadas", 10 * gregorianYear, "10 gregorianyear"},
    {"Años siderales", 365.256360417 * day, "siderealyear"},
    {"Años julianos (365,25 d)", 365.25 * day, "julianyear"},
    {"Años gregorianos (365,2425 d)", gregorianYear, "gregorianyear"},
    {"Años trópicos", 365.242198781 * day, "tropicalyear"},
    {"Años comunes (365 d) {a}", 365 * day, "365 day"},
    {"Meses (1/12 año gregoriano)", gregorianYear / 12, "1|12 gregorianyear"},
    {"Meses de 30 días", 30 * day, "30 day"},
    {"Quincenas (15 d)", 15 * day, "15 day"},
    {"Semanas", 7 * day, "week"},
    {"Días {d}", day, "day"},
    {"Días siderales", 86164.09054, "siderealday"},
    {"Horas {h}", hour, "hr"},
    {"Minutos {min}", minute, "min"},
    {"¤ Segundos {s}", 1, "s"},
    {"Milisegundos {ms}", 0.001, "ms"},
    {"Microsegundos {µs}", 1e-6, "microsecond"},
    {"Shakes", 1e-8, "shake"},
    {"Nanosegundos {ns}", 1e-9, "ns"},
    {"Picosegundos {ps}", 1e-12, "ps"},
};

constexpr Unit kFrequencyUnits[] = {
    {"Terahercios {THz}", 1e12, "THz"},
    {"Gigahercios {GHz}", 1e9, "GHz"},
    {"Megahercios {MHz}", 1e6, "MHz"},
    {"Kilohercios {kHz}", 1000, "kHz"},
    {"¤ Hercios {Hz}", 1, "Hz"},
    {"Ciclos/segundo {c/s}", 1, "1/s"},
    {"Revoluciones/segundo {rps}", 1, "1/s"},
    {"Radianes/segundo {rad/s}", 1 / (2 * pi), "1/(2 pi s)"},
    {"Ciclos/minuto {c/min}", 1 / minute, "1/min"},
    {"Revoluciones/minuto {rpm}", 1 / minute, "1/min"},
    {"Milihercios {mHz}", 0.001, "mHz"},
    {"Ciclos/hora {c/h}", 1 / hour, "1/hr"},
    {"Microhercios {µHz}", 1e-6, "microHz"},
    {"Ciclos/día {c/d}", 1 / day, "1/day"},
};

constexpr Unit kLinearVelocityUnits[] = {
    {"Velocidad de la luz {c}", speedOfLight, "c"},
    {"Kilómetros/segundo {km/s}", 1000, "km/s"},
    {"Millas/segundo {mi/s}", mile, "mile/s"},
    {"Mach (aire a 0 °C) {Ma}", 331.46, "mach"},
    {"Millas/minuto {mi/min}", mile / minute, "mile/min"},
    {"¤ Metros/segundo {m/s}", 1, "m/s"},
    {"Yardas/segundo {yd/s}", yard, "yd/s"},
    {"Nudos {kn}", nauticalMile / hour, "knot"},
    {"Millas/hora {mph}", mile / hour, "mph"},
    {"Pies/segundo {ft/s}", foot, "ft/s"},
    {"Kilómetros/hora {km/h}", 1000 / hour, "km/hr"},
    {"Pulgadas/segundo {in/s}", inch, "in/s"},
    {"Metros/minuto {m/min}", 1 / minute, "m/min"},
    {"Centímetros/segundo {cm/s}", 0.01, "cm/s"},
    {"Pies/minuto {ft/min}", foot / minute, "ft/min"},
    {"Milímetros/segundo {mm/s}", 0.001, "mm/s"},
    {"Metros/hora {m/h}", 1 / hour, "m/hr"},
    {"Pies/hora {ft/h}", foot / hour, "ft/hr"},
};

constexpr Unit kAngularVelocityUnits[] = {
    {"Revoluciones/segundo {rps}", revolution, "rps"},
    {"¤ Radianes/segundo {rad/s}", 1, "radian/s"},
    {"Revoluciones/minuto {rpm}", revolution / minute, "rpm"},
    {"Grados/segundo {°/s}", degree, "degree/s"},
    {"Gones/segundo {gon/s}", gon, "gon/s"},
    {"Radianes/minuto {rad/min}", 1 / minute, "radian/min"},
    {"Revoluciones/hora {rph}", revolution / hour, "rev/hr"},
    {"Radianes/hora {rad/h}", 1 / hour, "radian/hr"},
    {"Grados/minuto {°/min}", degree / minute, "degree/min"},
    {"Revoluciones/día {rev/d}", revolution / day, "rev/day"},
    {"Radianes/día {rad/d}", 1 / day, "radian/day"},
    {"Grados/hora {°/h}", degree / hour, "degree/hr"},
    {"Grados/día {°/d}", degree / day, "degree/day"},
};

}  // namespace

const Magnitude kTime{"", "Tiempo", "Tiempo", "T", "s", kTimeUnits};
const Magnitude kFrequency{"", "Frecuencia", "Frecuencia", "T^-1", "Hz", kFrequencyUnits};
const Magnitude kLinearVelocity{"Velocidad", "Velocidad Lineal", "Velocidad Lineal", "L T^-1",
                                "m/s", kLinearVelocityUnits};
const Magnitude kAngularVelocity{"Velocidad", "Velocidad Angular", "Velocidad Angular", "T^-1",
                                 "radian/s", kAngularVelocityUnits};

}  // namespace numeralia::convert
