#include "fuzz/settings_compare.h"

#include <algorithm>
#include <cmath>

#include "core/shell/settings_line.h"

namespace numeralia::fuzz {

namespace {

bool sameVariant(const Variant& a, const Variant& b) {
    if (a.kind != b.kind) return false;
    if (a.isNumber()) return sameTo15Digits(a.number, b.number);
    return a.text == b.text;
}

bool sameField(const SharedState& a, const SharedState& b, int field) {
    switch (field) {
        case 0: return sameVariant(a.vatRate, b.vatRate);
        case 1: return sameTo15Digits(a.memory1, b.memory1);
        case 2: return sameTo15Digits(a.memory2, b.memory2);
        case 3: return sameTo15Digits(a.memory3, b.memory3);
        case 4: return sameTo15Digits(a.memory4, b.memory4);
        case 5: return sameTo15Digits(a.transitValue1, b.transitValue1);
        case 6: return sameTo15Digits(a.transitValue2, b.transitValue2);
        case 7: return sameTo15Digits(a.transitValue3, b.transitValue3);
        case 8: return a.transitLabel1 == b.transitLabel1;
        case 9: return a.transitLabel2 == b.transitLabel2;
        case 10: return a.transitLabel3 == b.transitLabel3;
        case 11: return a.currencyName1 == b.currencyName1;
        case 12: return a.currencyName2 == b.currencyName2;
        case 13: return sameVariant(a.exchangeFactor, b.exchangeFactor);
        case 14: return a.calculatorModel == b.calculatorModel;
        default: return a.soundOn == b.soundOn;
    }
}

constexpr const char* kFieldNames[kSettingsFieldCount] = {
    "vatRate",       "memory1",       "memory2",       "memory3",       "memory4",
    "transitValue1", "transitValue2", "transitValue3", "transitLabel1", "transitLabel2",
    "transitLabel3", "currencyName1", "currencyName2", "exchangeFactor", "calculatorModel",
    "soundOn"};

}  // namespace

bool sameTo15Digits(double a, double b) {
    if (a == b) return true;
    if (!std::isfinite(a) || !std::isfinite(b)) return false;
    return std::fabs(a - b) <= 1e-14 * std::max(std::fabs(a), std::fabs(b));
}

std::string differingField(const SharedState& a, const SharedState& b, int first, int last) {
    for (int field = std::max(first, 0); field <= std::min(last, kSettingsFieldCount - 1); ++field) {
        if (!sameField(a, b, field)) return kFieldNames[field];
    }
    return {};
}

}  // namespace numeralia::fuzz
