#pragma once
// What a calculator window shows and remembers between two keys. Every text here is what
// the window puts on screen; the window refreshes its widgets from it after each key.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calc/solver_state.h"
#include "core/calc/statistics_state.h"

namespace numeralia::calc {

// The error picture Image3.
enum class ErrorPicture { Normal, Critical, FunctionError };

// Error kinds: none, a calculation failure, a message written by a key, an error on show.
inline constexpr std::int16_t kNoError = 0;
inline constexpr std::int16_t kCriticalError = 1;
inline constexpr std::int16_t kReportedError = 2;
inline constexpr std::int16_t kErrorShown = 3;

inline constexpr const char* kClearLabel = "*** ERROR / BORRADO ***";
inline constexpr const char* kCriticalMessage = "Error: Parada crítica";
inline constexpr const char* kGeneralNumber = "General Number";
inline constexpr const char* kPasteRefused = "Error: el portapapeles no contiene un número";
inline constexpr std::size_t kHistoryLimit = 500;

struct CalculatorState {
    std::string numero = "0";  // main display
    std::string result = "0";  // info line: chain result, exponential view or error message
    std::string func;          // function label
    std::string dcm = "15";    // decimals display
    std::string angulo = "deg";
    std::optional<std::string> accumulator;  // text of a display, unset at opening
    std::string pendingOperator;             // "", "+", "--", "x", "/" or "x^y"
    std::string numberPrefix;                // put before the first digit of a new number
    std::string hyperbolic;                  // "H" after the "hyp" key
    std::int16_t entryFlag = 0;              // 1 while a number is being typed
    std::int16_t errorKind = kNoError;
    std::string displayPattern = kGeneralNumber;
    ErrorPicture picture = ErrorPicture::Normal;

    std::string ivas;  // VAT display: the rate followed by " %"

    // Memory displays m1 to m4 (index 0 to 3).
    std::array<std::string, 4> memories{"0", "0", "0", "0"};

    // Key history Combo1: its entries, its edit text, whether the list is shown.
    std::vector<std::string> history;
    std::string historyText;
    bool historyVisible = false;

    // Statistics of the Scientific model.
    StatisticsDisplays statistics;

    // Blue display and the state of the equation solvers and number tools.
    SolverState solver;
};

}  // namespace numeralia::calc
