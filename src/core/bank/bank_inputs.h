#pragma once
// Reading the bank window's texts as numbers: the entry field as typed on the keypad, and
// the input fields when a calculation starts. A field that cannot be used adds a line to a
// list of problems, which the window shows in one message.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numeralia::bank {

// The entry field as typed: digits with at most one point as decimal mark ("1.5", "7.",
// ".5"). Nothing usable (no digit, "Error", a value beyond the double range) gives nullopt.
std::optional<double> readEntry(std::string_view entry);

// An input that must hold a number.
std::optional<double> readRequired(std::string_view field, std::string_view name,
                                   std::vector<std::string>& problems);

// An input that may be left empty (it then counts as 0).
std::optional<double> readOptional(std::string_view field, std::string_view name,
                                   std::vector<std::string>& problems);

// The term as a count of months, kept in single precision: the field itself with months,
// twelve times it with years. It must come to a whole number of months from 1 to maxMonths.
std::optional<float> readMonths(std::string_view field, bool inMonths, int maxMonths,
                                std::vector<std::string>& problems);

// The monthly rate from a yearly rate in percent, kept in single precision.
float monthlyRateOf(double yearlyPercent);

// The message that lists the problems found; withSavings names the savings keys too.
std::string problemsMessage(const std::vector<std::string>& problems, bool withSavings);

}  // namespace numeralia::bank
