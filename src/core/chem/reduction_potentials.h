#pragma once
// The electrochemical series: standard reduction potentials at 25 °C (1 M, 1 atm), from the
// strongest oxidant to the strongest reductant.

#include <span>
#include <string>
#include <string_view>

namespace numeralia::chem {

struct HalfReaction {
    std::string_view couple;    // "F₂/F⁻"
    std::string_view reaction;  // "F₂ + 2e⁻ → 2F⁻"
    double volts;               // E°
};

std::span<const HalfReaction> reductionPotentials();

// E° as the table writes it: "+2,87", "0,00", "-3,04".
std::string potentialText(double volts);

}  // namespace numeralia::chem
