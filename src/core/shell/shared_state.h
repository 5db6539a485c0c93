#pragma once
// The program-wide state every window reads and assigns. One object, owned by the
// application and handed to every window model; never a global.

#include <cstdint>
#include <string>
#include <vector>

namespace numeralia {

// A field that holds what the settings file held: nothing, a number or a text.
struct Variant {
    enum class Kind { Unset, Number, Text };
    Kind kind = Kind::Unset;
    double number = 0.0;
    std::string text;

    static Variant fromNumber(double v) { return {Kind::Number, v, {}}; }
    static Variant fromText(std::string t) { return {Kind::Text, 0.0, std::move(t)}; }
    bool isUnset() const { return kind == Kind::Unset; }
    bool isNumber() const { return kind == Kind::Number; }
    bool isText() const { return kind == Kind::Text; }
    bool operator==(const Variant&) const = default;
};

struct SharedState {
    // Persisted, in the order of the settings file.
    Variant vatRate;
    double memory1 = 0, memory2 = 0, memory3 = 0, memory4 = 0;
    double transitValue1 = 0, transitValue2 = 0, transitValue3 = 0;
    std::string transitLabel1, transitLabel2, transitLabel3;
    std::string currencyName1, currencyName2;
    Variant exchangeFactor;
    std::string calculatorModel;  // "normalita" or "avanzada"
    std::int16_t soundOn = 0;

    // Not persisted.
    std::string programFolder;   // ends in the native separator
    std::string settingsFolder;  // holds "pref": the program folder, or the user's own
                                 // configuration folder when the program folder is read-only
    std::int16_t soundCue = 0;
    std::int16_t statCountX = 0, statCountY = 0;
    std::vector<double> statDataX, statDataY;
    // Changes whenever the statistics lists may have changed (an entry, a deletion, a
    // clearing, a data file read), so that what shows them redraws only then.
    unsigned statRevision = 0;
};

}  // namespace numeralia
