#pragma once
// The unit tables of the converter: one per physical magnitude of its "Magnitud" menu.
// Each unit gives the size of one such unit in the magnitude's SI unit, and the expression
// under which GNU units knows it (empty when it does not), so that the tables can be checked
// against an independent source.

#include <cstddef>
#include <span>
#include <string_view>

namespace numeralia::convert {

// The window has 35 unit buttons; the table has one slot more, which stays unused.
inline constexpr int kUnitButtonCount = 35;
inline constexpr int kUnitSlotCount = 36;

struct Unit {
    std::string_view name;        // button caption; "¤ " in front marks the SI unit
    double factor;                // size of one unit in the magnitude's SI unit
    std::string_view unitsExpr;   // the same unit for GNU units, or empty
};

struct Magnitude {
    std::string_view menuGroup;   // submenu of "&Magnitud" holding the entry, or empty
    std::string_view menuEntry;   // the menu entry that loads the table
    std::string_view name;        // shown in the magnitude name box
    std::string_view dimension;   // dimension symbol ("M L^-3")
    std::string_view siUnitsExpr; // the SI unit for GNU units
    std::span<const Unit> units;  // in button order, at most 35
};

// Every magnitude, in the order of the "&Magnitud" menu.
std::span<const Magnitude* const> magnitudes();

// The magnitude whose menu entry is the given text (menu entries are unique), or nullptr.
const Magnitude* findMagnitude(std::string_view menuEntry);

// The length table, loaded when the converter opens.
const Magnitude& lengthMagnitude();

// Total number of units over all magnitudes.
std::size_t totalUnitCount();

}  // namespace numeralia::convert
