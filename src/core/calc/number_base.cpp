#include "core/calc/number_base.h"

#include "core/text/number_text.h"

#include <algorithm>
#include <cmath>

namespace numeralia::calc {

namespace {

constexpr std::string_view hexPrefix = "&h";

bool startsWithHexPrefix(std::string_view s) {
    return s.size() >= 2 && s[0] == '&' && (s[1] == 'h' || s[1] == 'H');
}

bool isHexDigit(char c) { return wholeFromDigits(std::string_view(&c, 1), 16).has_value(); }

// A hexadecimal whole number: optional "-", optional "&h", at least one digit. Digits
// beyond the range give an out-of-range report, anything else an invalid-entry report.
MathResult readHexadecimal(std::string_view s) {
    const bool negative = !s.empty() && s.front() == '-';
    if (negative) s.remove_prefix(1);
    if (startsWithHexPrefix(s)) s.remove_prefix(hexPrefix.size());
    if (s.empty()) return MathResult::reported(message::invalidEntry);
    if (!std::all_of(s.begin(), s.end(), isHexDigit))
        return MathResult::reported(message::invalidEntry);
    const auto value = wholeFromDigits(s, 16);  // only digits are left
    if (!value) return MathResult::reported(message::outOfRange);
    const double v = static_cast<double>(*value);
    return MathResult::of(negative ? -v : v);
}

}  // namespace

int hexDigitValue(char c) {
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

BaseText displayInBase(std::string_view display, int base) {
    const std::string_view bare =
        !display.empty() && display.front() == '-' ? display.substr(1) : display;
    MathResult read = MathResult::failed();
    if (startsWithHexPrefix(bare)) {
        read = readHexadecimal(display);
    } else if (const auto v = text::parseNumber(display)) {
        read = MathResult::of(*v);
    } else {
        read = MathResult::reported(message::invalidEntry);
    }
    if (!read.isValue())
        return {false, read.isReported() ? read.message : std::string(message::invalidEntry)};
    const double x = read.value;
    if (x != std::trunc(x)) return {false, message::notWhole};
    if (std::fabs(x) > largestBaseNumber) return {false, message::outOfRange};
    return {true, text::wholeNumberText(x, base)};
}

MathResult hexadecimalValue(std::string_view display) { return readHexadecimal(display); }

BaseText hexadecimalInDecimal(std::string_view display) {
    const MathResult read = readHexadecimal(display);
    if (!read.isValue()) return {false, read.message};
    return {true, text::wholeNumberText(read.value, 10)};
}

}  // namespace numeralia::calc
