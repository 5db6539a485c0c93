#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>

#include "core/text/number_text.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/printable.h"
#include "fuzz/settings_compare.h"

namespace numeralia::fuzz {

namespace {

using text::formatPattern;
using text::generalText;
using text::parseNumber;

// The general text and the settings-file text of x read back to x, and writing what was read
// gives the same text again.
std::string checkWritten(double x) {
    const std::string shown = generalText(x);
    const auto back = parseNumber(shown);
    if (!back) return "the general text " + printable(shown) + " does not read";
    if (!sameTo15Digits(x, *back)) return "the general text " + printable(shown) + " reads another value";
    if (generalText(*back) != shown) return "the general text " + printable(shown) + " changes when read and written";

    const std::string filed = text::fileNumberText(x);
    const auto fileBack = text::parseFileNumber(filed);
    if (!fileBack) return "the settings text " + printable(filed) + " does not read";
    if (!sameTo15Digits(x, *fileBack) || text::fileNumberText(*fileBack) != filed)
        return "the settings text " + printable(filed) + " does not read back";
    return {};
}

// x with the patterns of the display formatting step ("0." and n "#", with "E+###" or
// "E-###") and of the exponential view: the text reads back within the rounding.
std::string checkPatterns(double x, int decimals) {
    const std::string hashes(static_cast<std::size_t>(decimals), '#');
    const std::string zeros(static_cast<std::size_t>(decimals), '0');
    const std::string patterns[] = {"0." + hashes + "E+###", "0." + hashes + "E-###",
                                    "0." + zeros + "e+00"};
    const double scale = std::fabs(x);
    for (const std::string& pattern : patterns) {
        const std::string shown = formatPattern(x, pattern);
        const auto back = parseNumber(shown);
        // Half a unit of the last decimal of a mantissa of at least 1, and the 15-digit rounding.
        const double allowed = (0.5 * std::pow(10.0, -decimals) + 1e-13) * scale;
        if (!back) {
            // Rounded to fewer digits, the top of the double range goes beyond it (1,8E+308).
            if (scale + allowed > DBL_MAX) continue;
            return printable(pattern) + " gives " + printable(shown) + ", which does not read";
        }
        if (std::fabs(*back - x) > allowed && !sameTo15Digits(*back, x))
            return printable(pattern) + " gives " + printable(shown) + " for " + generalText(x);
    }
    // The fixed pattern, where the calculator uses it.
    if (scale >= 0.00001 && scale <= 10000) {
        const std::string shown = formatPattern(x, "0." + hashes);
        const auto back = parseNumber(shown);
        if (!back || std::fabs(*back - x) > 0.5 * std::pow(10.0, -decimals) + 1e-13 * scale)
            return "0." + hashes + " gives " + printable(shown) + " for " + generalText(x);
    }
    return {};
}

}  // namespace

std::string checkDisplayText(std::string_view input) {
    const int decimals = 1 + static_cast<int>(input.size() % 15);

    // The number a display shows.
    if (const auto x = parseNumber(input)) {
        if (!std::isfinite(*x)) return printable(input) + " reads as " + std::to_string(*x);
        if (std::string f = checkWritten(*x); !f.empty()) return "from " + printable(input) + ": " + f;
        if (std::string f = checkPatterns(*x, decimals); !f.empty()) return "from " + printable(input) + ": " + f;
        // Without a decimal mark the leading number of a display is the whole number.
        if (input.find_first_of(",.") == std::string_view::npos) {
            const auto leading = text::leadingNumber(input);
            if (!leading || *leading != *x)
                return printable(input) + " reads " + generalText(*x) + " whole but otherwise as its leading number";
        }
    }
    // The leading number of a display, as the display-change step reads it.
    if (const auto y = text::leadingNumber(input); y && !std::isfinite(*y))
        return "the leading number of " + printable(input) + " is " + std::to_string(*y);
    // A number of the settings file.
    if (const auto z = text::parseFileNumber(input)) {
        if (!std::isfinite(*z)) return printable(input) + " reads as " + std::to_string(*z) + " from the file";
        if (std::string f = checkWritten(*z); !f.empty()) return "from the file's " + printable(input) + ": " + f;
    }
    // Any double at all, from the input's first eight bytes, is written as texts that read back.
    if (input.size() >= sizeof(double)) {
        double any;
        std::memcpy(&any, input.data(), sizeof any);
        if (std::isfinite(any)) {
            if (std::string f = checkWritten(any); !f.empty()) return f;
            if (std::string f = checkPatterns(any, decimals); !f.empty()) return f;
        }
    }
    return {};
}

}  // namespace numeralia::fuzz
