#pragma once
// UTF-8 texts read a character (code point) at a time and written back. A byte that does not
// begin a whole sequence stands for itself, as in Latin-1, so that no text is refused or cut
// short; every text the program itself writes is well formed.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace numeralia::text {

// The character that begins at `at`, which is moved past it. `at` must be inside the text.
char32_t nextCodePoint(std::string_view text, std::size_t& at);

std::vector<char32_t> codePoints(std::string_view text);

void appendUtf8(std::string& out, char32_t c);
std::string utf8Of(char32_t c);

}  // namespace numeralia::text
