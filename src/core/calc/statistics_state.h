#pragma once
// What the Scientific window shows and keeps of the statistics: the two grey data displays,
// the count display and the running sums. The lists themselves are program-wide (the shared
// state); these belong to the window and are rebuilt from the lists when it opens.

#include <string>
#include <vector>

namespace numeralia::calc {

// Entries a statistics list holds at most.
inline constexpr int kStatCapacity = 200;

struct StatisticsDisplays {
    std::vector<std::string> dataX;  // X data display: one line per entry, "3)    2,1"
    std::vector<std::string> dataY;  // Y data display
    std::string num = "0";           // count display: the greater of the two counts
    // Running sums of the entries and of their squares, updated on every entry and deletion.
    double statSumX = 0, statSumX2 = 0, statSumY = 0, statSumY2 = 0;
};

}  // namespace numeralia::calc
