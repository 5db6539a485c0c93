#include "core/chem/reduction_potentials.h"

#include <array>

#include "core/text/number_text.h"

// Standard reduction potentials in volts at 25 °C, as the CRC Handbook of Chemistry and
// Physics ("Electrochemical Series") and Bard, Parsons and Jordan, Standard Potentials in
// Aqueous Solution, give them, to two decimals.

namespace numeralia::chem {

namespace {

// clang-format off
constexpr std::array<HalfReaction, 61> kSeries = {{
    {"F₂/F⁻",          "F₂ + 2e⁻ → 2F⁻",                                2.87},
    {"O₃/O₂",          "O₃ + 2H⁺ + 2e⁻ → O₂ + H₂O",                     2.08},
    {"S₂O₈²⁻/SO₄²⁻",   "S₂O₈²⁻ + 2e⁻ → 2SO₄²⁻",                         2.01},
    {"Co³⁺/Co²⁺",      "Co³⁺ + e⁻ → Co²⁺",                              1.92},
    {"H₂O₂/H₂O",       "H₂O₂ + 2H⁺ + 2e⁻ → 2H₂O",                       1.78},
    {"Ce⁴⁺/Ce³⁺",      "Ce⁴⁺ + e⁻ → Ce³⁺",                              1.72},
    {"Au⁺/Au",         "Au⁺ + e⁻ → Au",                                 1.69},
    {"PbO₂/PbSO₄",     "PbO₂ + SO₄²⁻ + 4H⁺ + 2e⁻ → PbSO₄ + 2H₂O",       1.69},
    {"MnO₄⁻/MnO₂",     "MnO₄⁻ + 4H⁺ + 3e⁻ → MnO₂ + 2H₂O",               1.68},
    {"MnO₄⁻/Mn²⁺",     "MnO₄⁻ + 8H⁺ + 5e⁻ → Mn²⁺ + 4H₂O",               1.51},
    {"Au³⁺/Au",        "Au³⁺ + 3e⁻ → Au",                               1.50},
    {"PbO₂/Pb²⁺",      "PbO₂ + 4H⁺ + 2e⁻ → Pb²⁺ + 2H₂O",                1.46},
    {"Cl₂/Cl⁻",        "Cl₂ + 2e⁻ → 2Cl⁻",                              1.36},
    {"Cr₂O₇²⁻/Cr³⁺",   "Cr₂O₇²⁻ + 14H⁺ + 6e⁻ → 2Cr³⁺ + 7H₂O",           1.33},
    {"O₂/H₂O",         "O₂ + 4H⁺ + 4e⁻ → 2H₂O",                         1.23},
    {"MnO₂/Mn²⁺",      "MnO₂ + 4H⁺ + 2e⁻ → Mn²⁺ + 2H₂O",                1.22},
    {"Pt²⁺/Pt",        "Pt²⁺ + 2e⁻ → Pt",                               1.18},
    {"Br₂/Br⁻",        "Br₂ + 2e⁻ → 2Br⁻",                              1.07},
    {"NO₃⁻/NO",        "NO₃⁻ + 4H⁺ + 3e⁻ → NO + 2H₂O",                  0.96},
    {"Pd²⁺/Pd",        "Pd²⁺ + 2e⁻ → Pd",                               0.95},
    {"Hg²⁺/Hg",        "Hg²⁺ + 2e⁻ → Hg",                               0.85},
    {"Ag⁺/Ag",         "Ag⁺ + e⁻ → Ag",                                 0.80},
    {"Hg₂²⁺/Hg",       "Hg₂²⁺ + 2e⁻ → 2Hg",                             0.80},
    {"Fe³⁺/Fe²⁺",      "Fe³⁺ + e⁻ → Fe²⁺",                              0.77},
    {"O₂/H₂O₂",        "O₂ + 2H⁺ + 2e⁻ → H₂O₂",                         0.70},
    {"I₂/I⁻",          "I₂ + 2e⁻ → 2I⁻",                                0.54},
    {"Cu⁺/Cu",         "Cu⁺ + e⁻ → Cu",                                 0.52},
    {"O₂/OH⁻",         "O₂ + 2H₂O + 4e⁻ → 4OH⁻",                        0.40},
    {"Cu²⁺/Cu",        "Cu²⁺ + 2e⁻ → Cu",                               0.34},
    {"AgCl/Ag",        "AgCl + e⁻ → Ag + Cl⁻",                          0.22},
    {"SO₄²⁻/H₂SO₃",    "SO₄²⁻ + 4H⁺ + 2e⁻ → H₂SO₃ + H₂O",               0.17},
    {"Cu²⁺/Cu⁺",       "Cu²⁺ + e⁻ → Cu⁺",                               0.15},
    {"Sn⁴⁺/Sn²⁺",      "Sn⁴⁺ + 2e⁻ → Sn²⁺",                             0.15},
    {"H⁺/H₂",          "2H⁺ + 2e⁻ → H₂",                                0.00},
    {"Fe³⁺/Fe",        "Fe³⁺ + 3e⁻ → Fe",                              -0.04},
    {"Pb²⁺/Pb",        "Pb²⁺ + 2e⁻ → Pb",                              -0.13},
    {"Sn²⁺/Sn",        "Sn²⁺ + 2e⁻ → Sn",                              -0.14},
    {"Ni²⁺/Ni",        "Ni²⁺ + 2e⁻ → Ni",                              -0.26},
    {"Co²⁺/Co",        "Co²⁺ + 2e⁻ → Co",                              -0.28},
    {"PbSO₄/Pb",       "PbSO₄ + 2e⁻ → Pb + SO₄²⁻",                     -0.36},
    {"Cd²⁺/Cd",        "Cd²⁺ + 2e⁻ → Cd",                              -0.40},
    {"Cr³⁺/Cr²⁺",      "Cr³⁺ + e⁻ → Cr²⁺",                             -0.41},
    {"Fe²⁺/Fe",        "Fe²⁺ + 2e⁻ → Fe",                              -0.45},
    {"S/S²⁻",          "S + 2e⁻ → S²⁻",                                -0.48},
    {"Cr³⁺/Cr",        "Cr³⁺ + 3e⁻ → Cr",                              -0.74},
    {"Zn²⁺/Zn",        "Zn²⁺ + 2e⁻ → Zn",                              -0.76},
    {"H₂O/H₂",         "2H₂O + 2e⁻ → H₂ + 2OH⁻",                       -0.83},
    {"Cr²⁺/Cr",        "Cr²⁺ + 2e⁻ → Cr",                              -0.91},
    {"Mn²⁺/Mn",        "Mn²⁺ + 2e⁻ → Mn",                              -1.18},
    {"Ti²⁺/Ti",        "Ti²⁺ + 2e⁻ → Ti",                              -1.63},
    {"Al³⁺/Al",        "Al³⁺ + 3e⁻ → Al",                              -1.66},
    {"Be²⁺/Be",        "Be²⁺ + 2e⁻ → Be",                              -1.85},
    {"Mg²⁺/Mg",        "Mg²⁺ + 2e⁻ → Mg",                              -2.37},
    {"Na⁺/Na",         "Na⁺ + e⁻ → Na",                                -2.71},
    {"Ca²⁺/Ca",        "Ca²⁺ + 2e⁻ → Ca",                              -2.87},
    {"Sr²⁺/Sr",        "Sr²⁺ + 2e⁻ → Sr",                              -2.89},
    {"Ba²⁺/Ba",        "Ba²⁺ + 2e⁻ → Ba",                              -2.91},
    {"K⁺/K",           "K⁺ + e⁻ → K",                                  -2.93},
    {"Rb⁺/Rb",         "Rb⁺ + e⁻ → Rb",                                -2.98},
    {"Cs⁺/Cs",         "Cs⁺ + e⁻ → Cs",                                -3.03},
    {"Li⁺/Li",         "Li⁺ + e⁻ → Li",                                -3.04},
}};
// clang-format on

}  // namespace

std::span<const HalfReaction> reductionPotentials() { return kSeries; }

std::string potentialText(double volts) {
    const std::string digits = text::formatPattern(volts, "0.00");
    return volts > 0 && digits != "0,00" ? "+" + digits : digits;
}

}  // namespace numeralia::chem
