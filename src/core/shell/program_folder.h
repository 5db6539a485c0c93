#pragma once
// The program folder: where the executable, its wave files and its settings file live.

#include <string>
#include <string_view>

namespace numeralia {

// The separator of the platform's paths: "\" on Windows, "/" elsewhere.
char nativeSeparator();

// Builds the program folder from the folder the platform reports for the executable: the
// separator is appended unless the text already ends in one ("C:\" stays "C:\", "C:\A"
// becomes "C:\A\", "/" stays "/", "/ab" becomes "/ab/"). A "/" at the end also counts,
// since every platform accepts it. An empty report gives an empty folder (the current one).
std::string programFolderFrom(std::string_view reported, char separator = nativeSeparator());

}  // namespace numeralia
