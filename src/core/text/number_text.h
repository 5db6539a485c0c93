#pragma once
// Number texts of the program. Every number the user sees is written here, in the Spanish
// convention: comma as decimal separator, point as thousands separator, letter E for a
// decimal exponent. Numbers are also read back from display texts here. No other file of the
// program formats or parses numbers for the user.

#include <optional>
#include <string>
#include <string_view>

namespace numeralia::text {

// Reads a whole display text as a number the way the calculator does: optional blanks around,
// optional sign, digits with a comma as decimal separator, optional exponent introduced by the
// letter E (either case) with an optional sign. Returns nullopt for a text that is not a number
// (empty, stray characters, a value beyond the double range).
std::optional<double> parseNumber(std::string_view text);

// Reads the leading number of a text: leading blanks skipped, optional sign, digits, optional
// fraction after a point, optional exponent; reading stops at the first other character, so
// "2,5" reads 2 and "abc" reads 0. With the prefix "&h" (either case) the digits that follow
// are read as a hexadecimal whole number. Returns nullopt only when the number is beyond the
// double range (400 digits, an exponent above 308).
std::optional<double> leadingNumber(std::string_view text);

// The general number text: the shortest text that holds the value to 15 significant digits,
// comma as decimal separator, "-" for negatives, no grouping, exponent form (mantissa, E,
// sign, at least two digits: 1,5E+20, 1E-05) for magnitudes of 1E15 and above or below 1E-4.
std::string generalText(double x);

// The same for a single-precision value: up to 7 significant digits.
std::string singleText(double x);

// The sign-blank text: the general text with a blank in front of zero and positive numbers
// and "-" in front of negative ones, written with the given decimal mark.
std::string signBlankText(double x, char decimalMark = ',');

// Formats x with a numeric pattern in the usual notation ("." is the decimal place, "," the
// thousands grouping, "0" a digit always shown, "#" a digit shown when significant, "E+"/"E-"
// or "e+"/"e-" an exponent part). The result uses the comma as decimal separator and the
// point as grouping separator. Rounding is half away from zero at the last shown digit,
// applied to the 15-significant-digit decimal value of x (2.345 with "0.00" gives 2,35).
// "General Number" gives generalText(x).
std::string formatPattern(double x, std::string_view pattern);

// Numbers in the settings file: point as decimal separator, up to 15 significant digits,
// exponent written as E, sign, at least two digits. The reader takes exactly what the writer
// writes (optional sign, optional leading zero, optional exponent).
std::string fileNumberText(double x);
std::optional<double> parseFileNumber(std::string_view text);

}  // namespace numeralia::text
