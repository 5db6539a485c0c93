// Checks of the element data: every record complete, every number plausible for its
// property, and the properties consistent with one another and with the master table.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "core/chem/element_records.h"
#include "core/chem/elements.h"

namespace {

using namespace numeralia::chem;

std::optional<double> num(int z, Property p) { return record(z)[p].number(); }

// The state at room temperature the melting and boiling points imply. The sheet's room is a
// warm one (30 °C): it has always shown caesium (melting at 28.7 °C) as a liquid.
enum class State { Gas, Liquid, Solid, Unknown };
constexpr double kRoom = 30;

std::optional<double> meltingPoint(int z) {
    const Value& v = record(z)[Property::MeltingPoint];
    if (v.isNumber()) return v.number();
    if (v.kind == Value::Kind::Text && v.text.starts_with("(")) {
        return std::stod(std::string(v.text.substr(1)));  // estimated, or under pressure
    }
    return std::nullopt;
}

State stateAtRoom(int z) {
    const auto melt = meltingPoint(z);
    const auto boil = num(z, Property::BoilingPoint);
    if (boil && *boil < kRoom) return State::Gas;
    if (melt && *melt > kRoom) return State::Solid;
    if (melt && *melt < kRoom) return State::Liquid;
    return State::Unknown;
}

TEST(ChemData, MasterTableHoldsTheHundredAndNineElements) {
    std::set<std::string_view> symbols, names;
    for (int z = 1; z <= kElementCount; ++z) {
        SCOPED_TRACE(z);
        const MasterRow& row = element(z);
        symbols.insert(row.symbol);
        names.insert(row.name);
        EXPECT_EQ(elementBySymbol(row.symbol), z);
        // A symbol: a capital letter, then at most one small letter.
        ASSERT_GE(row.symbol.size(), 1u);
        ASSERT_LE(row.symbol.size(), 2u);
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(row.symbol[0])));
        if (row.symbol.size() == 2) {
            EXPECT_TRUE(std::islower(static_cast<unsigned char>(row.symbol[1])));
        }
        // Mass numbers in parentheses for the elements without a stable isotope of known
        // abundance; technetium is the one written as a plain 98.
        const bool parenthesized = z == 61 || (z >= 84 && z <= 89) || z >= 93;
        EXPECT_EQ(row.weight < 0, parenthesized);
        const double mass = std::fabs(row.weight);
        if (parenthesized) {
            EXPECT_EQ(mass, std::floor(mass));
        }
        // Atomic weights grow with Z; no element is lighter than Z or heavier than 2.6 Z.
        EXPECT_GE(mass / z, 1.0);
        EXPECT_LE(mass / z, 2.6);
        if (z > 1) {
            EXPECT_GT(mass, std::fabs(element(z - 1).weight) - 2.5);
        }
        EXPECT_FALSE(row.english.empty());
    }
    EXPECT_EQ(symbols.size(), 109u);
    EXPECT_EQ(names.size(), 109u);
    EXPECT_EQ(element(43).weight, 98);
}

// Which kinds of value each column takes, and the plausible range of its numbers.
struct ColumnRule {
    Property property;
    double low, high;
    bool integerOnly;
};
constexpr ColumnRule kRules[] = {
    {Property::BoilingPoint, -270, 6000, false},
    {Property::MeltingPoint, -273, 4000, false},
    {Property::Density, 0.05, 23, false},
    {Property::Valence, -4, 8, true},
    {Property::Electronegativity, 0.6, 4.0, false},
    {Property::CovalentRadius, 0.25, 2.8, false},
    {Property::AtomicRadius, 1.0, 2.8, false},
    {Property::AtomicVolume, 4, 75, false},
    {Property::IonizationEnergy, 85, 600, false},
    {Property::HeatOfVaporization, 0.01, 200, false},
    {Property::HeatOfFusion, 0.003, 30, false},
    {Property::ElectricalConductance, 0.0005, 0.7, false},
    {Property::ThermalConductivity, 0.000005, 1.1, false},
    {Property::SpecificHeat, 0.02, 3.5, false},
};

