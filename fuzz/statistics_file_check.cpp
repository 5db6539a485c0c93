#include <cmath>
#include <string>

#include "core/calc/statistics_file.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/printable.h"

namespace numeralia::fuzz {

std::string checkStatisticsFile(std::string_view input) {
    const calc::StatisticsReading read = calc::readStatisticsText(input);
    if (!read.lists) {
        if (read.problem.empty() || read.line < 0) return "a refusal without its reason or line";
        return {};
    }
    const calc::StatisticsLists& lists = *read.lists;
    if (!read.problem.empty()) return "data read with a problem: " + read.problem;
    if (lists.x.size() > 200 || lists.y.size() > 200)
        return std::to_string(lists.x.size()) + " X and " + std::to_string(lists.y.size()) + " Y data read";
    for (const auto* list : {&lists.x, &lists.y}) {
        for (double v : *list) {
            if (!std::isfinite(v)) return "a datum read as " + std::to_string(v);
        }
    }
    // Saved and opened again, exactly the same data; saved again, the same file.
    const std::string saved = calc::statisticsFileText(lists);
    const calc::StatisticsReading again = calc::readStatisticsText(saved);
    if (!again.lists) return "the saved file is refused at line " + std::to_string(again.line) + ": " + again.problem;
    if (!(*again.lists == lists)) return "the saved file reads other data: " + printable(saved);
    if (calc::statisticsFileText(*again.lists) != saved) return "saved again, the file changes";
    return {};
}

}  // namespace numeralia::fuzz
