#include "core/calc/statistics_menu.h"

#include "core/calc/calculator_model.h"
#include "core/calc/statistics_file.h"
#include "core/calc/statistics_keys.h"

namespace numeralia::calc {

namespace {

constexpr const char* kFileDescription = "Datos estadísticos";
constexpr const char* kExtension = "DAT";

}  // namespace

bool openStatisticsFile(CalculatorModel& model, Dialogs& dialogs, FileDialogs& files) {
    const auto path = files.openFile("Abrir datos estadísticos", kFileDescription, kExtension);
    if (!path) return false;
    const StatisticsReading reading = readStatisticsFile(*path);
    if (!reading.lists) {
        const std::string where =
            reading.line > 0 ? "Línea " + std::to_string(reading.line) + ": " : "El archivo ";
        dialogs.warn(kStatisticsTitle, "No se han podido abrir los datos estadísticos de\n" +
                                           *path + "\n\n" + where + reading.problem +
                                           ".\n\nLos datos actuales no han cambiado.");
        return false;
    }
    const StatData x = statDataX(model.shared());
    const StatData y = statDataY(model.shared());
    if (!x.empty() || !y.empty()) {
        const bool replace = dialogs.askYesNo(
            kStatisticsTitle, "Los datos actuales (" + countedEntries(x.size(), y.size()) +
                                  ") se sustituirán por los del archivo (" +
                                  countedEntries(reading.lists->x.size(), reading.lists->y.size()) +
                                  ").\n¿Desea continuar?");
        if (!replace) return false;
    }
    replaceStatistics(model, reading.lists->x, reading.lists->y);
    return true;
}

void saveStatisticsFile(const SharedState& shared, Dialogs& dialogs, FileDialogs& files) {
    const StatData x = statDataX(shared);
    const StatData y = statDataY(shared);
    if (x.empty() && y.empty()) {
        dialogs.inform(kStatisticsTitle, "No hay datos estadísticos que guardar.");
        return;
    }
    const auto path = files.saveFile("Guardar datos estadísticos", kFileDescription, kExtension);
    if (!path) return;
    const StatisticsLists lists{{x.begin(), x.end()}, {y.begin(), y.end()}};
    if (const std::string problem = writeStatisticsFile(*path, lists); !problem.empty()) {
        dialogs.warn(kStatisticsTitle, "No se han podido guardar los datos estadísticos en\n" +
                                           *path + "\n\nEl archivo " + problem + ".");
    }
}

}  // namespace numeralia::calc
