#pragma once
// The calculator's Help window explains every element of the Scientific window: each key,
// each display and each menu entry. This is what the window asks of the core: the text of
// an element, the list of elements, and the elements a search finds. The texts themselves
// are in calc_help_texts.cpp.

#include <string>
#include <string_view>
#include <vector>

#include "core/calc/key_id.h"

namespace numeralia::calc {

enum class HelpKind { Key, Display, MenuEntry };

struct HelpElement {
    HelpKind kind = HelpKind::Key;
    // A key: its stable id ("memoryRecall3"); a display: its control name ("numero"); a menu
    // entry: its text as in the menu ("A&yuda").
    std::string name;
    // As the user reads it: "mr 3", "π", "Pantalla principal", "Ayuda".
    std::string caption;

    bool operator==(const HelpElement&) const = default;
};

// The text of a key of the Scientific window; the memory keys, the hexadecimal letters and
// the constants get a text composed with their number. Empty for a key it does not have.
std::string keyHelpText(KeyId id);
// The text of a display by its control name; empty for an unknown name.
std::string displayHelpText(std::string_view name);
// The text of a menu entry, written with or without its "&"; empty for an unknown entry.
std::string menuHelpText(std::string_view entry);
std::string helpText(const HelpElement& element);

// Every element with a text: the keys in catalog order, then the displays, then the menu
// entries.
const std::vector<HelpElement>& helpElements();

// The element of that kind and name (a menu entry with or without its "&"), or nullptr.
const HelpElement* findHelpElement(HelpKind kind, std::string_view name);

// The elements whose caption or text contains every word of the query, ignoring case and
// accents ("funcion" finds "Función"): first those whose caption holds all the words, then
// the others, each group in the order of helpElements(). Empty for a blank query.
std::vector<HelpElement> searchHelp(std::string_view query);

}  // namespace numeralia::calc
