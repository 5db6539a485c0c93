#pragma once
// The bets file (default extension ".LOT"): a text file in UTF-8, one line per bet as the
// list shows it, lines ending in CR LF.
//
//     # Numeralia - Simulador Loto: apuestas seleccionadas
//      3,  7,  12,  20,  33,  41
//      1,  2,  3,  4,  5,  6,  7
//
// The first line is a header. On reading, lines beginning with "#" are comments and blank
// lines are skipped; every other line must be a bet of 6 to 11 distinct whole numbers from
// 1 to 49 separated by commas (or semicolons or blanks), in any order; it is read back in
// ascending order. A file is read whole or not at all.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace numeralia::lotto {

inline constexpr std::string_view kBetsFileHeader =
    "# Numeralia - Simulador Loto: apuestas seleccionadas";
inline constexpr const char* kBetsFileExtension = "LOT";
// Larger than any file of 500 bets (about 25 KB); a larger file is not read.
inline constexpr std::uintmax_t kLargestBetsFile = 1 << 20;

// The whole file for these bets.
std::string betsFileText(const std::vector<std::string>& bets);

// What reading gave: the bets (written as the list shows them), or what is wrong with the
// file in one sentence for the user (then no bets).
struct BetsRead {
    std::vector<std::string> bets;
    std::string problem;
    bool ok() const { return problem.empty(); }
};

// Reads the text of a bets file. Refused: text that is not UTF-8 or holds control
// characters (a binary file), a line that is not a bet (the problem names the line and
// shows it), more than 500 bets, no bet at all.
BetsRead readBetsText(std::string_view content);

// The same for a file; a file that cannot be read or is larger than kLargestBetsFile is
// refused.
BetsRead readBetsFile(const std::filesystem::path& path);

// Writes the file through a temporary file beside it, so that a failed write leaves an
// existing file as it was. Returns what went wrong, empty on success.
std::string writeBetsFile(const std::filesystem::path& path, const std::vector<std::string>& bets);

}  // namespace numeralia::lotto
