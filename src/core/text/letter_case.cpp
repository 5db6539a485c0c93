#include "core/text/letter_case.h"

#include "core/text/utf8.h"

namespace numeralia::text {

namespace {

char32_t lowerCodePoint(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : c + 0x20;  // À..Þ except ×
    if (c >= 0x100 && c <= 0x17F) {
        // Upper and lower case alternate in pairs; the parity of the upper letter changes
        // after ĸ and again after ŉ.
        if (c == 0x130) return U'i';
        if (c == 0x178) return 0xFF;
        bool upper = false;
        if (c < 0x138) upper = c % 2 == 0;
        else if (c >= 0x139 && c <= 0x148) upper = c % 2 == 1;
        else if (c >= 0x14A && c <= 0x177) upper = c % 2 == 0;
        else if (c >= 0x179 && c <= 0x17E) upper = c % 2 == 1;
        return upper ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek capitals
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic А..Я
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;                // Cyrillic Ѐ..Џ
    return c;
}

// A lower-case letter of Spanish (and a few neighbours) without its mark.
char32_t withoutMark(char32_t c) {
    switch (c) {
        case U'á': case U'à': case U'ä': case U'â': return U'a';
        case U'é': case U'è': case U'ë': case U'ê': return U'e';
        case U'í': case U'ì': case U'ï': case U'î': return U'i';
        case U'ó': case U'ò': case U'ö': case U'ô': return U'o';
        case U'ú': case U'ù': case U'ü': case U'û': return U'u';
        case U'ñ': return U'n';
        case U'ç': return U'c';
        default: return c;
    }
}

}  // namespace

std::string lowerCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t c = nextCodePoint(utf8, i);
        // Every letter lowered here is one or two bytes long; wider characters and stray
        // bytes are copied as they stand.
        if (i - start == 1 && c < 0x80) {
            out += static_cast<char>(lowerCodePoint(c));
        } else if (i - start == 2) {
            appendUtf8(out, lowerCodePoint(c));
        } else {
            out += utf8.substr(start, i - start);
        }
    }
    return out;
}

std::string searchFolded(std::string_view utf8) {
    const std::string lower = lowerCase(utf8);
    std::string out;
    out.reserve(lower.size());
    for (std::size_t i = 0; i < lower.size();) {
        const std::size_t start = i;
        const char32_t c = nextCodePoint(lower, i);
        if (i - start == 2) {
            appendUtf8(out, withoutMark(c));
        } else {
            out += std::string_view(lower).substr(start, i - start);
        }
    }
    return out;
}

}  // namespace numeralia::text
