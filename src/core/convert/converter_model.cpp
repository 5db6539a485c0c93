#include "core/convert/converter_model.h"

#include <cmath>

#include "core/text/number_text.h"

namespace numeralia::convert {

std::string exponentPattern(double factor) {
    const double x = std::fabs(factor);
    const std::string t = text::generalText(x);
    int n = static_cast<int>(t.size());
    // With an exponent, only the mantissa counts.
    if (const auto e = t.find('E'); e != std::string::npos) n = static_cast<int>(e);
    // Below 1, neither "0," nor the zeros that follow it count.
    if (t.size() >= 2 && t[0] == '0' && t[1] == ',') {
        n -= 2;
        const int last = n;
        std::string zeros = "0,";
        for (int i = 3; i <= last; ++i) {
            zeros += '0';
            if (t.compare(0, zeros.size(), zeros) != 0) break;
            --n;
        }
    }
    // Nor do the trailing zeros of a whole number.
    for (int i = 1; i <= static_cast<int>(t.size()); ++i) {
        const double q = x / std::pow(10.0, i);
        if (std::floor(q) == q) --n;
    }
    if (n <= 3) return "0.00e+00";
    if (n >= 10) return "0.0000000000e+00";
    return "0." + std::string(static_cast<std::size_t>(n - 1), '0') + "e+00";
}

ConverterModel::ConverterModel(SharedState& state) : state_(state) {
    loadMagnitude(lengthMagnitude());
}

void ConverterModel::loadMagnitude(const Magnitude& magnitude) {
    magnitude_ = &magnitude;
    magnitudeName_ = std::string(magnitude.name);
    dimension_ = std::string(magnitude.dimension);
    clearSelection();
    conversionFactor_ = 0;
    for (Slot& slot : slots_) slot = Slot{};
    for (std::size_t i = 0; i < magnitude.units.size() && i < kUnitButtonCount; ++i) {
        slots_[i] = Slot{std::string(magnitude.units[i].name), magnitude.units[i].factor};
    }
}

void ConverterModel::clearSelection() {
    selected_.fill(false);
    selectedCount_ = 0;
    firstUnitName_.clear();
    secondUnitName_.clear();
    factorText_.clear();
}

void ConverterModel::deselect(int button) {
    selected_[button] = false;
    factorText_.clear();
    conversionFactor_ = 0;
}

void ConverterModel::clickUnit(int button) {
    if (button < 0 || button >= kUnitButtonCount || !isActive(button)) return;
    if (selected_[button]) {
        deselect(button);
        if (selectedCount_ == 1) {
            firstUnitName_.clear();
            selectedCount_ = 0;
        } else if (button == selectedUnits_[0]) {
            // The second unit becomes the first.
            firstUnitName_ = secondUnitName_;
            secondUnitName_.clear();
            selectedUnits_[0] = selectedUnits_[1];
            selectedCount_ = 1;
        } else {
            secondUnitName_.clear();
            selectedCount_ = 1;
        }
        return;
    }
    // A third unit starts a new pair.
    if (selectedCount_ == 2) {
        clearSelection();
        conversionFactor_ = 0;
    }
    selected_[button] = true;
    selectedUnits_[selectedCount_] = button;
    (selectedCount_ == 0 ? firstUnitName_ : secondUnitName_) = slots_[button].name;
    ++selectedCount_;
    if (selectedCount_ == 2) {
        conversionFactor_ = slots_[selectedUnits_[0]].factor / slots_[selectedUnits_[1]].factor;
        factorText_ = text::generalText(conversionFactor_);
    }
}

void ConverterModel::showExponential() {
    if (!std::isfinite(conversionFactor_)) {
        factorText_ = "Error";
        return;
    }
    factorText_ = text::formatPattern(conversionFactor_, exponentPattern(conversionFactor_));
}

void ConverterModel::copyToTransit(int memory) {
    if (factorText_.empty()) return;
    const std::string label =
        "Factor de conversión de " + firstUnitName_ + " a " + secondUnitName_;
    switch (memory) {
        case 1: state_.transitValue1 = conversionFactor_; state_.transitLabel1 = label; break;
        case 2: state_.transitValue2 = conversionFactor_; state_.transitLabel2 = label; break;
        case 3: state_.transitValue3 = conversionFactor_; state_.transitLabel3 = label; break;
        default: break;
    }
}

}  // namespace numeralia::convert
