#pragma once
// The texts of the calculator's Help window, all of them in calc_help_texts.cpp and (for the
// statistics, solver and reserved keys) calc_help_tool_texts.cpp, so that a reviewer or
// translator reads them in two files of nothing else: one text per key, display and menu entry
// of the Scientific window, and the fixed parts of the texts composed with a number (the
// memory keys and displays, the hexadecimal letters, the constant keys).
//
// Worked examples are written as key presses in brackets followed by their result:
//   [25],[%],[x],[200],[=]  da como resultado 50
//   [0],[log]  da el mensaje «Error: Número negativo ó nulo»
// A bracket holds a number typed with the digit keys (a comma types the decimal point, "#"
// the separator of degrees, minutes and seconds) or the caption of a key; the example runs
// on a freshly opened Scientific calculator. A test runs every example of every text.

#include <span>
#include <string_view>

#include "core/calc/key_id.h"

namespace numeralia::calc {

struct KeyHelpText {
    KeyId key;
    std::string_view text;
};

struct DisplayHelpText {
    std::string_view name;     // the display's control name ("numero", "m2", "Image3")
    std::string_view caption;  // what the user calls it, for the search ("Pantalla principal")
    std::string_view text;     // empty for a memory display: its text is composed
};

struct MenuHelpText {
    std::string_view entry;  // as in the menu, with its "&" ("A&yuda")
    std::string_view text;
};

// The fixed texts, in window order. Keys whose text is composed (memories, hexadecimal
// letters, constants) have no row here.
std::span<const KeyHelpText> keyHelpTexts();
// The rows of the statistics, solver and reserved keys, with which keyHelpTexts() ends.
std::span<const KeyHelpText> toolKeyHelpTexts();
std::span<const DisplayHelpText> displayHelpTexts();
std::span<const MenuHelpText> menuHelpTexts();

// The pieces of the composed texts (N is the memory number, written as a plain integer).
namespace helptext {
// "mr 1" .. "mr 4": memoryRecall + N.
extern const std::string_view memoryRecall;
// "M1+" .. "M4+": memoryAddStart + N + memoryAddMiddle + N + memoryAddEnd.
extern const std::string_view memoryAddStart;
extern const std::string_view memoryAddMiddle;
extern const std::string_view memoryAddEnd;
// "C1" .. "C4": memoryClear + N.
extern const std::string_view memoryClear;
// The memory displays: memoryDisplay + N.
extern const std::string_view memoryDisplay;
// "A" .. "F": hexStart + caption + hexMiddle + (index + 10) + hexEnd.
extern const std::string_view hexStart;
extern const std::string_view hexMiddle;
extern const std::string_view hexEnd;
// The sixteen constant keys: constantsStart, then the key's constant (its description,
// symbol, value and unit), then constantsEnd.
extern const std::string_view constantsStart;
extern const std::string_view constantsEnd;
}  // namespace helptext

}  // namespace numeralia::calc
