#pragma once
// The line of the settings file, as text: the 16 persisted variables of the shared state,
// comma-separated, texts in double quotes, numbers with a decimal point, unset fields empty.
//
//   16,0,0,0,0,0,0,0,,,,"euro","pts",166.386,"avanzada",1
//
// Texts are UTF-8 here; the file encoding is applied by the settings file.

#include <string>
#include <string_view>

#include "core/shell/shared_state.h"

namespace numeralia {

inline constexpr int kSettingsFieldCount = 16;

// The whole line, ending in CR LF. A quote inside a text is written doubled.
std::string encodeSettingsLine(const SharedState& state);

// Reads the fields of the first line of `content` into the persisted variables, in file
// order, and returns how many were taken. Reading stops at the first field that is missing
// or does not convert to its variable's type; that field and every later one keep the value
// they had. A quoted field is a text, an unquoted one a number, an empty one unset (0 for a
// plain number, empty for a text). Never throws on any input.
int decodeSettingsLine(std::string_view content, SharedState& state);

}  // namespace numeralia
