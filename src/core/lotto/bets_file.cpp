#include "core/lotto/bets_file.h"

#include "core/lotto/bets.h"
#include "core/shell/whole_file.h"

namespace numeralia::lotto {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kShownLineLength = 60;

// Valid UTF-8 without control characters other than tab, CR and LF.
bool isText(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F) return false;
            ++i;
            continue;
        }
        int more = 0;
        if ((c & 0xE0) == 0xC0 && c >= 0xC2) {
            more = 1;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2;
        } else if ((c & 0xF8) == 0xF0 && c <= 0xF4) {
            more = 3;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(more) >= s.size()) return false;
        for (int k = 1; k <= more; ++k) {
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        }
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

std::string shownLine(std::string_view line) {
    std::string shown(line.substr(0, kShownLineLength));
    if (line.size() > kShownLineLength) shown += "...";
    return shown;
}

}  // namespace

std::string betsFileText(const std::vector<std::string>& bets) {
    std::string text(kBetsFileHeader);
    text += "\r\n";
    for (const std::string& bet : bets) {
        text += bet;
        text += "\r\n";
    }
    return text;
}

BetsRead readBetsText(std::string_view content) {
    BetsRead read;
    if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
    if (!isText(content)) {
        read.problem = "El fichero no es un fichero de apuestas: contiene datos que no son texto.";
        return read;
    }
    std::size_t lineNumber = 0;
    while (!content.empty()) {
        ++lineNumber;
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') continue;
        const auto numbers = parseBet(line);
        if (!numbers) {
            read.bets.clear();
            read.problem = "La línea " + std::to_string(lineNumber) +
                           " no es una apuesta válida:\n\n    " + shownLine(line) +
                           "\n\nCada apuesta tiene de 6 a 11 números enteros distintos del 1 al "
                           "49, separados por comas.";
            return read;
        }
        if (read.bets.size() == static_cast<std::size_t>(kStoreLimit)) {
            read.bets.clear();
            read.problem = "El fichero tiene más de " + std::to_string(kStoreLimit) +
                           " apuestas; la lista admite como máximo " + std::to_string(kStoreLimit) +
                           " Apuestas Seleccionadas.";
            return read;
        }
        read.bets.push_back(composeBetText(*numbers));
    }
    if (read.bets.empty()) read.problem = "El fichero no contiene ninguna apuesta.";
    return read;
}

BetsRead readBetsFile(const std::filesystem::path& path) {
    const WholeFile file = readWholeFile(path, kLargestBetsFile);
    if (file.ok()) return readBetsText(file.bytes);
    BetsRead read;
    read.problem = file.problem == ReadProblem::tooLarge
                       ? "El fichero no es un fichero de apuestas: es demasiado grande."
                       : "No se ha podido leer el fichero.";
    return read;
}

std::string writeBetsFile(const std::filesystem::path& path, const std::vector<std::string>& bets) {
    if (replaceFile(path, betsFileText(bets)).ok()) return {};
    return "No se ha podido escribir el fichero.";
}

}  // namespace numeralia::lotto
