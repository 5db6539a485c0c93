#include "keys/converter_adapter.h"

#include <charconv>

namespace numeralia::keys {

namespace {

// The button number of "unit:N" or "unidadN", or -1.
int buttonNumber(std::string_view line) {
    std::string_view digits;
    if (line.starts_with("unit:")) digits = line.substr(5);
    else if (line.starts_with("unidad")) digits = line.substr(6);
    else return -1;
    int number = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size()) return -1;
    return number >= 0 && number < convert::kUnitButtonCount ? number : -1;
}

}  // namespace

std::string ConverterAdapter::perform(std::string_view line) {
    if (const int button = buttonNumber(line); button >= 0) {
        model_.clickUnit(button);
    } else if (line.starts_with("menu:")) {
        const convert::Magnitude* magnitude = convert::findMagnitude(line.substr(5));
        if (magnitude == nullptr) {
            return "the Magnitud menu has no entry \"" + std::string(line.substr(5)) + "\"";
        }
        model_.loadMagnitude(*magnitude);
    } else if (line == "EXP" || line == "exp") {
        model_.showExponential();
    } else if (line == "R1" || line == "r1" || line == "R2" || line == "r2" || line == "R3" ||
               line == "r3") {
        model_.copyToTransit(line[1] - '0');
    } else {
        for (int i = 0; i < convert::kUnitButtonCount; ++i) {
            if (model_.isActive(i) && model_.unitName(i) == line) {
                model_.clickUnit(i);
                return {};
            }
        }
        return "the converter has no key \"" + std::string(line) + "\"";
    }
    return {};
}

void ConverterAdapter::writeState(JsonObject& json) const {
    json.text("magnitud", model_.magnitudeName());
    json.text("dimension", model_.dimension());
    json.text("primeraUnidad", model_.firstUnitName());
    json.text("segundaUnidad", model_.secondUnitName());
    json.text("factor", model_.factorText());
    json.number("conversionFactor", model_.conversionFactor());
    json.integer("selectedCount", model_.selectedCount());
    std::string selected = "[";
    for (int i = 0; i < model_.selectedCount(); ++i) {
        if (i > 0) selected += ",";
        selected += std::to_string(model_.selectedUnit(i));
    }
    json.raw("selectedUnits", selected + "]");
    std::vector<std::string> units;
    for (int i = 0; i < convert::kUnitButtonCount; ++i) units.push_back(model_.unitName(i));
    json.textArray("units", units);
}

}  // namespace numeralia::keys
