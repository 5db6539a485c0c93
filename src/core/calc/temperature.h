#pragma once
// Temperature scales of the key "Tem": Kelvin, Celsius and Fahrenheit.

#include <span>
#include <string_view>

#include "core/calc/math_result.h"

namespace numeralia::calc {

enum class TemperatureScale { Kelvin, Celsius, Fahrenheit };

// "K", "°C", "°F".
std::string_view scaleSymbol(TemperatureScale s);
// "Kelvin", "Celsius", "Fahrenheit".
std::string_view scaleName(TemperatureScale s);

// The six conversions the key offers, in the order of its dialog.
struct TemperatureConversion {
    TemperatureScale from;
    TemperatureScale to;
};
std::span<const TemperatureConversion> temperatureConversions();

// t in the scale `from` expressed in the scale `to`: TK = TC + 273,15, TK = 5/9·(TF +
// 459,67), TC = 5/9·(TF − 32), TC = TK − 273,15, TF = 9/5·TC + 32, TF = 9/5·TK − 459,67.
// A temperature below absolute zero (0 K, −273,15 °C, −459,67 °F) is reported.
MathResult convertTemperature(double t, TemperatureScale from, TemperatureScale to);

}  // namespace numeralia::calc
