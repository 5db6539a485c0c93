#pragma once
// The readers of outside input, each with what must hold for any input it is given. A
// check returns an empty text when everything held, otherwise what went wrong. libFuzzer
// drives each check (libfuzzer_main.cpp), and the core tests replay the seed corpora and
// every input a finding left under tests/fuzz/ through the same checks.
//
// A new reader is one check function here, one row in fuzz_targets.cpp, a folder of seeds
// in fuzz/corpus/NAME/ and a dictionary fuzz/dict/NAME.dict.

#include <string>
#include <string_view>
#include <vector>

namespace numeralia::fuzz {

using Check = std::string (*)(std::string_view input);

struct FuzzTarget {
    std::string_view name;  // names the executable NAME_fuzzer and its folders
    Check check;
};

const std::vector<FuzzTarget>& fuzzTargets();
const FuzzTarget* findFuzzTarget(std::string_view name);

// The line of the settings file: a line that reads is written again, and what is written
// reads back whole to the same state; fields not taken keep their value.
std::string checkSettingsLine(std::string_view input);

// Numbers read from display texts and from the settings file: a number that reads is
// finite, and its texts read back to it to 15 significant digits.
std::string checkDisplayText(std::string_view input);

// The text of a Lottery bets file: a file that reads holds 1 to 500 bets as the list writes
// them, and saved and read again gives the same bets.
std::string checkBetsFile(std::string_view input);

// A chemical formula typed into the Periodic table's calculator: one that reads has a
// positive, finite mass, every element counted as often as it stands, and a composition by
// mass that adds up to 100 %; one that does not is refused with its fault placed in it.
std::string checkFormula(std::string_view input);

// The text of a statistics data file: a file that reads holds at most 200 finite X and Y
// data, and saved and opened again gives exactly the same data.
std::string checkStatisticsFile(std::string_view input);

// A number pasted into a calculator: one that reads is typed as the keys type a number,
// that text reads as the same value and pastes again unchanged; hexadecimal digits alike.
std::string checkPastedNumber(std::string_view input);

// A numeralia-keys script ("// window: NAME" chooses the window, "// sounds: on" turns the
// sounds on) driving a window model line by line: no display ever shows an infinity or a
// NaN, a calculator's key history never passes 500 entries, and the shared state left
// behind is written to the settings file and reads back the same.
std::string checkKeysScript(std::string_view input);

}  // namespace numeralia::fuzz
