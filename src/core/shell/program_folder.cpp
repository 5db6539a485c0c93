#include "core/shell/program_folder.h"

namespace numeralia {

char nativeSeparator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

std::string programFolderFrom(std::string_view reported, char separator) {
    std::string folder(reported);
    if (folder.empty()) return folder;
    const char last = folder.back();
    if (last != separator && last != '/') folder += separator;
    return folder;
}

std::string settingsFolderFor(std::string_view programFolder, bool programFolderWritable,
                              std::string_view userFolder, char separator) {
    if (programFolderWritable || userFolder.empty()) return std::string(programFolder);
    return programFolderFrom(userFolder, separator);
}

}  // namespace numeralia
