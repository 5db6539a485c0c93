#pragma once
// The key catalog: for every key id its stable name, its caption in the window, its tool
// tip (the keyboard shortcut in braces) and the model action it runs. One row per key in
// key_catalog.cpp.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/calc/key_id.h"

namespace numeralia::calc {

class CalculatorModel;

struct KeyInfo {
    KeyId id;
    std::string_view name;     // stable id text, e.g. "digit7", "memoryAdd1"
    std::string_view caption;  // as on the key, e.g. "7", "M1+"
    std::string_view toolTip;  // e.g. "Borrado.  {A}"; empty for none
    void (*action)(CalculatorModel&);
};

// Every key, in catalog order.
std::span<const KeyInfo> allKeys();

// The row of a key id (every id has exactly one).
const KeyInfo& keyInfo(KeyId id);

// The key with this stable name.
std::optional<KeyId> keyByName(std::string_view name);

// The keys with this caption (several keys may share one, such as "C").
std::vector<KeyId> keysByCaption(std::string_view caption);

}  // namespace numeralia::calc
