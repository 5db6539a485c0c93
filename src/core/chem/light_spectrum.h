#pragma once
// The visible spectrum, 380 to 750 nm: its colour bands, the colour of each wavelength and
// the frequency and energy of its photons.

#include <array>
#include <string>
#include <string_view>

namespace numeralia::chem {

inline constexpr double kVisibleFrom = 380;  // nm
inline constexpr double kVisibleTo = 750;

struct ColourBand {
    std::string_view name;  // "violeta" .. "rojo"
    double from, to;        // nm, from included
};
// Violet, blue, green, yellow, orange and red, in order of wavelength.
const std::array<ColourBand, 6>& visibleBands();
// The band of a wavelength, empty outside the visible spectrum.
std::string_view bandOf(double nanometres);

struct Rgb {
    int red, green, blue;
};
// The colour a wavelength looks (a screen approximation, dimmer towards both ends); black
// outside the visible spectrum.
Rgb wavelengthColour(double nanometres);

struct Photon {
    double terahertz;        // frequency
    double electronvolts;    // energy of one photon
    double kilojoulesPerMol;  // energy of a mole of photons
    std::string frequencyText, electronvoltText, kilojouleText;  // "599,6", "2,480", "239,3"
};
Photon photon(double nanometres);

}  // namespace numeralia::chem
