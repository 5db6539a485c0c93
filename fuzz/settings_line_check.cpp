#include <string>

#include "core/shell/settings_line.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/printable.h"
#include "fuzz/settings_compare.h"

namespace numeralia::fuzz {

namespace {

// A state whose persisted fields all differ from those of a fresh one.
SharedState presetState() {
    SharedState s;
    s.vatRate = Variant::fromText("siete");
    s.memory1 = s.memory2 = s.memory3 = s.memory4 = 7;
    s.transitValue1 = s.transitValue2 = s.transitValue3 = -7;
    s.transitLabel1 = s.transitLabel2 = s.transitLabel3 = "x";
    s.currencyName1 = s.currencyName2 = "y";
    s.exchangeFactor = Variant::fromNumber(7.5);
    s.calculatorModel = "z";
    s.soundOn = 7;
    return s;
}

}  // namespace

std::string checkSettingsLine(std::string_view input) {
    // Read over a fresh state and over a preset one: the same fields are taken with the same
    // values, and every field after them keeps what it held.
    SharedState fresh;
    SharedState preset = presetState();
    const int taken = decodeSettingsLine(input, fresh);
    if (taken < 0 || taken > kSettingsFieldCount) return "took " + std::to_string(taken) + " fields";
    if (decodeSettingsLine(input, preset) != taken) return "the fields taken depend on the state before";
    if (const std::string f = differingField(fresh, preset, 0, taken - 1); !f.empty())
        return "the " + f + " read depends on the state before";
    if (const std::string f = differingField(fresh, SharedState{}, taken); !f.empty())
        return f + " was not taken but changed";
    if (const std::string f = differingField(preset, presetState(), taken); !f.empty())
        return f + " was not taken but changed";

    // What was read is written as a line that reads back whole to the same state.
    const std::string line = encodeSettingsLine(fresh);
    if (!line.ends_with("\r\n")) return "the line written does not end in CR LF: " + printable(line);
    SharedState back = presetState();
    if (const int n = decodeSettingsLine(line, back); n != kSettingsFieldCount)
        return "only " + std::to_string(n) + " fields read back from " + printable(line);
    if (const std::string f = differingField(fresh, back); !f.empty())
        return f + " changed on the way through " + printable(line);
    if (encodeSettingsLine(back) != line) return "written again, " + printable(line) + " changed";
    return {};
}

}  // namespace numeralia::fuzz
