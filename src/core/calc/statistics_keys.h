#pragma once
// The statistics keys of the Scientific model: data entry into the program-wide X and Y
// lists, the running sums, deletion and clearing, and the result keys computed from the
// lists (statistics_math.h). Each is an action on the calculator model, run by the key
// catalog.

#include <cstddef>
#include <string>
#include <vector>

#include "core/calc/statistics_math.h"
#include "core/calc/statistics_state.h"
#include "core/shell/shared_state.h"

namespace numeralia::calc {

class CalculatorModel;

enum class StatList { X, Y };

// The result keys from "S xy" down to "Area".
enum class StatResult {
    SumXY,
    SumX2,
    MeanX,
    DeviationX,
    SampleDeviationX,
    SumY2,
    MeanY,
    DeviationY,
    SampleDeviationY,
    Count,
    WeightedMeanX,
    WeightedDeviationX,
    Slope,
    Intercept,
    Determination,
    EstimateX,
    EstimateY,
    Area,
};

void statEntryKey(CalculatorModel& m, StatList list);  // "«  X", "Y  »"
void statSumKey(CalculatorModel& m, StatList list);    // "S x", "S y": the running sums
void statDeleteKey(CalculatorModel& m);                // " Borrar dato nº"
void statClearKey(CalculatorModel& m);                 // " Borrar Estadist"
void statResultKey(CalculatorModel& m, StatResult result);

// The stored entries of a list: entries 1 to statCountX (statCountY) of the shared state.
StatData statDataX(const SharedState& shared);
StatData statDataY(const SharedState& shared);
// The number of entries of the longer list: the larger of statCountX and statCountY (what
// the count display shows and "N" gives).
std::size_t statCount(const SharedState& shared);

// A line of a data display: the entry number, ")    " and the value ("3)    2,1").
std::string statLine(int entry, double value);

// The window's data displays, count display and running sums made to describe the lists.
void rebuildStatistics(StatisticsDisplays& shown, const SharedState& shared);

// Replaces both lists (a data file was opened) and rebuilds the window's statistics.
void replaceStatistics(CalculatorModel& m, std::vector<double> x, std::vector<double> y);

}  // namespace numeralia::calc
