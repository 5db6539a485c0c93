#pragma once
// The program folder, where the executable and its wave files live, and the folder of the
// settings file, which is the program folder wherever that folder can be written.

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

// The folder that holds the settings file "pref". The program folder keeps it wherever that
// folder can be written (a program folder copied anywhere, the build folder). An installed
// program's folder belongs to the system: the file then lives in the user's own
// configuration folder for the program, so each user keeps their memories and preferences.
// With no such folder known it stays in the program folder, and a failed save is reported
// as ever. `programFolder` is already built (see programFolderFrom); `userFolder` is as the
// platform reports it and gets its separator here.
std::string settingsFolderFor(std::string_view programFolder, bool programFolderWritable,
                              std::string_view userFolder, char separator = nativeSeparator());

}  // namespace numeralia
