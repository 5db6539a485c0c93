#pragma once
// A bet as the window writes it and reads it back: its numbers in ascending order, each
// with a leading blank for the sign, separated by ", " (" 3,  7,  12,  20,  33,  41").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numeralia::lotto {

// The most bets the list keeps; storing one more clears it.
inline constexpr int kStoreLimit = 500;

// A count of bets as the window, the printout and the reports write it: thousands grouped
// with points ("13.983.816").
std::string countText(long long n);

// The bet text of the given numbers, which must be in ascending order.
std::string composeBetText(const std::vector<int>& numbers);

// Reads a bet: 6 to 11 distinct whole numbers from 1 to 49, separated by commas, semicolons
// or blanks (blanks around them ignored), in any order. Returns them ascending, or nothing
// for anything else (a repeated number, 0, 50, "7.5", a letter, too few or too many).
std::optional<std::vector<int>> parseBet(std::string_view text);

}  // namespace numeralia::lotto
