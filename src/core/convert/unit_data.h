#pragma once
// The magnitude tables, each defined in the data file of its group, gathered in menu order by
// magnitudes.cpp; and the exact definitions the tables are built from.

#include <numbers>

#include "core/convert/unit_table.h"

namespace numeralia::convert {

// Exact definitions (international yard and pound of 1959, standard gravity, the 2019 SI
// constants) and the customary units derived from them.
namespace def {
inline constexpr double pi = std::numbers::pi;
inline constexpr double inch = 0.0254;
inline constexpr double foot = 0.3048;
inline constexpr double yard = 0.9144;
inline constexpr double mile = 1609.344;
inline constexpr double nauticalMile = 1852;
inline constexpr double pound = 0.45359237;
inline constexpr double ounce = pound / 16;
inline constexpr double grain = pound / 7000;
inline constexpr double gravity = 9.80665;
inline constexpr double poundForce = pound * gravity;
inline constexpr double kilogramForce = gravity;
inline constexpr double minute = 60;
inline constexpr double hour = 3600;
inline constexpr double day = 86400;
inline constexpr double degree = pi / 180;
inline constexpr double gon = pi / 200;
inline constexpr double arcMinute = pi / 10800;
inline constexpr double arcSecond = pi / 648000;
inline constexpr double revolution = 2 * pi;
inline constexpr double usGallon = 231 * inch * inch * inch;
inline constexpr double imperialGallon = 0.00454609;
inline constexpr double speedOfLight = 299792458;
inline constexpr double elementaryCharge = 1.602176634e-19;
inline constexpr double planck = 6.62607015e-34;
inline constexpr double avogadro = 6.02214076e23;
inline constexpr double calorieTh = 4.184;
inline constexpr double calorieIT = 4.1868;
inline constexpr double btuIT = calorieIT * 1000 * pound / 1.8;
inline constexpr double btuTh = calorieTh * 1000 * pound / 1.8;
inline constexpr double horsepower = 550 * foot * poundForce;
inline constexpr double metricHorsepower = 75 * gravity;
inline constexpr double atmosphere = 101325;
inline constexpr double mercuryHead = 13595.1 * gravity;  // pressure of 1 m of mercury
inline constexpr double waterHead = 1000 * gravity;       // pressure of 1 m of water
// Castilian units, from the vara of the length table.
inline constexpr double vara = 0.83575;
inline constexpr double estadal = 4 * vara;
inline constexpr double castilianPound = 0.460093;
}  // namespace def

extern const Magnitude kLinearAcceleration, kAngularAcceleration;
extern const Magnitude kPlaneAngle, kSolidAngle;
extern const Magnitude kDensity;
extern const Magnitude kCapacitance, kCharge, kConductance, kInductance, kCurrent, kPotential,
    kResistance;
extern const Magnitude kEnergy, kFrequency, kForce, kLength;
extern const Magnitude kMagneticFieldStrength, kMagneticFlux;
extern const Magnitude kMass, kWaveNumber, kAbsorbedDose, kPower, kPressure, kArea, kTime;
extern const Magnitude kLinearVelocity, kAngularVelocity;
extern const Magnitude kKinematicViscosity, kDynamicViscosity, kVolume;

}  // namespace numeralia::convert
