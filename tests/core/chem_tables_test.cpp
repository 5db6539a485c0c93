// The tables of the chemistry windows: ionic character, the visible spectrum and the
// electrochemical series.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "core/chem/formula_parser.h"
#include "core/chem/ionic_character.h"
#include "core/chem/light_spectrum.h"
#include "core/chem/reduction_potentials.h"

namespace {

using namespace numeralia::chem;

// The four written rows hold the figures of the table, each under its difference.
TEST(IonicCharacter, RowsWriteTheTable) {
    const auto& table = ionicCharacterTable();
    const auto& rows = ionicCharacterRows();
    for (int half = 0; half < 2; ++half) {
        std::istringstream differences{std::string(rows[half * 2])};
        std::istringstream percents{std::string(rows[half * 2 + 1])};
        for (int i = 0; i < 16; ++i) {
            double d = 0, p = 0;
            ASSERT_TRUE(differences >> d);
            ASSERT_TRUE(percents >> p);
            EXPECT_DOUBLE_EQ(d, table[half * 16 + i].difference);
            EXPECT_DOUBLE_EQ(p, table[half * 16 + i].percent);
        }
        std::string extra;
        EXPECT_FALSE(differences >> extra);
        EXPECT_FALSE(percents >> extra);
    }
    for (std::size_t i = 1; i < table.size(); ++i) {
        EXPECT_NEAR(table[i].difference - table[i - 1].difference, 0.1, 1e-9);
        EXPECT_GT(table[i].percent, table[i - 1].percent);
    }
}

TEST(LightSpectrum, BandsCoverTheVisibleSpectrum) {
    const auto& bands = visibleBands();
    EXPECT_EQ(bands.front().from, kVisibleFrom);
    EXPECT_EQ(bands.back().to, kVisibleTo);
    for (std::size_t i = 1; i < bands.size(); ++i) EXPECT_EQ(bands[i].from, bands[i - 1].to);
    const struct {
        double nm;
        const char* band;
    } rows[] = {{379.9, ""},       {380, "violeta"}, {449.9, "violeta"}, {450, "azul"},
                {470, "azul"},     {530, "verde"},   {580, "amarillo"},  {600, "naranja"},
                {620, "rojo"},     {700, "rojo"},    {750, "rojo"},      {750.1, ""}};
    for (const auto& row : rows) EXPECT_EQ(bandOf(row.nm), row.band) << row.nm;
}

TEST(LightSpectrum, PhotonsOfAWavelength) {
    const struct {
        double nm;
        const char *terahertz, *ev, *kj;
    } rows[] = {
        {500, "599,6", "2,480", "239,3"},
        {380, "788,9", "3,263", "314,8"},
        {750, "399,7", "1,653", "159,5"},
        {656.3, "456,8", "1,889", "182,3"},  // the red line of hydrogen
    };
    for (const auto& row : rows) {
        const Photon p = photon(row.nm);
        EXPECT_EQ(p.frequencyText, row.terahertz) << row.nm;
        EXPECT_EQ(p.electronvoltText, row.ev) << row.nm;
        EXPECT_EQ(p.kilojouleText, row.kj) << row.nm;
    }
    // E = h·c/λ: 1239.84 eV·nm; a mole of photons carries 96.485 kJ per eV.
    EXPECT_NEAR(photon(1000).electronvolts, 1.23984198, 1e-8);
    EXPECT_NEAR(photon(500).kilojoulesPerMol / photon(500).electronvolts, 96.4853321, 1e-6);
}

TEST(LightSpectrum, ColoursOfWavelengths) {
    const struct {
        double nm;
        int r, g, b;
    } rows[] = {
        {440, 0, 0, 255}, {490, 0, 255, 255}, {510, 0, 255, 0}, {580, 255, 255, 0},
        {645, 255, 0, 0}, {700, 255, 0, 0},   {300, 0, 0, 0},   {800, 0, 0, 0},
    };
    for (const auto& row : rows) {
        const Rgb c = wavelengthColour(row.nm);
        EXPECT_EQ(c.red, row.r) << row.nm;
        EXPECT_EQ(c.green, row.g) << row.nm;
        EXPECT_EQ(c.blue, row.b) << row.nm;
    }
    // Dimmer at both ends.
    EXPECT_LT(wavelengthColour(385).blue, 255);
    EXPECT_LT(wavelengthColour(745).red, 255);
}

// A side of a half-reaction: its atoms and its charge, electrons included.
struct Side {
    std::map<std::string, int> atoms;
    int charge = 0;
};

// Reads "PbO₂ + SO₄²⁻ + 4H⁺ + 2e⁻": coefficients, subscripts and charges.
Side readSide(const std::string& text) {
    static const std::map<std::string, int> kSuperscripts = {
        {"⁰", 0}, {"¹", 1}, {"²", 2}, {"³", 3}, {"⁴", 4}, {"⁵", 5}, {"⁶", 6}, {"⁷", 7}, {"⁸", 8}, {"⁹", 9}};
    Side side;
    std::istringstream terms(text);
    std::string term;
    while (terms >> term) {
        if (term == "+") continue;
        std::size_t at = 0;
        int coefficient = 0;
        while (at < term.size() && std::isdigit(static_cast<unsigned char>(term[at])))
            coefficient = coefficient * 10 + (term[at++] - '0');
        if (coefficient == 0) coefficient = 1;
        std::string species = term.substr(at);
        int charge = 0;
        int sign = 0;
        if (species.ends_with("⁺")) sign = 1;
        if (species.ends_with("⁻")) sign = -1;
        if (sign != 0) {
            species.resize(species.size() - std::string("⁺").size());
            int magnitude = 0, scale = 1;
            bool found = true;
            while (found) {
                found = false;
                for (const auto& [glyph, digit] : kSuperscripts) {
                    if (species.ends_with(glyph)) {
                        magnitude += digit * scale;
                        scale *= 10;
                        species.resize(species.size() - glyph.size());
                        found = true;
                    }
                }
            }
            charge = sign * (magnitude == 0 ? 1 : magnitude);
        }
        side.charge += coefficient * charge;
        if (species == "e") continue;
        const FormulaAnalysis formula = analyseFormula(species);
        EXPECT_FALSE(formula.error.has_value()) << species;
        for (const auto& entry : formula.sum.entries()) side.atoms[entry.symbol] += coefficient * entry.count;
    }
    return side;
}

TEST(ElectrochemicalSeries, FromTheStrongestOxidantToTheStrongestReductant) {
    const auto series = reductionPotentials();
    EXPECT_GE(series.size(), 40u);
    for (std::size_t i = 1; i < series.size(); ++i)
        EXPECT_LE(series[i].volts, series[i - 1].volts) << series[i].couple;
    EXPECT_EQ(series.front().couple, "F₂/F⁻");
    EXPECT_EQ(series.back().couple, "Li⁺/Li");
    std::map<std::string_view, std::string> shown;
    for (const HalfReaction& h : series) shown[h.couple] = potentialText(h.volts);
    EXPECT_EQ(shown["F₂/F⁻"], "+2,87");
    EXPECT_EQ(shown["Li⁺/Li"], "-3,04");
    EXPECT_EQ(shown["H⁺/H₂"], "0,00");
    EXPECT_EQ(shown["Cu²⁺/Cu"], "+0,34");
    EXPECT_EQ(shown["Zn²⁺/Zn"], "-0,76");
    EXPECT_EQ(shown["Ag⁺/Ag"], "+0,80");
    EXPECT_EQ(shown.size(), series.size());  // each couple once
}

// Every half-reaction keeps its atoms and its charge.
TEST(ElectrochemicalSeries, HalfReactionsAreBalanced) {
    for (const HalfReaction& h : reductionPotentials()) {
        const std::string reaction(h.reaction);
        SCOPED_TRACE(reaction);
        const auto arrow = reaction.find(" → ");
        ASSERT_NE(arrow, std::string::npos);
        const Side left = readSide(reaction.substr(0, arrow));
        const Side right = readSide(reaction.substr(arrow + std::string(" → ").size()));
        EXPECT_EQ(left.atoms, right.atoms);
        EXPECT_EQ(left.charge, right.charge);
        EXPECT_NE(reaction.find("e⁻"), std::string::npos);
    }
}

}  // namespace
