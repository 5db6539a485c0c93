#pragma once
// Lower-casing of names the user types (currency names). Texts are UTF-8; the letters of
// Latin-1, Latin Extended-A, Greek and Cyrillic are lowered, everything else is kept.

#include <string>
#include <string_view>

namespace numeralia::text {

std::string lowerCase(std::string_view utf8);

// The text as searches compare it: lower case, and the accented Latin vowels, "ñ" and "ç"
// without their marks ("Función" and "FUNCION" both give "funcion"); everything else kept.
std::string searchFolded(std::string_view utf8);

}  // namespace numeralia::text
