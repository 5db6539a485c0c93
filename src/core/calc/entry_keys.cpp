// Number entry and display keys: digits, ".", "±", "EXP", "C", "AC", "¬", "F--E", "SET",
// "musica"; and a number pasted from the clipboard.

#include <cmath>

#include "core/calc/calculator_model.h"
#include "core/calc/scientific_keys.h"
#include "core/text/number_text.h"
#include "core/text/pasted_number.h"

namespace numeralia::calc {

namespace {

// The pattern of the exponential view for a number of c significant characters.
const char* exponentialPattern(int c) {
    switch (c) {
        case 4: return "0.000e+00";
        case 5: return "0.0000e+00";
        case 6: return "0.00000e+00";
        case 7: return "0.000000e+00";
        case 8: return "0.0000000e+00";
        case 9: return "0.00000000e+00";
        default: return c <= 3 ? "0.00e+00" : "0.0000000000e+00";
    }
}

}  // namespace

void CalculatorModel::digit(int d) {
    resetErrorMessage();
    const char c = "0123456789ABCDEF"[d];  // 10 to 15: the hexadecimal letter keys
    if (state_.entryFlag == 1 && state_.numero != "0") {
        typeIntoDisplay(state_.numero + c);
    } else {
        typeIntoDisplay(state_.numberPrefix + c);
        state_.entryFlag = 1;
    }
}

void CalculatorModel::paste(std::string_view clipboard) {
    focusToEquals_ = false;
    lastFrameOutcome_ = Outcome::Done;
    std::optional<std::string> typed;
    if (isHexadecimalMode(state_)) {
        if (const auto digits = text::readPastedHexadecimal(clipboard))
            typed = state_.numberPrefix + *digits;
    } else if (const auto number = text::readPastedNumber(clipboard)) {
        typed = number->typed;
    }
    if (!typed) {
        state_.result = kPasteRefused;
        return;
    }
    resetErrorMessage();
    typeIntoDisplay(*typed);
    state_.entryFlag = 1;
    focusEquals();
}

void CalculatorModel::decimalPoint() {
    resetErrorMessage();
    if (state_.numero.find(',') != std::string::npos) return;
    if (isTypedHexadecimal(state_.numero)) return;  // whole numbers only
    if (state_.entryFlag == 0) {
        setDisplay("0");
        state_.entryFlag = 1;
    }
    setDisplay(state_.numero + ",");
}

void CalculatorModel::changeSign() {
    state_.func = "±";
    recordHistory();
    resetErrorMessage();
    // An exponent being typed; not the digit E of a hexadecimal number or of a "HEX" result.
    if (state_.numero.ends_with('E') && state_.entryFlag == 1 &&
        !isTypedHexadecimal(state_.numero)) {
        setDisplay(state_.numero + "-");
        return;
    }
    trap([&] {
        const double x = displayValue();
        if (x != 0) setDisplay(text::generalText(-x));
    });
}

void CalculatorModel::exponent() {
    if (state_.numero.find('E') != std::string::npos) return;
    if (isTypedHexadecimal(state_.numero)) return;  // E would be a digit there
    if (state_.entryFlag == 0) setDisplay("0");
    trap([&] {
        if (displayValue() != 0) {
            setDisplay(state_.numero + "E");
        } else {
            setDisplay("0");
        }
    });
}

void CalculatorModel::clearEntry() { typeIntoDisplay("0"); }

void CalculatorModel::allClear() {
    state_.func = kClearLabel;
    state_.pendingOperator.clear();
    setDisplay("0");
    recordHistory();
    switch (state_.errorKind) {
        case kCriticalError:
            state_.picture = ErrorPicture::Critical;
            state_.result = kCriticalMessage;
            playErrorSound();
            break;
        case kReportedError:
            state_.picture = ErrorPicture::FunctionError;
            playErrorSound();
            break;
        default:  // no error, or an error already shown
            state_.picture = ErrorPicture::Normal;
            state_.result = "0";
            break;
    }
    if (state_.errorKind != kNoError) state_.errorKind = kErrorShown;
    focusEquals();
}

void CalculatorModel::correction() {
    const auto& history = state_.history;
    if (history.empty()) return;
    // The newest entry is the display as it is now: look from the one before it.
    for (std::size_t i = history.size() - 1; i-- > 0;) {
        const std::string_view entry = history[i];
        if (entry.starts_with("  ") || entry.starts_with("**")) continue;
        if (entry.find("°") != std::string_view::npos) continue;  // a "gms" record, no display
        const std::string taken(entry);
        state_.func = "corr";
        recordHistory();
        setDisplay(taken);
        state_.entryFlag = 1;
        return;
    }
}

void CalculatorModel::exponentialView() {
    trap([&] {
        const double x = displayValue();
        const double magnitude = std::fabs(x);
        const std::string s = text::generalText(magnitude);
        const std::size_t e = s.find('E');
        int c = static_cast<int>(e == std::string::npos ? s.size() : e);
        if (s.starts_with("0,")) {
            c -= 2;
            const int reduced = c;
            for (int i = 3; i <= reduced && s[static_cast<std::size_t>(i - 1)] == '0'; ++i) --c;
        }
        const int length = static_cast<int>(s.size());
        for (int i = 1; i <= length; ++i) {
            const double q = magnitude / std::pow(10.0, i);
            if (q == std::floor(q)) --c;
        }
        state_.result = text::formatPattern(x, exponentialPattern(c));
    });
    state_.entryFlag = 0;
}

void CalculatorModel::setDecimals() {
    state_.func = "SET";
    recordHistory();
    trap([&] {
        const double n = displayValue();
        if (n <= 0 || n > 15 || n != std::floor(n)) return;
        state_.dcm = state_.numero;
        state_.displayPattern = "0." + std::string(static_cast<std::size_t>(n), '#');
    });
    state_.entryFlag = 0;
}

void CalculatorModel::music() { playCueSound(); }

}  // namespace numeralia::calc
