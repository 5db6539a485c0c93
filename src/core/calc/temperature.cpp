#include "core/calc/temperature.h"

namespace numeralia::calc {

namespace {

constexpr double kCelsiusZero = 273.15;       // 0 °C in kelvin
constexpr double kFahrenheitZero = 459.67;    // 0 K is −459,67 °F
constexpr double kFahrenheitFreezing = 32.0;  // 0 °C in °F

constexpr TemperatureConversion kConversions[] = {
    {TemperatureScale::Celsius, TemperatureScale::Kelvin},
    {TemperatureScale::Kelvin, TemperatureScale::Celsius},
    {TemperatureScale::Celsius, TemperatureScale::Fahrenheit},
    {TemperatureScale::Fahrenheit, TemperatureScale::Celsius},
    {TemperatureScale::Fahrenheit, TemperatureScale::Kelvin},
    {TemperatureScale::Kelvin, TemperatureScale::Fahrenheit},
};

// Absolute zero in each scale.
double absoluteZero(TemperatureScale s) {
    switch (s) {
        case TemperatureScale::Kelvin:
            return 0.0;
        case TemperatureScale::Celsius:
            return -kCelsiusZero;
        case TemperatureScale::Fahrenheit:
            return -kFahrenheitZero;
    }
    return 0.0;
}

}  // namespace

std::string_view scaleSymbol(TemperatureScale s) {
    switch (s) {
        case TemperatureScale::Kelvin:
            return "K";
        case TemperatureScale::Celsius:
            return "°C";
        case TemperatureScale::Fahrenheit:
            return "°F";
    }
    return "";
}

std::string_view scaleName(TemperatureScale s) {
    switch (s) {
        case TemperatureScale::Kelvin:
            return "Kelvin";
        case TemperatureScale::Celsius:
            return "Celsius";
        case TemperatureScale::Fahrenheit:
            return "Fahrenheit";
    }
    return "";
}

std::span<const TemperatureConversion> temperatureConversions() { return kConversions; }

MathResult convertTemperature(double t, TemperatureScale from, TemperatureScale to) {
    using enum TemperatureScale;
    if (t < absoluteZero(from)) return MathResult::reported(message::belowAbsoluteZero);
    if (from == to) return MathResult::of(t);
    if (from == Celsius && to == Kelvin) return MathResult::of(t + kCelsiusZero);
    if (from == Fahrenheit && to == Kelvin)
        return MathResult::of(5.0 / 9.0 * (t + kFahrenheitZero));
    if (from == Fahrenheit && to == Celsius)
        return MathResult::of(5.0 / 9.0 * (t - kFahrenheitFreezing));
    if (from == Kelvin && to == Celsius) return MathResult::of(t - kCelsiusZero);
    if (from == Celsius && to == Fahrenheit)
        return MathResult::of(9.0 / 5.0 * t + kFahrenheitFreezing);
    return MathResult::of(9.0 / 5.0 * t - kFahrenheitZero);  // Kelvin to Fahrenheit
}

}  // namespace numeralia::calc
