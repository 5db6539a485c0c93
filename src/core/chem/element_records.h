#pragma once
// The eighteen sheet properties of every element and the colour its symbol is drawn in.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/chem/elements.h"

namespace numeralia::chem {

// The property columns, in the order in which an element key stores them.
enum class Property {
    BoilingPoint,           // °C
    MeltingPoint,           // °C; "(27)": estimated or not at normal pressure
    Density,                // g/ml
    Valence,                // the most stable
    Electronegativity,      // Pauling
    ElectronStructure,      // "Ne-3s1"
    CovalentRadius,         // Å
    AtomicRadius,           // Å, metallic radius for coordination number 12
    AtomicVolume,           // atomic weight / density
    IonizationEnergy,       // kcal/mol
    HeatOfVaporization,     // kcal/mol
    IonicRadius,            // "0.95(+1)": Å, then the charge of the ion
    HeatOfFusion,           // kcal/mol
    ElectricalConductance,  // 1/(µΩ·cm)
    ThermalConductivity,    // cal/(cm²·cm·°C·s)
    SpecificHeat,           // cal/(g·°C)
    AcidBase,               // of the highest oxide
    CrystalSystem,
};
inline constexpr int kPropertyCount = 18;

// One slot of a property column: empty (never filled), a whole number, a number, or a text;
// the text "--" means there is no value.
struct Value {
    enum class Kind : std::uint8_t { Empty, Integer, Real, Text };
    Kind kind = Kind::Empty;
    int integer = 0;
    double real = 0;
    std::string_view text;

    constexpr Value() = default;
    constexpr Value(int v) : kind(Kind::Integer), integer(v) {}
    constexpr Value(double v) : kind(Kind::Real), real(v) {}
    constexpr Value(const char* t) : kind(Kind::Text), text(t) {}

    bool isEmpty() const { return kind == Kind::Empty; }
    bool isNumber() const { return kind == Kind::Integer || kind == Kind::Real; }
    bool isNoValue() const { return kind == Kind::Text && text == "--"; }
    // The number of a whole number or number slot.
    std::optional<double> number() const;
    bool operator==(const Value& other) const;
};

// Colours of the symbol (0x00BBGGRR) by the element's state at room temperature.
inline constexpr std::uint32_t kGasColour = 200;            // red
inline constexpr std::uint32_t kSolidColour = 0;            // black
inline constexpr std::uint32_t kLiquidColour = 0xFF8080;    // blue
inline constexpr std::uint32_t kArtificialColour = 0x008000;  // green: made artificially

struct ElementRecord {
    int z;
    std::uint32_t symbolColour;
    std::array<Value, kPropertyCount> values;

    const Value& operator[](Property p) const { return values[static_cast<std::size_t>(p)]; }
};

// Row z - 1 holds element z.
const std::array<ElementRecord, kElementCount>& elementRecords();
const ElementRecord& record(int z);

}  // namespace numeralia::chem
