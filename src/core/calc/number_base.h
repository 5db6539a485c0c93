#pragma once
// Number bases of the Scientific calculator: the keys "HEX", "OCT" and "DEC".
//
// Hexadecimal and octal results are written without a prefix, in capital digits, with a
// leading "-" for a negative number ("FF", "-377"). Whole numbers up to 2^53 in magnitude
// (9007199254740992, the range in which a double holds every whole number exactly) are
// converted; a fractional number, a larger one or a text that is not a number is refused
// with a message. A typed hexadecimal number carries the prefix "&h" in the display.

#include <string>
#include <string_view>

#include "core/calc/math_result.h"

namespace numeralia::calc {

// The greatest magnitude the number-base keys convert.
inline constexpr double largestBaseNumber = largestExactWhole;

// The text a number-base key shows, or the message it reports.
struct BaseText {
    bool ok = false;
    std::string text;  // the digits, or the message beginning "Error: "
};

// "HEX" (base 16) and "OCT" (base 8): the number on display, a decimal text or a
// hexadecimal text with the prefix "&h", written in the base.
BaseText displayInBase(std::string_view display, int base);

// The display read as a hexadecimal whole number, with or without the prefix "&h" and with
// an optional leading "-".
MathResult hexadecimalValue(std::string_view display);

// "DEC": that number written with all its decimal digits (2^53 is 9007199254740992, where
// the general text would round it to 15 digits).
BaseText hexadecimalInDecimal(std::string_view display);


// The value of a hexadecimal digit key "A" to "F" (10 to 15), or -1 for any other text.
int hexDigitValue(char c);

}  // namespace numeralia::calc
