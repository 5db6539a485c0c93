#include <cmath>
#include <regex>
#include <string>

#include "core/text/number_text.h"
#include "core/text/pasted_number.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/printable.h"

namespace numeralia::fuzz {

std::string checkPastedNumber(std::string_view input) {
    // As the keys type a number: sign, digits without leading zeros, decimals, exponent.
    static const std::regex typedShape("-?(0|[1-9][0-9]*)(,[0-9]+)?(E-?[0-9]+)?");
    if (const auto pasted = text::readPastedNumber(input)) {
        if (!std::isfinite(pasted->value)) return printable(input) + " pastes as " + std::to_string(pasted->value);
        if (!std::regex_match(pasted->typed, typedShape))
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
        static const std::regex hexShape("0|[1-9A-F][0-9A-F]*");
        if (!std::regex_match(*digits, hexShape)) return printable(input) + " pastes as the digits " + printable(*digits);
        const auto value = text::parseNumber("&h" + *digits);
        if (!value || !std::isfinite(*value)) return "the hexadecimal " + printable(*digits) + " does not read";
        if (text::readPastedHexadecimal(*digits) != digits) return "pasted again, " + printable(*digits) + " changes";
    }
    return {};
}

}  // namespace numeralia::fuzz
