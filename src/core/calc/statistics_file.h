#pragma once
// Statistics data files (default extension ".DAT"): the X and Y lists as text, one entry per
// line. The format is described in docs/statistics_files.md:
//
//   NUMERALIA ESTADISTICA 1
//   # comment lines begin with "#"; blank lines are skipped
//   1000000001	4
//   1000000002	5,5
//   1000000003	-
//   FIN
//
// A data line holds X entry k and Y entry k, separated by blanks, tabs or ";"; "-" stands
// where a list has no entry k (the shorter list ends first: no gaps). Numbers take a point or
// a comma as decimal separator. The header and the closing "FIN" make a cut-off file show.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numeralia::calc {

// Far more than 200 entries with comments need; a bigger file is not read.
inline constexpr std::uintmax_t kLargestStatisticsFile = 1024 * 1024;

struct StatisticsLists {
    std::vector<double> x;
    std::vector<double> y;
    bool operator==(const StatisticsLists&) const = default;
};

// "3 datos X y 1 dato Y".
std::string countedEntries(std::size_t x, std::size_t y);

// The text of a data file holding the lists; every number keeps all its digits.
std::string statisticsFileText(const StatisticsLists& lists);

// What reading a file gave: the lists, or the line (from 1; 0 for the file as a whole) and
// what is wrong with it.
struct StatisticsReading {
    std::optional<StatisticsLists> lists;
    int line = 0;
    std::string problem;
};

// Reads the text of a data file, whole or not at all.
StatisticsReading readStatisticsText(std::string_view text);

// Reads and writes the file itself (a UTF-8 path). Writing goes through a temporary file
// beside the target, so that a failed write leaves an existing file as it was; it returns
// an empty text or what went wrong.
StatisticsReading readStatisticsFile(const std::string& path);
std::string writeStatisticsFile(const std::string& path, const StatisticsLists& lists);

}  // namespace numeralia::calc
