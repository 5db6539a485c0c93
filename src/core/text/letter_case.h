#pragma once
// Lower-casing of names the user types (currency names). Texts are UTF-8; the letters of
// Latin-1, Latin Extended-A, Greek and Cyrillic are lowered, everything else is kept.

#include <string>
#include <string_view>

namespace numeralia::text {

std::string lowerCase(std::string_view utf8);

}  // namespace numeralia::text
