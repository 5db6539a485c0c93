#pragma once
// The three operations of the bank window and the fixed texts each one shows: the caption
// suffix, the result captions, the descriptions written with the transit memories and the
// titles of the table columns.

#include <array>
#include <cstdint>
#include <string>

namespace numeralia::bank {

// The values are the window's operation type numbers; the payment-timing question is asked
// for every type above 1.
enum class Operation : std::int16_t { Deposit = 1, Savings = 2, Loan = 3 };

struct OperationTexts {
    std::string captionSuffix;                  // after the base caption
    std::array<std::string, 3> resultCaptions;  // R1, R2, R3 in that order
    std::array<std::string, 3> transitLabels;   // what R1, R2, R3 are said to hold
    std::array<std::string, 5> columnTitles;    // month first
    std::string timingQuestion;                 // empty: no question
    std::array<std::string, 2> timingNames;     // end of month, beginning of month
};

const OperationTexts& textsOf(Operation operation);

inline constexpr const char* kBaseCaption = "Operaciones Bancarias";
inline constexpr const char* kMessageTitle = "Numeralia - Operaciones Bancarias";

}  // namespace numeralia::bank
