#include <cmath>
#include <string>

#include "core/text/number_text.h"
#include "core/text/pasted_number.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/printable.h"

namespace numeralia::fuzz {

namespace {

// Walks a text with a cursor; hand-written rather than a std::regex, whose matcher recurses
// once per character and overflows the stack on a long number.
struct Shape {
    std::string_view text;
    std::size_t at = 0;
    bool take(char c) { return at < text.size() && text[at] == c ? (++at, true) : false; }
    std::size_t run(bool (*digit)(char)) {
        const std::size_t from = at;
        while (at < text.size() && digit(text[at])) ++at;
        return at - from;
    }
    bool done() const { return at == text.size(); }
};

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDecimalDigit(c) || (c >= 'A' && c <= 'F'); }

// Digits with no leading zero other than a lone "0".
bool wholeDigits(Shape& s, bool (*digit)(char)) {
    const std::size_t from = s.at;
    const std::size_t count = s.run(digit);
    return count == 1 || (count > 1 && s.text[from] != '0');
}

// As the keys type a number: sign, digits without leading zeros, decimals, exponent.
bool typedShape(std::string_view text) {
    Shape s{text};
    s.take('-');
    if (!wholeDigits(s, isDecimalDigit)) return false;
    if (s.take(',') && s.run(isDecimalDigit) == 0) return false;
    if (s.take('E')) {
        s.take('-');
        if (s.run(isDecimalDigit) == 0) return false;
    }
    return s.done();
}

bool hexShape(std::string_view text) {
    Shape s{text};
    return wholeDigits(s, isHexDigit) && s.done();
}

}  // namespace

std::string checkPastedNumber(std::string_view input) {
    if (const auto pasted = text::readPastedNumber(input)) {
        if (!std::isfinite(pasted->value)) return printable(input) + " pastes as " + std::to_string(pasted->value);
        if (!typedShape(pasted->typed))
            return printable(input) + " is typed as " + printable(pasted->typed);
        // What is typed reads as the value pasted, and pasting it again types it the same.
        const auto typedValue = text::parseNumber(pasted->typed);
        if (!typedValue || *typedValue != pasted->value)
            return printable(input) + " is typed as " + printable(pasted->typed) + ", which reads another value";
        const auto again = text::readPastedNumber(pasted->typed);
        if (!again || again->typed != pasted->typed || again->value != pasted->value)
            return "pasted again, " + printable(pasted->typed) + " changes";
    }
    if (const auto digits = text::readPastedHexadecimal(input)) {
        if (!hexShape(*digits)) return printable(input) + " pastes as the digits " + printable(*digits);
        const auto value = text::parseNumber("&h" + *digits);
        if (!value || !std::isfinite(*value)) return "the hexadecimal " + printable(*digits) + " does not read";
        if (text::readPastedHexadecimal(*digits) != digits) return "pasted again, " + printable(*digits) + " changes";
    }
    return {};
}

}  // namespace numeralia::fuzz
