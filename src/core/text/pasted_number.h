#pragma once
// Numbers pasted from the clipboard: the texts users copy from other programs (spreadsheets,
// web pages, other calculators) read as a number and rewritten the way the calculator's own
// keys would have typed it.
//
// Decimal numbers: blanks around; a leading "+", "-" or "−"; a comma or a point as decimal
// mark; thousands separated by points, commas or blanks (also the no-break and thin spaces)
// in groups of three; an exponent after E or e with an optional sign. Where the marks are
// ambiguous the Spanish reading wins:
//   - comma and point both present: the last of the two is the decimal mark;
//   - a single comma is the decimal mark (1,234 is one point two three four);
//   - a single point is a thousands separator when one to three digits that do not begin
//     with 0 stand before it, exactly three digits follow it and no exponent comes after
//     (1.234 is one thousand two hundred thirty-four); otherwise it is the decimal mark
//     (1.5, 0.125, 1234.5, 1.234E5);
//   - several commas, or several points, separate thousands;
//   - with blanks separating thousands, a single comma or point is the decimal mark.
// Anything else is refused: words, two numbers, a tab or a line break inside, groups that
// are not of three digits, a number beyond the double range.

#include <optional>
#include <string>
#include <string_view>

namespace numeralia::text {

struct PastedNumber {
    // As the keys type it: sign, digits without leading zeros or grouping, a comma and the
    // decimals as given, "E" and the exponent without "+" ("-1234567,89", "1,5E3", "2E-5").
    std::string typed;
    double value = 0;
};

std::optional<PastedNumber> readPastedNumber(std::string_view clipboard);

// Hexadecimal mode: hexadecimal digits only, with blanks around and an optional prefix
// "&h" or "0x" (either case); the digits in capitals without leading zeros ("FF").
// nullopt for anything else (a sign, a decimal mark, a number beyond the double range).
std::optional<std::string> readPastedHexadecimal(std::string_view clipboard);

// The rule above in the user's words, for the help texts.
std::string_view pasteRuleHelp();

}  // namespace numeralia::text
