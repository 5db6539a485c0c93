#pragma once
// What the statistics printout and chart show besides the data: every result of the
// statistics keys with its caption, a value or the reason there is none, and the texts of
// the chart (class labels, the regression line's equation).

#include <optional>
#include <string>
#include <vector>

#include "core/calc/statistics_math.h"
#include "core/calc/statistics_state.h"
#include "core/shell/shared_state.h"

namespace numeralia::calc {

struct ReportLine {
    std::string label;  // "Media de X (X m)"
    std::string value;  // "2,5", or "—  (se necesitan al menos 2 datos)"
};

// N, the sums, means, deviations of both lists, the weighted mean and deviation, a, b, r²,
// and the polygon's area when the pairs make a polygon.
std::vector<ReportLine> statisticsReport(const SharedState& shared,
                                         const StatisticsDisplays& shown);

// The label of a histogram class, "1–1,75", with the digits that tell its bounds apart.
std::string classLabel(const HistogramClass& c);

// The regression line for the chart, when the pairs have one.
struct ChartLine {
    double a = 0, b = 0;
    std::string equation;  // "y = 0,5000909·x + 3,000091   (r² = 0,6665425)"
};
std::optional<ChartLine> chartLine(StatData x, StatData y);

}  // namespace numeralia::calc
