#include "core/calc/statistics_file.h"

#include <algorithm>
#include <sstream>

#include "core/calc/statistics_state.h"
#include "core/shell/file_path.h"
#include "core/shell/whole_file.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

constexpr std::string_view kHeader = "NUMERALIA ESTADISTICA";
constexpr std::string_view kVersion = "1";
constexpr std::string_view kEnd = "FIN";
constexpr std::string_view kMissing = "-";
constexpr std::string_view kSeparators = " \t;";

std::string_view trimmed(std::string_view s) {
    const auto begin = s.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    const auto end = s.find_last_not_of(" \t");
    return s.substr(begin, end - begin + 1);
}

std::vector<std::string_view> fields(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while ((at = s.find_first_not_of(kSeparators, at)) != std::string_view::npos) {
        const std::size_t end = s.find_first_of(kSeparators, at);
        out.push_back(s.substr(at, end - at));
        at = end;
    }
    return out;
}

bool isTextLine(std::string_view line) {
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7F) return false;
    }
    return true;
}

// The header and "FIN" may be written in either case.
std::string asciiUpper(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string quoted(std::string_view s) { return "«" + std::string(s) + "»"; }

// One list's entry of a data line: appended, or the end of that list marked.
struct ListReader {
    char name;  // 'X' or 'Y'
    std::vector<double>& values;
    bool ended = false;

    std::string take(std::optional<double> value) {
        if (!value) {
            ended = true;
            return {};
        }
        if (ended) {
            return std::string("hay un hueco en los datos ") + name +
                   ": una línea anterior no tiene dato " + name;
        }
        if (values.size() >= static_cast<std::size_t>(kStatCapacity)) {
            return std::string("hay más de ") + std::to_string(kStatCapacity) + " datos " + name +
                   " (el máximo es " + std::to_string(kStatCapacity) + ")";
        }
        values.push_back(*value);
        return {};
    }
};

StatisticsReading refusal(int line, std::string problem) { return {std::nullopt, line, std::move(problem)}; }

}  // namespace

std::string countedEntries(std::size_t x, std::size_t y) {
    return std::to_string(x) + (x == 1 ? " dato X y " : " datos X y ") + std::to_string(y) +
           (y == 1 ? " dato Y" : " datos Y");
}

std::string statisticsFileText(const StatisticsLists& lists) {
    std::ostringstream out;
    out << kHeader << ' ' << kVersion << '\n';
    out << "# Datos estadísticos de Numeralia: " << countedEntries(lists.x.size(), lists.y.size())
        << ".\n";
    out << "# Cada línea: dato X y dato Y separados por un tabulador; \"-\" donde una lista "
           "no tiene dato.\n";
    const std::size_t lines = std::max(lists.x.size(), lists.y.size());
    for (std::size_t k = 0; k < lines; ++k) {
        out << (k < lists.x.size() ? text::exactFileNumberText(lists.x[k]) : std::string(kMissing))
            << '\t'
            << (k < lists.y.size() ? text::exactFileNumberText(lists.y[k]) : std::string(kMissing))
            << '\n';
    }
    out << kEnd << '\n';
    return out.str();
}

StatisticsReading readStatisticsText(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark
    // A binary file is refused before anything in it is read as data.
    for (std::size_t at = 0, number = 1; at < text.size(); ++number) {
        const std::size_t newline = text.find('\n', at);
        std::string_view line = text.substr(at, newline - at);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!isTextLine(line)) {
            return refusal(static_cast<int>(number),
                           "tiene caracteres que no son de texto: no es un archivo de datos "
                           "estadísticos");
        }
        at = newline == std::string_view::npos ? text.size() : newline + 1;
    }
    StatisticsLists lists;
    ListReader x{'X', lists.x};
    ListReader y{'Y', lists.y};
    bool header = false;
    bool ended = false;
    int number = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t newline = text.find('\n', at);
        std::string_view line = text.substr(at, newline - at);
        at = newline == std::string_view::npos ? text.size() : newline + 1;
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::string_view t = trimmed(line);
        if (t.empty() || t.front() == '#') continue;
        const std::string upper = asciiUpper(t);
        if (!header) {
            const std::vector<std::string_view> words = fields(upper);
            const bool named = words.size() >= 2 && words[0] == "NUMERALIA" &&
                               words[1] == "ESTADISTICA";
            if (!named || words.size() > 3) {
                return refusal(number, "no es un archivo de datos estadísticos de Numeralia: "
                                       "falta la cabecera " + quoted(kHeader));
            }
            if (words.size() == 3 && words[2] != kVersion) {
                return refusal(number, "la versión " + quoted(words[2]) +
                                           " del formato no se conoce");
            }
            header = true;
            continue;
        }
        if (ended) return refusal(number, "hay datos después de la línea " + quoted(kEnd));
        if (upper == kEnd) {
            ended = true;
            continue;
        }
        const std::vector<std::string_view> values = fields(t);
        if (values.size() > 2) {
            return refusal(number, quoted(t) + " tiene más de dos valores (X e Y)");
        }
        std::optional<double> pair[2];
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (values[i] == kMissing) continue;
            pair[i] = text::parseDataNumber(values[i]);
            if (!pair[i]) return refusal(number, quoted(values[i]) + " no es un número");
        }
        if (!pair[0] && !pair[1]) return refusal(number, "no tiene ni dato X ni dato Y");
        if (std::string problem = x.take(pair[0]); !problem.empty()) return refusal(number, problem);
        if (std::string problem = y.take(pair[1]); !problem.empty()) return refusal(number, problem);
    }
    if (!header) return refusal(0, "está vacío: no es un archivo de datos estadísticos");
    if (!ended) {
        return refusal(number, "el archivo está incompleto: falta la línea final " + quoted(kEnd));
    }
    return {std::move(lists), 0, {}};
}

StatisticsReading readStatisticsFile(const std::string& path) {
    const WholeFile file = readWholeFile(pathFromUtf8(path), kLargestStatisticsFile);
    switch (file.problem) {
        case ReadProblem::none: return readStatisticsText(file.bytes);
        case ReadProblem::notAFile: return refusal(0, "no se puede leer: no existe o no es un archivo");
        case ReadProblem::tooLarge:
            return refusal(0, "es demasiado grande para ser un archivo de datos estadísticos");
        case ReadProblem::cannotOpen: return refusal(0, "no se puede abrir para leerlo");
        case ReadProblem::cannotRead: break;
    }
    return refusal(0, "no se ha podido leer entero");
}

std::string writeStatisticsFile(const std::string& path, const StatisticsLists& lists) {
    switch (replaceFile(pathFromUtf8(path), statisticsFileText(lists)).failed) {
        case ReplaceStep::none: return {};
        case ReplaceStep::create: return "no se puede crear en esa carpeta";
        case ReplaceStep::write: return "no se ha podido escribir entero (¿disco lleno?)";
        case ReplaceStep::rename: break;
    }
    return "no se puede sustituir (¿está protegido contra escritura?)";
}

}  // namespace numeralia::calc
