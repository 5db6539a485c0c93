#include "core/shell/accessible_text.h"

#include <vector>

#include "core/text/utf8.h"

namespace numeralia {

namespace {

// One UTF-8 character: its code point and its bytes.
struct Character {
    char32_t code;
    std::string_view bytes;
};

std::vector<Character> characters(std::string_view text) {
    std::vector<Character> out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        const char32_t code = text::nextCodePoint(text, at);
        out.push_back({code, text.substr(start, at - start)});
    }
    return out;
}

// Letters of the languages the program writes: ASCII, Latin-1 and Latin Extended-A/B
// (but not × and ÷).
bool isLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Blanks collapsed to one, none at either end.
std::string tidy(std::string_view text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (isBlank(c)) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::string withoutFinalStop(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ':' || text.back() == ' '))
        text.pop_back();
    return text;
}

// The captions of the operator keys, in words.
struct Spoken {
    std::string_view text;
    std::string_view words;
};
constexpr Spoken kCaptionWords[] = {
    {"+", "Sumar"},         {"--", "Restar"},         {"-", "Restar"},
    {"x", "Multiplicar"},   {"*", "Multiplicar"},     {"/", "Dividir"},
    {"=", "Igual"},         {".", "Coma decimal"},    {",", "Coma decimal"},
    {"%", "Porcentaje"},    {"±", "Cambio de signo"}, {"¬", "Corregir"},
    {"π", "Pi"},            {"C", "Borrar"},
};

// Symbols inside a caption, in words.
constexpr Spoken kSymbolWords[] = {
    {"+", "más"},        {"-", "menos"},       {"*", "por"},          {"/", "entre"},
    {"=", "igual"},      {".", "punto"},       {",", "coma"},         {"%", "por ciento"},
    {"#", "almohadilla"}, {"^", "elevado a"},  {"<", "menor que"},    {">", "mayor que"},
    {"±", "más menos"},  {"π", "pi"},          {"²", "al cuadrado"},  {"³", "al cubo"},
    {"½", "un medio"},   {"¹", "a la uno"},    {"¬", "corrección"},   {"√", "raíz"},
    {"∞", "infinito"},   {"·", "por"},         {"&", "y"},            {"!", "factorial"},
    {"µ", "micro"},      {"Ø", "fi"},          {"«", ""},             {"»", ""},
    {"(", ""},           {")", ""},            {"[", ""},             {"]", ""},
};

std::string spelledCaption(std::string_view caption) {
    const std::string plain = tidy(caption);
    for (const Spoken& s : kCaptionWords) {
        if (plain == s.text) return std::string(s.words);
    }
    if (speaksInWords(plain)) return plain;
    std::string out;
    const auto add = [&out](std::string_view piece) {
        if (piece.empty()) return;
        const bool joins = !out.empty() && out.back() != ' ';
        if (joins) out += ' ';
        out += piece;
    };
    std::string word;  // letters and digits stay together
    for (const Character& c : characters(plain)) {
        if (isLetter(c.code) || isDigit(c.code)) {
            word += c.bytes;
            continue;
        }
        add(word);
        word.clear();
        for (const Spoken& s : kSymbolWords) {
            if (c.bytes == s.text) add(s.words);
        }
    }
    add(word);
    return out;
}

// The first sentence ends at a full stop followed by a blank and a capital (or any letter
// beyond ASCII, as in "Á" or "¿").
std::size_t firstSentenceEnd(std::string_view text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] != '.' || text[i + 1] != ' ') continue;
        const auto next = static_cast<unsigned char>(text[i + 2]);
        if ((next >= 'A' && next <= 'Z') || next >= 0x80) return i;
    }
    return std::string_view::npos;
}

}  // namespace

bool speaksInWords(std::string_view name) {
    int run = 0;
    bool digits = false;
    bool onlyNumber = !name.empty();
    for (const Character& c : characters(name)) {
        run = isLetter(c.code) ? run + 1 : 0;
        if (run >= 2) return true;
        digits = digits || isDigit(c.code);
        if (!isDigit(c.code) && c.code != ',' && c.code != '.' && c.code != '-' && c.code != ' ')
            onlyNumber = false;
    }
    return onlyNumber && digits;
}

AccessibleTexts accessibleTexts(std::string_view toolTip, std::string_view caption) {
    // The shortcuts in braces, and the text before the first of them.
    std::vector<std::string> shortcuts;
    for (std::size_t open = toolTip.find('{'); open != std::string_view::npos;
         open = toolTip.find('{', open + 1)) {
        const std::size_t close = toolTip.find('}', open);
        if (close == std::string_view::npos) break;
        const std::string shortcut = tidy(toolTip.substr(open + 1, close - open - 1));
        if (!shortcut.empty()) shortcuts.push_back(shortcut);
    }
    const std::string head = tidy(toolTip.substr(0, toolTip.find('{')));

    AccessibleTexts texts;
    std::string rest;
    const std::size_t end = firstSentenceEnd(head);
    texts.name = withoutFinalStop(head.substr(0, end));
    if (end != std::string::npos) rest = withoutFinalStop(head.substr(end + 2));
    if (!speaksInWords(texts.name)) texts.name = spelledCaption(caption);

    if (!rest.empty()) texts.description = rest;
    if (!shortcuts.empty()) {
        if (!texts.description.empty()) texts.description += ". ";
        texts.description += "Atajo de teclado: ";
        for (std::size_t i = 0; i < shortcuts.size(); ++i) {
            if (i > 0) texts.description += " o ";
            texts.description += shortcuts[i];
        }
    }
    return texts;
}

}  // namespace numeralia
