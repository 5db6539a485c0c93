#pragma once
// The sixteen constant keys of the Scientific calculator: CODATA 2022 values in SI units
// (the defined constants c, h, e, k and NA exactly, F, R and Vm as their exact products, g
// the standard gravity). A constant key makes its value the current number as "pi" does.

#include <span>
#include <string>
#include <string_view>

namespace numeralia::calc {

struct PhysicalConstant {
    const char* symbol;       // as shown on the key
    const char* label;        // written into the function label and the key history
    const char* description;  // first part of the tool tip
    double value;             // in SI units
    const char* unit;
};

// In the order of the keypad: F, G, NA, R, Vm, c, e, g, h, k, u, me, Eo, R∞, µb, K.
std::span<const PhysicalConstant> physicalConstants();

// The constant whose symbol is given, or nullptr.
const PhysicalConstant* findConstant(std::string_view symbol);

// The key's tool tip: description, value and unit ("Velocidad de la luz en el vacío =
// 299792458 m/s").
std::string constantToolTip(const PhysicalConstant& c);

// The same tool tip for the key catalog, kept for the whole run; empty for an unknown symbol.
std::string_view constantToolTip(std::string_view symbol);

}  // namespace numeralia::calc
