#include <array>

#include "core/convert/unit_data.h"

namespace numeralia::convert {

namespace {

// The "&Magnitud" menu, top to bottom.
constexpr std::array<const Magnitude*, 30> kMenu = {
    &kLinearAcceleration, &kAngularAcceleration,
    &kPlaneAngle, &kSolidAngle,
    &kDensity,
    &kCapacitance, &kCharge, &kConductance, &kInductance, &kCurrent, &kPotential, &kResistance,
    &kEnergy,
    &kFrequency,
    &kForce,
    &kLength,
    &kMagneticFieldStrength, &kMagneticFlux,
    &kMass,
    &kWaveNumber,
    &kAbsorbedDose,
    &kPower,
    &kPressure,
    &kArea,
    &kTime,
    &kLinearVelocity, &kAngularVelocity,
    &kKinematicViscosity, &kDynamicViscosity,
    &kVolume,
};

}  // namespace

std::span<const Magnitude* const> magnitudes() { return kMenu; }

const Magnitude* findMagnitude(std::string_view menuEntry) {
    for (const Magnitude* m : kMenu) {
        if (m->menuEntry == menuEntry) return m;
    }
    return nullptr;
}

const Magnitude& lengthMagnitude() { return kLength; }

std::size_t totalUnitCount() {
    std::size_t count = 0;
    for (const Magnitude* m : kMenu) count += m->units.size();
    return count;
}

}  // namespace numeralia::convert
