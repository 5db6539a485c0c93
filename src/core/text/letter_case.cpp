#include "core/text/letter_case.h"

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

// Every letter lowered here lies below U+0800: one or two bytes.
void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string lowerCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lowerCodePoint(lead));
            ++i;
            continue;
        }
        // A two-byte sequence is decoded and lowered; anything else (wider sequences, stray
        // bytes) is copied as it stands.
        if ((lead & 0xE0) == 0xC0 && i + 1 < utf8.size() &&
            (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
            char32_t c = ((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
            appendUtf8(out, lowerCodePoint(c));
            i += 2;
            continue;
        }
        out += utf8[i];
        ++i;
    }
    return out;
}

}  // namespace numeralia::text
