#pragma once
// Texts in a finding's message: control bytes written as \xNN, long texts cut.

#include <cstdio>
#include <string>
#include <string_view>

namespace numeralia::fuzz {

inline std::string printable(std::string_view text) {
    constexpr std::size_t kMost = 300;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < kMost; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    out += text.size() > kMost ? "\"..." : "\"";
    return out;
}

}  // namespace numeralia::fuzz
