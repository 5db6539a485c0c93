#include "core/chem/light_spectrum.h"

#include <cmath>

#include "core/text/number_text.h"

namespace numeralia::chem {

namespace {

// Exact SI constants.
constexpr double kLightSpeed = 299792458;        // m/s
constexpr double kPlanck = 6.62607015e-34;       // J·s
constexpr double kElementaryCharge = 1.602176634e-19;  // C
constexpr double kAvogadro = 6.02214076e23;      // 1/mol

}  // namespace

const std::array<ColourBand, 6>& visibleBands() {
    static constexpr std::array<ColourBand, 6> kBands = {{
        {"violeta", 380, 450},
        {"azul", 450, 495},
        {"verde", 495, 570},
        {"amarillo", 570, 590},
        {"naranja", 590, 620},
        {"rojo", 620, 750},
    }};
    return kBands;
}

std::string_view bandOf(double nm) {
    for (const ColourBand& band : visibleBands()) {
        if (nm >= band.from && (nm < band.to || (band.to == kVisibleTo && nm <= band.to)))
            return band.name;
    }
    return {};
}

Rgb wavelengthColour(double nm) {
    if (nm < kVisibleFrom || nm > kVisibleTo) return {0, 0, 0};
    double r = 0, g = 0, b = 0;
    if (nm < 440) {
        r = (440 - nm) / 60;
        b = 1;
    } else if (nm < 490) {
        g = (nm - 440) / 50;
        b = 1;
    } else if (nm < 510) {
        g = 1;
        b = (510 - nm) / 20;
    } else if (nm < 580) {
        r = (nm - 510) / 70;
        g = 1;
    } else if (nm < 645) {
        r = 1;
        g = (645 - nm) / 65;
    } else {
        r = 1;
    }
    // The eye sees less at both ends.
    double intensity = 1;
    if (nm < 420) intensity = 0.3 + 0.7 * (nm - 380) / 40;
    else if (nm > 700) intensity = 0.3 + 0.7 * (750 - nm) / 50;
    auto channel = [intensity](double c) {
        return static_cast<int>(std::lround(255 * std::pow(c * intensity, 0.8)));
    };
    return {channel(r), channel(g), channel(b)};
}

Photon photon(double nm) {
    const double metres = nm * 1e-9;
    const double hertz = kLightSpeed / metres;
    const double joules = kPlanck * hertz;
    Photon p;
    p.terahertz = hertz / 1e12;
    p.electronvolts = joules / kElementaryCharge;
    p.kilojoulesPerMol = joules * kAvogadro / 1000;
    p.frequencyText = text::formatPattern(p.terahertz, "0.0");
    p.electronvoltText = text::formatPattern(p.electronvolts, "0.000");
    p.kilojouleText = text::formatPattern(p.kilojoulesPerMol, "0.0");
    return p;
}

}  // namespace numeralia::chem