// Every value is there, every number in range; hydrogen keeps the ionization energy the
// sheet has always shown for it, 31.3 (the unit switch is known by it: 131.00615 in joules);
// every crystal drawing and acid-base swatch is used by some element.
TEST(ChemData, EveryValueIsThereAndPlausible) {
    const std::set<std::string_view> acidBase = {"Acido",         "Acido fuerte", "Básico",
                                                 "Básico fuerte", "Anfótero",     "--"};
    const std::set<std::string_view> crystals = {
        "Cúbico CC", "Cúbico CE",    "Hexagonal",   "Cúbico",      "Tetragonal",
        "Rómbico",   "Ortorrómbico", "Monoclínico", "Romboédrico", "--"};
    std::set<std::string_view> acidBaseUsed, crystalsUsed;
    for (int z = 1; z <= kElementCount; ++z) {
        SCOPED_TRACE(std::string(element(z).symbol));
        const ElementRecord& rec = record(z);
        EXPECT_EQ(rec.z, z);
        for (const Value& value : rec.values) EXPECT_FALSE(value.isEmpty());
        for (const ColumnRule& rule : kRules) {
            SCOPED_TRACE(static_cast<int>(rule.property));
            const Value& value = rec[rule.property];
            if (value.isNoValue()) continue;
            if (rule.property == Property::MeltingPoint && value.kind == Value::Kind::Text) {
                EXPECT_TRUE(meltingPoint(z).has_value());
                continue;
            }
            ASSERT_TRUE(value.isNumber());
            if (rule.property == Property::IonizationEnergy && z == 1) continue;
            if (rule.integerOnly) {
                EXPECT_EQ(value.kind, Value::Kind::Integer);
            }
            EXPECT_GE(*value.number(), rule.low);
            EXPECT_LE(*value.number(), rule.high);
        }
        EXPECT_TRUE(acidBase.contains(rec[Property::AcidBase].text));
        EXPECT_TRUE(crystals.contains(rec[Property::CrystalSystem].text));
        acidBaseUsed.insert(rec[Property::AcidBase].text);
        crystalsUsed.insert(rec[Property::CrystalSystem].text);
    }
    EXPECT_EQ(record(1)[Property::IonizationEnergy], Value(31.3));
    EXPECT_EQ(acidBaseUsed, acidBase);
    EXPECT_EQ(crystalsUsed, crystals);
}

// "0.95(+1)": a radius in Å, then the ion's charge.
TEST(ChemData, IonicRadiiCarryTheirCharge) {
    for (int z = 1; z <= kElementCount; ++z) {
        const Value& value = record(z)[Property::IonicRadius];
        SCOPED_TRACE(std::string(element(z).symbol) + " " + std::string(value.text));
        ASSERT_EQ(value.kind, Value::Kind::Text);
        if (value.isNoValue()) continue;
        const std::string text(value.text);
        const auto open = text.find('(');
        ASSERT_NE(open, std::string::npos);
        ASSERT_EQ(text.back(), ')');
        const double radius = std::stod(text.substr(0, open));
        EXPECT_GE(radius, 0.1);
        EXPECT_LE(radius, 2.8);
        const std::string charge = text.substr(open + 1, text.size() - open - 2);
        ASSERT_TRUE(charge[0] == '+' || charge[0] == '-');
        const int q = std::stoi(charge);
        EXPECT_GE(q, -4);
        EXPECT_LE(q, 8);
        EXPECT_NE(q, 0);
        // Anions are large, cations small.
        if (q < 0) {
            EXPECT_GT(radius, 1.3);
        }
    }
}

