#include "core/calc/calc_help.h"

#include <algorithm>
#include <sstream>

#include "core/calc/calc_help_texts.h"
#include "core/calc/calculator_kind.h"
#include "core/calc/constants.h"
#include "core/calc/key_catalog.h"
#include "core/calc/scientific_keys.h"
#include "core/text/letter_case.h"
#include "core/text/number_text.h"
#include "core/text/pasted_number.h"

namespace numeralia::calc {

namespace {

// The position of a key in a group of consecutive ids, counted from 0, or -1.
int indexIn(KeyId id, KeyId first, int count) {
    const int i = static_cast<int>(id) - static_cast<int>(first);
    return i >= 0 && i < count ? i : -1;
}

std::string concat(std::initializer_list<std::string_view> parts) {
    std::string s;
    for (std::string_view p : parts) s += p;
    return s;
}

std::string composedKeyText(KeyId id) {
    namespace t = helptext;
    if (const int i = indexIn(id, KeyId::memoryRecall1, 4); i >= 0)
        return concat({t::memoryRecall, std::to_string(i + 1)});
    if (const int i = indexIn(id, KeyId::memoryAdd1, 4); i >= 0) {
        const std::string n = std::to_string(i + 1);
        return concat({t::memoryAddStart, n, t::memoryAddMiddle, n, t::memoryAddEnd});
    }
    if (const int i = indexIn(id, KeyId::memoryClear1, 4); i >= 0)
        return concat({t::memoryClear, std::to_string(i + 1)});
    if (const int i = indexIn(id, KeyId::hexDigitA, 6); i >= 0) {
        return concat(
            {t::hexStart, keyInfo(id).caption, t::hexMiddle, std::to_string(i + 10), t::hexEnd});
    }
    if (const int i = indexIn(id, KeyId::constFaraday, 16); i >= 0) {
        const PhysicalConstant& c = physicalConstants()[static_cast<std::size_t>(i)];
        return concat({t::constantsStart, c.description, ": ", c.symbol, " = ",
                       text::generalText(c.value), " ", c.unit, ".", t::constantsEnd});
    }
    return {};
}

std::string_view stripAmpersand(std::string_view entry, std::string& buffer) {
    buffer.clear();
    for (char c : entry) {
        if (c != '&') buffer += c;
    }
    return buffer;
}

struct Searchable {
    std::string caption;
    std::string text;
};

const std::vector<Searchable>& searchables() {
    static const std::vector<Searchable> all = [] {
        std::vector<Searchable> v;
        for (const HelpElement& e : helpElements())
            v.push_back({text::searchFolded(e.caption), text::searchFolded(helpText(e))});
        return v;
    }();
    return all;
}

bool containsAll(const std::string& haystack, const std::vector<std::string>& words) {
    return std::all_of(words.begin(), words.end(),
                       [&](const std::string& w) { return haystack.find(w) != std::string::npos; });
}

}  // namespace

std::string keyHelpText(KeyId id) {
    if (!kindHasKey(CalculatorKind::Scientific, id)) return {};
    if (std::string composed = composedKeyText(id); !composed.empty()) return composed;
    for (const KeyHelpText& row : keyHelpTexts()) {
        if (row.key == id) return std::string(row.text);
    }
    return {};
}

std::string displayHelpText(std::string_view name) {
    for (const DisplayHelpText& row : displayHelpTexts()) {
        if (row.name != name) continue;
        // The main display also explains copy and paste, with the rule the paste reader keeps.
        if (name == "numero") return concat({row.text, " ", text::pasteRuleHelp()});
        if (!row.text.empty()) return std::string(row.text);
        // A memory display, "m1" to "m4".
        return concat({helptext::memoryDisplay, name.substr(1)});
    }
    return {};
}

std::string menuHelpText(std::string_view entry) {
    std::string wanted, candidate;
    stripAmpersand(entry, wanted);
    for (const MenuHelpText& row : menuHelpTexts()) {
        if (stripAmpersand(row.entry, candidate) == wanted) return std::string(row.text);
    }
    return {};
}

std::string helpText(const HelpElement& element) {
    switch (element.kind) {
        case HelpKind::Key:
            if (const auto id = keyByName(element.name)) return keyHelpText(*id);
            return {};
        case HelpKind::Display:
            return displayHelpText(element.name);
        case HelpKind::MenuEntry:
            return menuHelpText(element.name);
    }
    return {};
}

const std::vector<HelpElement>& helpElements() {
    static const std::vector<HelpElement> all = [] {
        std::vector<HelpElement> v;
        for (const KeyInfo& key : allKeys()) {
            if (!kindHasKey(CalculatorKind::Scientific, key.id)) continue;
            v.push_back({HelpKind::Key, std::string(key.name), std::string(shownCaption(key.id))});
        }
        for (const DisplayHelpText& row : displayHelpTexts())
            v.push_back({HelpKind::Display, std::string(row.name), std::string(row.caption)});
        std::string caption;
        for (const MenuHelpText& row : menuHelpTexts()) {
            v.push_back({HelpKind::MenuEntry, std::string(row.entry),
                         std::string(stripAmpersand(row.entry, caption))});
        }
        return v;
    }();
    return all;
}

const HelpElement* findHelpElement(HelpKind kind, std::string_view name) {
    std::string wanted, candidate;
    if (kind == HelpKind::MenuEntry) name = stripAmpersand(name, wanted);
    for (const HelpElement& e : helpElements()) {
        if (e.kind != kind) continue;
        const std::string_view own =
            kind == HelpKind::MenuEntry ? stripAmpersand(e.name, candidate) : e.name;
        if (own == name) return &e;
    }
    return nullptr;
}

std::vector<HelpElement> searchHelp(std::string_view query) {
    std::vector<std::string> words;
    std::istringstream in(text::searchFolded(query));
    for (std::string w; in >> w;) words.push_back(w);
    if (words.empty()) return {};

    const std::vector<HelpElement>& elements = helpElements();
    const std::vector<Searchable>& folded = searchables();
    std::vector<HelpElement> byCaption, byText;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (containsAll(folded[i].caption, words)) {
            byCaption.push_back(elements[i]);
        } else if (containsAll(folded[i].caption + " " + folded[i].text, words)) {
            byText.push_back(elements[i]);
        }
    }
    byCaption.insert(byCaption.end(), byText.begin(), byText.end());
    return byCaption;
}


}  // namespace numeralia::calc
