#pragma once
// File names travel through the program as UTF-8 text; the standard library opens them
// through a path built from that text on every platform.

#include <filesystem>
#include <string>
#include <string_view>

namespace numeralia {

inline std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace numeralia
