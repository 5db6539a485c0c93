#pragma once
// Runs key scripts on a calculator model for the calculator tests: a script is a list of
// tokens separated by blanks; a token of digits and commas types each character, any other
// token names one key by caption or by stable id.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/calc/calculator_model.h"
#include "core/calc/key_catalog.h"
#include "core/shell/platform.h"
#include "core/shell/shared_state.h"

namespace numeralia::calc::testing {

struct RecordingSounds : SoundPlayer {
    std::vector<std::string> played;
    void playWave(const std::string& file, bool) override { played.push_back(file); }
};

inline KeyId keyForToken(const std::string& token) {
    if (token == ".") return KeyId::decimalPoint;
    if (const auto byName = keyByName(token)) return *byName;
    const auto byCaption = keysByCaption(token);
    if (byCaption.size() != 1) ADD_FAILURE() << "no single key for token " << token;
    return byCaption.empty() ? KeyId::allClear : byCaption.front();
}

inline void runScript(CalculatorModel& model, const std::string& script) {
    std::istringstream in(script);
    std::string token;
    while (in >> token) {
        const bool number = token.find_first_not_of("0123456789,") == std::string::npos;
        if (number && token != ",") {
            for (char c : token) {
                model.press(c == ','
                                ? KeyId::decimalPoint
                                : static_cast<KeyId>(static_cast<int>(KeyId::digit0) + (c - '0')));
            }
        } else {
            model.press(keyForToken(token));
        }
    }
}

// A Scientific calculator with its own shared state and sounds.
struct Calculator {
    SharedState shared;
    RecordingSounds sounds;
    CalculatorModel model{shared, sounds};

    const CalculatorState& run(const std::string& script) {
        runScript(model, script);
        return model.state();
    }
};

// A key script and the displays it must leave; func is not checked when null.
struct DisplayRow {
    const char* keys;
    const char* numero;
    const char* result;
    const char* func = nullptr;
};

inline void PrintTo(const DisplayRow& row, std::ostream* out) { *out << row.keys; }

// Runs the row's script on a fresh Scientific calculator and checks its displays.
inline void expectDisplays(const DisplayRow& row) {
    Calculator calc;
    const CalculatorState& s = calc.run(row.keys);
    EXPECT_EQ(s.numero, row.numero) << row.keys;
    EXPECT_EQ(s.result, row.result) << row.keys;
    if (row.func) {
        EXPECT_EQ(s.func, row.func) << row.keys;
    }
}

}  // namespace numeralia::calc::testing