// The electron structure holds Z electrons: a noble-gas core (or its shells, "1s2-"),
// then subshells that hold no more than they can.
TEST(ChemData, ElectronStructuresHoldZElectrons) {
    const std::map<std::string, int> cores = {{"He", 2}, {"Ne", 10}, {"Ar", 18},
                                              {"Kr", 36}, {"Xe", 54}, {"Rn", 86}};
    const std::map<char, int> capacity = {{'s', 2}, {'p', 6}, {'d', 10}, {'f', 14}};
    for (int z = 1; z <= kElementCount; ++z) {
        const std::string text(record(z)[Property::ElectronStructure].text);
        SCOPED_TRACE(std::string(element(z).symbol) + " " + text);
        int electrons = 0;
        std::string shells = text;
        if (const auto dash = text.find('-'); dash != std::string::npos) {
            const std::string core = text.substr(0, dash);
            shells = text.substr(dash + 1);
            if (cores.contains(core)) electrons = cores.at(core);
            else if (core == "1s2") electrons = 2;
            else FAIL() << "core " << core;
        }
        std::set<std::string> seen;
        std::size_t at = 0;
        while (at < shells.size()) {
            const auto end = std::min(shells.find(' ', at), shells.size());
            const std::string shell = shells.substr(at, end - at);
            ASSERT_GE(shell.size(), 3u);
            ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(shell[0])));
            ASSERT_TRUE(capacity.contains(shell[1]));
            const int count = std::stoi(shell.substr(2));
            EXPECT_GE(count, 1);
            EXPECT_LE(count, capacity.at(shell[1]));
            EXPECT_TRUE(seen.insert(shell.substr(0, 2)).second);
            electrons += count;
            at = end + 1;
        }
        EXPECT_EQ(electrons, z);
    }
}

// The properties agree with one another: melting below boiling, fusion below vaporization;
// atomic volume = atomic weight / density within 3 %; the symbol colour by the state at room
// temperature (the underlined keys are the liquids); solids from sodium on hold about
// 6 cal/(mol·°C) (Dulong and Petit: specific heat times weight between 4.5 and 9); in metals
// the thermal conductivity is about 1.71 times the electrical conductance (Wiedemann and
// Franz) and the heat of vaporization over the boiling point is 15 to 36 cal/(mol·K)
// (Trouton); noble gases and non-metals but graphite conduct no current worth a number.
TEST(ChemData, PropertiesAgreeWithOneAnother) {
    int volumes = 0, conductors = 0, boilers = 0;
    for (int z = 1; z <= kElementCount; ++z) {
        SCOPED_TRACE(std::string(element(z).symbol));
        const double weight = std::fabs(element(z).weight);
        const auto melt = num(z, Property::MeltingPoint), boil = num(z, Property::BoilingPoint);
        if (melt && boil) EXPECT_LT(*melt, *boil);
        const auto fusion = num(z, Property::HeatOfFusion);
        const auto vaporization = num(z, Property::HeatOfVaporization);
        if (fusion && vaporization) EXPECT_LT(*fusion, *vaporization);

        const auto volume = num(z, Property::AtomicVolume), density = num(z, Property::Density);
        EXPECT_EQ(volume.has_value(), density.has_value());
        if (volume && density) {
            EXPECT_NEAR(*volume / (weight / *density), 1.0, 0.03);
            ++volumes;
        }

        const std::uint32_t colour = record(z).symbolColour;
        const State state = stateAtRoom(z);
        EXPECT_EQ(isUnderlinedLiquid(z), state == State::Liquid);
        if (isArtificial(z)) {
            EXPECT_EQ(colour, kArtificialColour);
        } else {
            EXPECT_NE(state, State::Unknown);
            EXPECT_EQ(colour, state == State::Gas      ? kGasColour
                              : state == State::Liquid ? kLiquidColour
                                                       : kSolidColour);
        }

        const auto heat = num(z, Property::SpecificHeat);
        if (z >= 11 && heat && state == State::Solid) {
            EXPECT_GE(*heat * weight, 4.5);
            EXPECT_LE(*heat * weight, 9.0);
        }

        const KeyFace face = keyFace(z);
        const auto electrical = num(z, Property::ElectricalConductance);
        const auto thermal = num(z, Property::ThermalConductivity);
        if (face == KeyFace::NobleGas || (face == KeyFace::NonMetal && z != 6))
            EXPECT_FALSE(electrical.has_value());
        if (face != KeyFace::Metal) continue;
        if (electrical && thermal) {
            EXPECT_GE(*thermal / (1.71 * *electrical), 0.5);
            EXPECT_LE(*thermal / (1.71 * *electrical), 3.0);
            ++conductors;
        }
        if (vaporization && boil) {
            EXPECT_GE(*vaporization * 1000 / (*boil + 273.15), 15);
            EXPECT_LE(*vaporization * 1000 / (*boil + 273.15), 36);
            ++boilers;
        }
    }
    EXPECT_GE(volumes, 95);
    EXPECT_GE(conductors, 60);
    EXPECT_GE(boilers, 70);
}

}  // namespace
