#include "core/shell/settings_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/shell/file_path.h"
#include "core/shell/program_folder.h"
#include "core/shell/settings_line.h"
#include "core/shell/sounds.h"
#include "core/shell/whole_file.h"

namespace numeralia {

namespace fs = std::filesystem;

namespace {

class Utf8Encoding final : public FileTextEncoding {
public:
    std::string toFile(std::string_view utf8) const override { return std::string(utf8); }
    std::string fromFile(std::string_view bytes) const override { return std::string(bytes); }
};

// A settings line is a few hundred bytes; a file far bigger than that is not ours.
constexpr std::streamsize kMaxRead = 1 << 20;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::string content(static_cast<std::size_t>(kMaxRead), '\0');
    in.read(content.data(), kMaxRead);
    content.resize(static_cast<std::size_t>(in.gcount()));
    return content;
}

std::string reasonText(std::error_code ec) {
    if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted)
        return "No hay permiso para escribir en esa carpeta.";
    if (ec == std::errc::read_only_file_system)
        return "La carpeta está en un disco de solo lectura.";
    if (ec == std::errc::no_space_on_device) return "No queda espacio libre en el disco.";
    if (ec == std::errc::not_a_directory || ec == std::errc::no_such_file_or_directory)
        return "La carpeta no existe.";
    if (ec == std::errc::is_a_directory)
        return "En la carpeta hay otra carpeta con el nombre del archivo.";
    if (ec) return "Error del sistema: " + ec.message() + ".";
    return "No se ha podido escribir el archivo.";
}

SaveResult failure(const std::string& path, std::error_code ec) {
    return {false, "No se han podido guardar las preferencias en el archivo\n" + path + "\n\n" +
                       reasonText(ec) +
                       "\nLos cambios de esta sesión no se conservarán."};
}

}  // namespace

const FileTextEncoding& utf8Encoding() {
    static const Utf8Encoding encoding;
    return encoding;
}

std::string settingsFilePath(const SharedState& state) { return state.settingsFolder + "pref"; }

void loadSettings(SharedState& state, const FolderReport& folders, SoundPlayer& sounds,
                  const FileTextEncoding& encoding) {
    try {
        state.programFolder = programFolderFrom(folders.executableFolder);
        state.settingsFolder = settingsFolderFor(state.programFolder,
                                                 folders.executableFolderWritable, folders.userFolder);
        const std::string content = readFile(pathFromUtf8(settingsFilePath(state)));
        decodeSettingsLine(encoding.fromFile(content), state);
    } catch (...) {
        // Nothing read from the file stops the program from starting.
    }
    state.statCountX = 0;
    state.statCountY = 0;
    ++state.statRevision;
    playWave(state, sounds, kStartSound, false);
}

void loadSettings(SharedState& state, std::string_view reportedFolder, SoundPlayer& sounds,
                  const FileTextEncoding& encoding) {
    loadSettings(state, FolderReport{std::string(reportedFolder), true, {}}, sounds, encoding);
}

SaveResult saveSettings(const SharedState& state, const FileTextEncoding& encoding) {
    const std::string target = settingsFilePath(state);
    try {
        const std::string bytes = encoding.toFile(encodeSettingsLine(state));
        if (state.settingsFolder != state.programFolder && !state.settingsFolder.empty()) {
            std::error_code ignored;  // a folder that cannot be made fails the write below
            fs::create_directories(pathFromUtf8(state.settingsFolder), ignored);
        }
        const FileReplaced replaced = replaceFile(pathFromUtf8(target), bytes);
        if (!replaced.ok()) return failure(target, replaced.error);
        return {};
    } catch (...) {
        return failure(target, {});
    }
}

}  // namespace numeralia
