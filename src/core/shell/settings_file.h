#pragma once
// The settings file "pref": read once when the Program menu opens, written once when it
// closes. It lives in the program folder, or in the user's configuration folder when the
// program folder cannot be written (see settingsFolderFor).

#include <string>
#include <string_view>

#include "core/shell/platform.h"
#include "core/shell/shared_state.h"

namespace numeralia {

// How the texts of the settings file are stored. The program works in UTF-8; on Windows the
// file holds the system's 8-bit code page and the front end supplies the conversion.
class FileTextEncoding {
public:
    virtual ~FileTextEncoding() = default;
    virtual std::string toFile(std::string_view utf8) const = 0;
    virtual std::string fromFile(std::string_view bytes) const = 0;
};

// The file holds UTF-8 as it is.
const FileTextEncoding& utf8Encoding();

// settingsFolder followed by "pref".
std::string settingsFilePath(const SharedState& state);

// What the platform reports at start-up about the folders the program uses.
struct FolderReport {
    std::string executableFolder;         // the folder of the running executable
    bool executableFolderWritable = true;  // whether a file can be created in it
    std::string userFolder;  // the user's configuration folder for the program; empty: none
};

// Start-up: builds programFolder from the folder the platform reports for the executable and
// settingsFolder by settingsFolderFor, reads the settings file (a missing, unreadable or short
// file leaves the fields it could not read as they were), sets the statistics counts to 0
// and, with the sounds on, starts "manager.wav" without waiting. Never throws.
void loadSettings(SharedState& state, const FolderReport& folders, SoundPlayer& sounds,
                  const FileTextEncoding& encoding = utf8Encoding());

// The same with the settings file kept in the program folder, whatever its rights.
void loadSettings(SharedState& state, std::string_view reportedFolder, SoundPlayer& sounds,
                  const FileTextEncoding& encoding = utf8Encoding());

struct SaveResult {
    bool ok = true;
    std::string message;  // for the user, when the file could not be written
};

// Shut-down: writes the settings line to a temporary file beside "pref" and renames it over
// "pref", so a failed write never leaves a truncated file behind. A settings folder other
// than the program folder (the user's configuration folder) is created when missing. Never
// throws; a failure is reported in the result.
SaveResult saveSettings(const SharedState& state,
                        const FileTextEncoding& encoding = utf8Encoding());

}  // namespace numeralia
